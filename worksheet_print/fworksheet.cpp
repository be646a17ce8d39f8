// SPDX-License-Identifier: MIT
#include "worksheet_print/fworksheet.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "exercises/fprbls.h"
#include "filedlg/ask_file.h"
#include "platform/qtext.h"
#include "worksheet_print/sheet_output.h"

namespace {

const QString Title = QStringLiteral("Worksheet");
const QString KindCaptions[ExerciseKindCount] = {QStringLiteral("Binary operations"), QStringLiteral("Power"),
                                                 QStringLiteral("Roots"), QStringLiteral("Combined formula")};

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

FWorksheet::FWorksheet(QWidget* parent, const Seams& seams, AskSavePath askPath)
    : QDialog(parent), seams_(seams), askPath_(std::move(askPath)) {
  setObjectName(QStringLiteral("FWorksheet"));
  setWindowTitle(Title);

  auto* kinds = new QGroupBox(QStringLiteral("Exercises of each kind"), this);
  auto* kindsForm = new QFormLayout(kinds);
  for (int k = 0; k < ExerciseKindCount; ++k) {
    EdCount[static_cast<std::size_t>(k)] = Spin(kinds, Indexed("EdCount", k), 0, MaxSheetExercises, 5);
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
  OpGraphs = new QCheckBox(QStringLiteral("A graph with each answer"), numbers);
  OpGraphs->setObjectName(QStringLiteral("OpGraphs"));
  numbersForm->addRow(OpGraphs);

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
  layout->addLayout(top);
  layout->addWidget(EtSheet);
  layout->addLayout(buttons);

  for (QSpinBox* box : {EdCount[0], EdCount[1], EdCount[2], EdCount[3], EdDecimals, EdLow, EdHigh})
    connect(box, &QSpinBox::valueChanged, this, &FWorksheet::OptionsChanged);
  connect(EdSeed, &QLineEdit::textChanged, this, &FWorksheet::OptionsChanged);
  connect(OpGraphs, &QCheckBox::toggled, this, [this] { layout_.reset(); });
  connect(BtPreview, &QPushButton::clicked, this, &FWorksheet::BtPreview_Click);
  connect(BtPrint, &QPushButton::clicked, this, &FWorksheet::BtPrint_Click);
  connect(BtPdf, &QPushButton::clicked, this, &FWorksheet::BtPdf_Click);
  connect(BtText, &QPushButton::clicked, this, &FWorksheet::BtText_Click);
  connect(BtClose, &QPushButton::clicked, this, &QDialog::close);
}

void FWorksheet::OptionsChanged() {
  sheet_.reset();
  layout_.reset();
  EtSheet->clear();
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
  EtSheet->setText(QStringLiteral("%1 exercises, seed %2: the same seed makes this sheet again.")
                       .arg(sheet_->Exercises.size())
                       .arg(sheet_->Seed));
  return &*sheet_;
}

const SheetLayout* FWorksheet::CurrentLayout() {
  const Worksheet* sheet = CurrentSheet();
  if (!sheet) return nullptr;
  if (!layout_) {
    LayoutOptions options;
    options.Graphs = OpGraphs->isChecked();
    layout_ = LayOutWorksheet(*sheet, options);
  }
  return &*layout_;
}

void FWorksheet::BtPreview_Click() {
  const SheetLayout* layout = CurrentLayout();
  if (!layout) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(layout->PageSize);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("FWorksheetPreview"));
  preview.setWindowTitle(Title + QStringLiteral(" - Preview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [layout](QPrinter* p) { PrintSheet(*p, *layout); });
  preview.resize(900, 1000);
  preview.exec();
}

void FWorksheet::BtPrint_Click() {
  const SheetLayout* layout = CurrentLayout();
  if (!layout) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(layout->PageSize);
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("FWorksheetPrint"));
  if (dialog.exec() != QDialog::Accepted) return;
  // Paper other than the layout's gets a layout of its own, so nothing runs off the page.
  const QPageSize chosen = printer.pageLayout().pageSize();
  SheetLayout onPaper = chosen.isEquivalentTo(layout->PageSize)
                            ? *layout
                            : LayOutWorksheet(*sheet_, LayoutOptions{chosen, OpGraphs->isChecked()});
  if (!PrintSheet(printer, onPaper)) Report(QStringLiteral("The sheet could not be printed."), Title);
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

FWorksheet* ShowWorksheetWindow(QWidget* parent, const Seams& seams) {
  auto* window = new FWorksheet(parent, seams);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}
