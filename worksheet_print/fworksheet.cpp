// SPDX-License-Identifier: MIT
#include "worksheet_print/fworksheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "exercises/fprbls.h"
#include "filedlg/ask_file.h"
#include "platform/printing.h"
#include "platform/qtext.h"
#include "worksheet/sheet_text.h"
#include "worksheet_print/sheet_output.h"

namespace {

const QString NotPrinted = QStringLiteral("The sheet could not be printed.");

const QString Title = QStringLiteral("Worksheet");
const QString KindCaptions[ExerciseKindCount] = {QStringLiteral("Binary operations"), QStringLiteral("Power"),
                                                 QStringLiteral("Roots"), QStringLiteral("Combined formula"),
                                                 QStringLiteral("Cartesian and polar forms")};
const QString SpaceCaptions[3] = {QStringLiteral("None"), QStringLiteral("Some"), QStringLiteral("Much")};
const QString LanguageCaptions[SheetLanguageCount] = {QStringLiteral("English"), QStringLiteral("Catal\u00e0"),
                                                      QStringLiteral("Espa\u00f1ol")};
const QString Group = QStringLiteral("worksheet/");

// The title a sheet has in a language when the teacher writes none.
QString DefaultTitle(int language) { return ToQ(InSheetLanguage(SheetTexts::Title, language)); }

QString Indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

QSpinBox* Spin(QWidget* parent, const QString& name, int low, int high, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(low, high);
  box->setValue(value);
  return box;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

FWorksheet::FWorksheet(QWidget* parent, const Seams& seams, AskSavePath askPath, int language)
    : QDialog(parent), seams_(seams), askPath_(std::move(askPath)) {
  setObjectName(QStringLiteral("FWorksheet"));
  setWindowTitle(Title);

  auto* kinds = new QGroupBox(QStringLiteral("Exercises of each kind"), this);
  auto* kindsForm = new QFormLayout(kinds);
  for (int k = 0; k < ExerciseKindCount; ++k) {
    EdCount[static_cast<std::size_t>(k)] =
        Spin(kinds, Indexed("EdCount", k), 0, MaxSheetExercises, k == static_cast<int>(ExerciseKind::Forms) ? 0 : 5);
    kindsForm->addRow(KindCaptions[k], EdCount[static_cast<std::size_t>(k)]);
  }

  auto* numbers = new QGroupBox(QStringLiteral("Numbers"), this);
  auto* numbersForm = new QFormLayout(numbers);
  EdDecimals = Spin(numbers, QStringLiteral("EdDecimals"), 1, MaxSheetDecimals, 2);
  numbersForm->addRow(QStringLiteral("Decimals of the answers"), EdDecimals);
  EdLow = Spin(numbers, QStringLiteral("EdLow"), -MaxSheetRandomPart, MaxSheetRandomPart, -5);
  EdHigh = Spin(numbers, QStringLiteral("EdHigh"), -MaxSheetRandomPart, MaxSheetRandomPart, 9);
  auto* range = new QHBoxLayout;
  range->addWidget(EdLow);
  range->addWidget(new QLabel(QStringLiteral("to"), numbers));
  range->addWidget(EdHigh);
  numbersForm->addRow(QStringLiteral("Real and imaginary parts from"), range);
  EdSeed = new QLineEdit(numbers);
  EdSeed->setObjectName(QStringLiteral("EdSeed"));
  EdSeed->setPlaceholderText(QStringLiteral("a new sheet each time"));
  EdSeed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,19}")), EdSeed));
  EdSeed->setToolTip(QStringLiteral("The same seed gives the same sheet"));
  numbersForm->addRow(QStringLiteral("Seed"), EdSeed);
  EdVersions = Spin(numbers, QStringLiteral("EdVersions"), 1, MaxSheetVersions, 1);
  EdVersions->setToolTip(QStringLiteral("A sheet with other numbers for each student: Version A, Version B, ..."));
  numbersForm->addRow(QStringLiteral("Versions"), EdVersions);
  OpPolar = new QCheckBox(QStringLiteral("Binary operands in polar form"), numbers);
  OpPolar->setObjectName(QStringLiteral("OpPolar"));
  numbersForm->addRow(OpPolar);

  auto* words = new QGroupBox(QStringLiteral("The sheet"), this);
  auto* wordsForm = new QFormLayout(words);
  EdTitle = new QLineEdit(DefaultTitle(language), words);
  EdTitle->setObjectName(QStringLiteral("EdTitle"));
  wordsForm->addRow(QStringLiteral("Title"), EdTitle);
  EdInstructions = new QLineEdit(words);
  EdInstructions->setObjectName(QStringLiteral("EdInstructions"));
  EdInstructions->setPlaceholderText(QStringLiteral("none"));
  wordsForm->addRow(QStringLiteral("Instructions"), EdInstructions);
  // Room for a title in any of the languages, at any scaling.
  for (QLineEdit* edit : {EdTitle, EdInstructions})
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('n'))));
  CbSpace = new QComboBox(words);
  CbSpace->setObjectName(QStringLiteral("CbSpace"));
  for (const QString& caption : SpaceCaptions) CbSpace->addItem(caption);
  wordsForm->addRow(QStringLiteral("Room to work"), CbSpace);
  CbLanguage = new QComboBox(words);
  CbLanguage->setObjectName(QStringLiteral("CbLanguage"));
  for (const QString& caption : LanguageCaptions) CbLanguage->addItem(caption);
  CbLanguage->setCurrentIndex(language >= 0 && language < SheetLanguageCount ? language : 0);
  wordsForm->addRow(QStringLiteral("Language"), CbLanguage);
  OpGraphs = new QCheckBox(QStringLiteral("A graph with each answer"), words);
  OpGraphs->setObjectName(QStringLiteral("OpGraphs"));
  wordsForm->addRow(OpGraphs);
  OpWorking = new QCheckBox(QStringLiteral("Working in the answer key"), words);
  OpWorking->setObjectName(QStringLiteral("OpWorking"));
  wordsForm->addRow(OpWorking);

  EtSheet = new QLabel(this);
  EtSheet->setObjectName(QStringLiteral("EtSheet"));
  EtSheet->setWordWrap(true);

  BtPreview = Button(this, QStringLiteral("BtPreview"), QStringLiteral("Preview"));
  BtPrint = Button(this, QStringLiteral("BtPrint"), QStringLiteral("Print..."));
  BtPdf = Button(this, QStringLiteral("BtPdf"), QStringLiteral("Save as PDF..."));
  BtText = Button(this, QStringLiteral("BtText"), QStringLiteral("Save as text..."));
  BtClose = Button(this, QStringLiteral("BtClose"), QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {BtPreview, BtPrint, BtPdf, BtText}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(BtClose);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(kinds);
  top->addWidget(numbers);
  top->addWidget(words);
  layout->addLayout(top);
  layout->addWidget(EtSheet);
  layout->addLayout(buttons);

  LoadSettings();
  for (QSpinBox* box : EdCount) connect(box, &QSpinBox::valueChanged, this, &FWorksheet::NumbersChanged);
  for (QSpinBox* box : {EdDecimals, EdLow, EdHigh, EdVersions})
    connect(box, &QSpinBox::valueChanged, this, &FWorksheet::NumbersChanged);
  connect(EdSeed, &QLineEdit::textChanged, this, &FWorksheet::NumbersChanged);
  connect(OpPolar, &QCheckBox::toggled, this, &FWorksheet::NumbersChanged);
  connect(EdTitle, &QLineEdit::textChanged, this, &FWorksheet::WordsChanged);
  connect(EdInstructions, &QLineEdit::textChanged, this, &FWorksheet::WordsChanged);
  connect(OpWorking, &QCheckBox::toggled, this, &FWorksheet::WordsChanged);
  connect(CbLanguage, &QComboBox::currentIndexChanged, this, &FWorksheet::LanguageChanged);
  connect(OpGraphs, &QCheckBox::toggled, this, &FWorksheet::PagesChanged);
  connect(CbSpace, &QComboBox::currentIndexChanged, this, &FWorksheet::PagesChanged);
  connect(BtPreview, &QPushButton::clicked, this, &FWorksheet::BtPreview_Click);
  connect(BtPrint, &QPushButton::clicked, this, &FWorksheet::BtPrint_Click);
  connect(BtPdf, &QPushButton::clicked, this, &FWorksheet::BtPdf_Click);
  connect(BtText, &QPushButton::clicked, this, &FWorksheet::BtText_Click);
  connect(BtClose, &QPushButton::clicked, this, &QDialog::close);
}

