// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The language the secondary windows speak: 0 English, 1 Catalan, 2 Spanish. The main window owns
// one, English at load and then settled from the command line or "Lng.txt"; it gives it to the
// windows it opens. The tools editor settles it again when it loads.
class Language {
 public:
  std::int16_t Index() const { return index_; }
  void SetIndex(std::int16_t index) { index_ = index; }
  // True only when the last Settle found an empty command-line text and no "Lng.txt".
  bool NotGiven() const { return notGiven_; }

  // Settles the language from the program's arguments as QCoreApplication::arguments() gives them
  // (the first, the program itself, is skipped; the rest are joined with single blanks into one
  // text). When that text is empty, the first item of "Lng.txt" in `folder` decides (the current
  // folder when `folder` is empty). "cat" gives Catalan, "esp" Spanish, in any case; anything else
  // English. An empty or unreadable "Lng.txt", or one whose first item is empty, gives English.
  // With neither, the language stays as it was.
  void Settle(const QStringList& programArguments, const QString& folder = QString());
  // The same with the running program's own arguments.
  void Settle();

  // The entry of `table` in this language.
  QString Text(const std::array<const char*, 3>& table) const;
  // The file dialog's title for a mode (0 open, 1 save).
  QString DialogTitle(int mode) const;

 private:
  std::int16_t index_ = 0;
  bool notGiven_ = false;
};

// The language word of a command-line text or a first item: 0, 1 or 2.
std::int16_t LanguageOfWord(const QString& word);

// The first item of a line as the language file holds it: leading blanks skipped, up to the first
// comma or the end of the line; an item in double quotes is taken without them.
QString FirstItemOf(const QString& line);

// A text in the three languages (UTF-8): entry 0 English, 1 Catalan, 2 Spanish.
using LangTable = std::array<const char*, 3>;

// The entry of `table` for the language `lang`.
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

// The file dialog's title for a mode (0 open, 1 save) in a language.
QString DialogTitle(int mode, int lang);

// Texts of the tools editor. Its English texts are the window's own captions; at load it takes
// the Catalan or Spanish ones when its language is Catalan or Spanish.
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
