// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The program-wide language of the secondary windows: 0 English, 1 Catalan, 2 Spanish.
// The main window sets it to English at load; SettleLanguage sets it from the command line or
// "Lng.txt" when the tools editor loads.
std::int16_t& LangIndex();

// True only when the last SettleLanguage found an empty command-line text and no "Lng.txt".
bool& LanguageNotGiven();

// Settles LangIndex from the program's arguments as QCoreApplication::arguments() gives them (the
// first, the program itself, is skipped; the rest are joined with single blanks into one text).
// When that text is empty, the first item of "Lng.txt" in `folder` decides (the current folder
// when `folder` is empty). "cat" gives Catalan, "esp" Spanish, in any case; anything else English.
// An empty or unreadable "Lng.txt", or one whose first item is empty, gives English.
void SettleLanguage(const QStringList& programArguments, const QString& folder = QString());

// The same with the running program's own arguments.
void SettleLanguage();

// The language word of a command-line text or a first item: 0, 1 or 2.
std::int16_t LanguageOfWord(const QString& word);

// The first item of a line as the language file holds it: leading blanks skipped, up to the first
// comma or the end of the line; an item in double quotes is taken without them.
QString FirstItemOf(const QString& line);

// A text in the three languages (UTF-8): entry 0 English, 1 Catalan, 2 Spanish.
using LangTable = std::array<const char*, 3>;

// The entry of `table` for the current LangIndex, or for `lang`.
QString InLang(const LangTable& table);
QString InLang(const LangTable& table, int lang);

// Texts of the file dialog.
namespace DialogTexts {
// Window titles by mode and language at mode + 3 * language; the third mode stays empty.
inline constexpr std::array<const char*, 9> DialogTitles = {
    "Open", "Save", "", "Obrir", "Guardar", "", "Abrir", "Guardar", ""};
inline constexpr LangTable EtNom = {"Name", "Nom", "Nombre"};
inline constexpr LangTable EtTp = {"Type", "Tipus", "Tipo"};
inline constexpr LangTable BtFuig = {"Cancel", "Cancel\u00b7la", "Cancelar"};
inline constexpr LangTable BtRereTip = {"To the last visited folder", "A l'anterior carpeta visitada",
                                        "A la anterior carpeta visitada"};
inline constexpr LangTable BtAmTip = {"To up one level", "Pujar-ne un nivell", "Subir un nivel"};
inline constexpr LangTable BtObrTip = {"Open folder", "Obrir carpeta", "Abrir carpeta"};
inline constexpr LangTable BtNovaTip = {"New folder", "Crear carpeta nova", "Crear nueva carpeta"};
inline constexpr LangTable NewFolderName = {"New folder", "Carpeta nova", "Nueva carpeta"};
}  // namespace DialogTexts

// The file dialog's title for a mode (0 open, 1 save) in the current language.
QString DialogTitle(int mode);
QString DialogTitle(int mode, int lang);

// Texts of the tools editor. Its English texts are the window's own captions; at load it takes
// the Catalan or Spanish ones when LangIndex is 1 or 2.
namespace ToolsTexts {
inline constexpr LangTable Caption = {"Tools edition", "Edici\u00f3 eines", "Edici\u00f3n utilidades"};
inline constexpr LangTable EtTools = {"Tools", "Eines", "Utilidades"};
inline constexpr LangTable Ped = {"Tool", "Eina", "Utilidad"};
// Labels Et(0) to Et(3).
inline constexpr std::array<LangTable, 4> Et = {{
    {"Title", "T\u00edtol", "T\u00edtulo"},
    {"File", "Fitxer", "Fichero"},
    {"Work directory", "Directori de treball", "Directorio de trabajo"},
    {"Parameters", "Par\u00e0metres", "Par\u00e1metros"},
}};
// The deletion question: EraseStart + the tool's title in upper case + " ?", titled ConfirmTitle.
inline constexpr LangTable ConfirmTitle = {"Confirm erasing", "Confirmar eliminaci\u00f3",
                                           "Confirmar eliminaci\u00f3n"};
inline constexpr LangTable EraseStart = {"Erase ", "Eliminar ", "Eliminar "};
}  // namespace ToolsTexts