void FWorksheet::NumbersChanged() {
  sheet_.reset();
  keptSeed_.reset();
  layout_.reset();
  EtSheet->clear();
  SaveSettings();
}

void FWorksheet::WordsChanged() {
  if (sheet_) keptSeed_ = sheet_->Seed;
  sheet_.reset();
  layout_.reset();
  SaveSettings();
}

void FWorksheet::PagesChanged() {
  layout_.reset();
  SaveSettings();
}

void FWorksheet::LanguageChanged() {
  // A title left as it was comes in the new language.
  for (int k = 0; k < SheetLanguageCount; ++k)
    if (EdTitle->text() == DefaultTitle(k)) EdTitle->setText(DefaultTitle(CbLanguage->currentIndex()));
  WordsChanged();
}

void FWorksheet::LoadSettings() {
  QSettings settings;
  // Spin boxes keep a value from a damaged or foreign file within their ranges.
  for (int k = 0; k < ExerciseKindCount; ++k) {
    QSpinBox* box = EdCount[static_cast<std::size_t>(k)];
    box->setValue(settings.value(Group + QStringLiteral("count%1").arg(k), box->value()).toInt());
  }
  for (const auto& [key, box] : {std::pair{"decimals", EdDecimals}, std::pair{"low", EdLow}, std::pair{"high", EdHigh},
                                 std::pair{"versions", EdVersions}})
    box->setValue(settings.value(Group + QLatin1String(key), box->value()).toInt());
  EdSeed->setText(settings.value(Group + QStringLiteral("seed")).toString());
  if (!EdSeed->hasAcceptableInput()) EdSeed->clear();
  for (const auto& [key, box] : {std::pair{"polar", OpPolar}, std::pair{"graphs", OpGraphs}, std::pair{"working", OpWorking}})
    box->setChecked(settings.value(Group + QLatin1String(key), false).toBool());
  const QString title = settings.value(Group + QStringLiteral("title")).toString();
  // A default title is kept as "no title of one's own", so it follows the language.
  if (!title.isEmpty()) EdTitle->setText(title);
  EdInstructions->setText(settings.value(Group + QStringLiteral("instructions")).toString());
  const int space = settings.value(Group + QStringLiteral("space"), 0).toInt();
  CbSpace->setCurrentIndex(space >= 0 && space < CbSpace->count() ? space : 0);
}

