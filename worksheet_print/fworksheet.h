// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "platform/seams.h"
#include "worksheet/worksheet.h"
#include "worksheet_print/sheet_layout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

// The file dialog in save mode: (parent, start folder, type list, proposed name) -> the chosen
// full path, or "" on Cancel. Empty: the program's own file dialog.
using AskSavePath =
    std::function<QString(QWidget* parent, const QString& startFolder, const QString& typeList, const QString& name)>;

// The worksheet window: how many exercises of each kind, the decimals of the answers, the range
// of the random complexes, polar operands, an optional seed, the versions; the sheet's title,
// instructions, room to work, language, graphs and working; then preview, print or save. The
// sheet made for the preview is the one printed and saved until an option changes; a change of
// the words alone keeps its numbers. The window keeps its settings (QSettings, group
// "worksheet") for the next time, except the language, which follows the program's.
class FWorksheet : public QDialog {
  Q_OBJECT

 public:
  // `language` is the program's language index: the sheet's language to begin with.
  explicit FWorksheet(QWidget* parent = nullptr, const Seams& seams = DefaultSeams(), AskSavePath askPath = {},
                      int language = 0);

  std::array<QSpinBox*, ExerciseKindCount> EdCount{};
  QSpinBox* EdDecimals = nullptr;
  QSpinBox* EdLow = nullptr;
  QSpinBox* EdHigh = nullptr;
  QLineEdit* EdSeed = nullptr;
  QCheckBox* OpPolar = nullptr;
  QSpinBox* EdVersions = nullptr;
  QLineEdit* EdTitle = nullptr;
  QLineEdit* EdInstructions = nullptr;
  QComboBox* CbSpace = nullptr;
  QComboBox* CbLanguage = nullptr;
  QCheckBox* OpGraphs = nullptr;
  QCheckBox* OpWorking = nullptr;
  QLabel* EtSheet = nullptr;
  QPushButton* BtPreview = nullptr;
  QPushButton* BtPrint = nullptr;
  QPushButton* BtPdf = nullptr;
  QPushButton* BtText = nullptr;
  QPushButton* BtClose = nullptr;

  void BtPreview_Click();
  void BtPrint_Click();
  void BtPdf_Click();
  void BtText_Click();

  // The sheet the options make now (made once, then kept until an option changes); nothing
  // when the options cannot make one, after saying why.
  const Worksheet* CurrentSheet();
  const SheetLayout* CurrentLayout();

 private:
  // A change of the numbers makes a new sheet; of the words, the same numbers in new words; of
  // the pages only, new pages.
  void NumbersChanged();
  void WordsChanged();
  void PagesChanged();
  void LanguageChanged();
  void LoadSettings();
  void SaveSettings() const;
  LayoutOptions PageOptions() const;
  QString AskPath(const QString& typeList, const QString& name);
  void Report(const QString& text, const QString& title);

  Seams seams_;
  AskSavePath askPath_;
  std::optional<Worksheet> sheet_;
  std::optional<std::uint64_t> keptSeed_;  // the numbers of the last sheet, while only its words change
  std::optional<SheetLayout> layout_;
};

// Opens the worksheet window, non-modal, over `parent`; it deletes itself when closed.
FWorksheet* ShowWorksheetWindow(QWidget* parent, const Seams& seams = DefaultSeams(), int language = 0);