void FWorksheet::SaveSettings() const {
  QSettings settings;
  for (int k = 0; k < ExerciseKindCount; ++k)
    settings.setValue(Group + QStringLiteral("count%1").arg(k), EdCount[static_cast<std::size_t>(k)]->value());
  settings.setValue(Group + QStringLiteral("decimals"), EdDecimals->value());
  settings.setValue(Group + QStringLiteral("low"), EdLow->value());
  settings.setValue(Group + QStringLiteral("high"), EdHigh->value());
  settings.setValue(Group + QStringLiteral("versions"), EdVersions->value());
  settings.setValue(Group + QStringLiteral("seed"), EdSeed->text());
  settings.setValue(Group + QStringLiteral("polar"), OpPolar->isChecked());
  settings.setValue(Group + QStringLiteral("graphs"), OpGraphs->isChecked());
  settings.setValue(Group + QStringLiteral("working"), OpWorking->isChecked());
  bool standard = false;
  for (int k = 0; k < SheetLanguageCount; ++k) standard = standard || EdTitle->text() == DefaultTitle(k);
  settings.setValue(Group + QStringLiteral("title"), standard ? QString() : EdTitle->text());
  settings.setValue(Group + QStringLiteral("instructions"), EdInstructions->text());
  settings.setValue(Group + QStringLiteral("space"), CbSpace->currentIndex());
}

LayoutOptions FWorksheet::PageOptions() const {
  LayoutOptions options;
  options.Graphs = OpGraphs->isChecked();
  options.Space = static_cast<WorkSpace>(CbSpace->currentIndex());
  return options;
}

void FWorksheet::Report(const QString& text, const QString& title) {
  seams_.Messages->Show(text, title, MsgButtons::Ok, MsgIcon::Warning);
}

const Worksheet* FWorksheet::CurrentSheet() {
  if (sheet_) return &*sheet_;
  WorksheetOptions options;
  for (int k = 0; k < ExerciseKindCount; ++k) options.Counts[static_cast<std::size_t>(k)] = EdCount[static_cast<std::size_t>(k)]->value();
  options.Decimals = EdDecimals->value();
  options.RandomLow = EdLow->value();
  options.RandomHigh = EdHigh->value();
  options.Versions = EdVersions->value();
  options.PolarOperands = OpPolar->isChecked();
  options.Language = CbLanguage->currentIndex();
  options.Title = FromQ(EdTitle->text().trimmed());
  options.Instructions = FromQ(EdInstructions->text().trimmed());
  options.Working = OpWorking->isChecked();
  options.Seed = keptSeed_;
  if (!EdSeed->text().isEmpty()) {
    bool ok = false;
    options.Seed = EdSeed->text().toULongLong(&ok);
    if (!ok) {
      Report(QStringLiteral("The seed is a whole number, or nothing for a new sheet each time."), Title);
      return nullptr;
    }
  }
  int total = 0;
  for (const int c : options.Counts) total += c;
  if (total == 0) {
    Report(QStringLiteral("Ask for at least one exercise."), Title);
    return nullptr;
  }
  Worksheet sheet;
  std::string error;
  if (!MakeWorksheet(options, sheet, error)) {
    Report(ToQ(error), Title);
    return nullptr;
  }
  sheet_ = std::move(sheet);
  const QString versions = sheet_->Versions.size() > 1 ? QStringLiteral(" in each of %1 versions").arg(sheet_->Versions.size()) : QString();
  EtSheet->setText(QStringLiteral("%1 exercises%2, seed %3: the same seed makes this sheet again.")
                       .arg(total)
                       .arg(versions)
                       .arg(sheet_->Seed));
  return &*sheet_;
}

const SheetLayout* FWorksheet::CurrentLayout() {
  const Worksheet* sheet = CurrentSheet();
  if (!sheet) return nullptr;
  if (!layout_) layout_ = LayOutWorksheet(*sheet, PageOptions());
  return &*layout_;
}

void FWorksheet::BtPreview_Click() {
  const SheetLayout* layout = CurrentLayout();
  if (!layout) return;
  const PrintRequest request{this, QStringLiteral("FWorksheetPreview"), Title + QStringLiteral(" - Preview"),
                             layout->PageSize, true};
  // As large as a page wants, within the screen the window is on (a 1366 x 768 laptop too);
  // the preview can be resized from there.
  QSize size(900, 1000);
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size() * 0.92);
  if (!PreviewPages(request, [layout](QPagedPaintDevice& printer) { return PrintSheet(printer, *layout); }, size))
    Report(NotPrinted, Title);
}

void FWorksheet::BtPrint_Click() {
  const SheetLayout* layout = CurrentLayout();
  if (!layout) return;
  const PrintRequest request{this, QStringLiteral("FWorksheetPrint"), QString(), layout->PageSize, true};
  const auto print = [this, layout](QPagedPaintDevice& printer) {
    // Paper other than the layout's gets a layout of its own, so nothing runs off the page.
    const QPageSize chosen = printer.pageLayout().pageSize();
    const SheetLayout onPaper =
        chosen.isEquivalentTo(layout->PageSize)
            ? *layout
            : LayOutWorksheet(*sheet_, LayoutOptions{chosen, OpGraphs->isChecked(), PageOptions().Space});
    return PrintSheet(printer, onPaper);
  };
  if (PrintPages(request, print) == PrintOutcome::Failed) Report(NotPrinted, Title);
}

QString FWorksheet::AskPath(const QString& typeList, const QString& name) {
  const QString folder = QDir::current().filePath(QStringLiteral("Prbls"));
  QDir().mkpath(folder);
  return askPath_ ? askPath_(this, folder, typeList, name) : AskFile(this, FileDialogMode::Save, folder, typeList, name, seams_);
}

void FWorksheet::BtPdf_Click() {
  const SheetLayout* layout = CurrentLayout();
  if (!layout) return;
  QString path = AskPath(QStringLiteral("*.pdf|*.*"), QStringLiteral("worksheet.pdf"));
  if (path.isEmpty()) return;
  QString error;
  if (!WriteSheetPdf(path, *layout, &error)) return Report(path + QStringLiteral("\r\n\r\n") + error, Title);
  OfferToOpen(path, seams_);
}

void FWorksheet::BtText_Click() {
  const Worksheet* sheet = CurrentSheet();
  if (!sheet) return;
  const QString path = AskPath(QStringLiteral("*.txt|*.*"), QStringLiteral("worksheet.txt"));
  if (path.isEmpty()) return;
  QString error;
  if (!WriteSheetText(path, *sheet, &error)) return Report(path + QStringLiteral("\r\n\r\n") + error, Title);
  OfferToOpen(path, seams_);
}

FWorksheet* ShowWorksheetWindow(QWidget* parent, const Seams& seams, int language) {
  auto* window = new FWorksheet(parent, seams, {}, language);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}
