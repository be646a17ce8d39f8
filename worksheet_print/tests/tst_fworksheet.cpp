// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/testing/modal.h"
#include "platform/testing/file_bytes.h"
#include "platform/testing/recording_seams.h"
#include "worksheet/sheet_text.h"
#include "worksheet_print/fworksheet.h"
#include "worksheet_print/tests/sheet_test_support.h"
#include "platform/testing/environment.h"

namespace {

// Replaces a spin box's value as a user would: select all, type, Enter.
void Type(QSpinBox* box, int value) {
  box->selectAll();
  QTest::keyClicks(box, QString::number(value));
  QTest::keyClick(box, Qt::Key_Return);
}

// A picture with something drawn on it: more than one colour.
bool HasDrawing(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3)
      if (image.pixel(x, y) != first) return true;
  return false;
}

}  // namespace

class FWorksheetTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  RecordingProcesses processes_;
  QTemporaryDir dir_;
  QStringList asked_;
  QString answer_;

  Seams TestSeams() { return {&messages_, &processes_}; }
  AskSavePath Ask() {
    return [this](QWidget*, const QString&, const QString& types, const QString& name) {
      asked_ << types + QLatin1Char(' ') + name;
      return answer_;
    };
  }

 private slots:
  void initTestCase() {
    // The window's settings go to a file of this test's own.
    QCoreApplication::setApplicationName(QStringLiteral("fworksheet_tests"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  }

  void init() {
    QSettings().clear();
    messages_.Shown.clear();
    processes_.Started.clear();
    asked_.clear();
  }

  void ControlsCarryTheirNamesAndStartAtFiveOfEachKindOfTheCalculator() {
    FWorksheet window(nullptr, TestSeams(), Ask(), 1);
    QCOMPARE(window.objectName(), QStringLiteral("FWorksheet"));
    for (int k = 0; k < ExerciseKindCount; ++k) {
      auto* box = window.findChild<QSpinBox*>(QStringLiteral("EdCount(%1)").arg(k));
      QVERIFY(box);
      QCOMPARE(box->value(), k == 4 ? 0 : 5);
    }
    for (const char* name : {"EdDecimals", "EdLow", "EdHigh", "EdSeed", "EdVersions", "OpPolar", "EdTitle",
                             "EdInstructions", "CbSpace", "CbLanguage", "OpGraphs", "OpWorking", "BtPreview", "BtPrint",
                             "BtPdf", "BtText", "BtClose"})
      QVERIFY2(window.findChild<QWidget*>(QLatin1String(name)), name);
    // The program's language is the sheet's, and the title follows it until one is written.
    QCOMPARE(window.CbLanguage->currentIndex(), 1);
    QCOMPARE(window.EdTitle->text(), QStringLiteral("Nombres complexos"));
    window.CbLanguage->setCurrentIndex(2);
    QCOMPARE(window.EdTitle->text(), QStringLiteral("Números complejos"));
    QCOMPARE(window.EdLow->value(), -5);
    QCOMPARE(window.EdHigh->value(), 9);
    window.resize(window.sizeHint());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    QVERIFY(HasDrawing(shot));
  }

  void SavingAsTextWritesTheSheetTheOptionsMake() {
    FWorksheet window(nullptr, TestSeams(), Ask());
    Type(window.EdCount[0], 2);
    Type(window.EdCount[1], 0);
    Type(window.EdCount[2], 1);
    Type(window.EdCount[3], 3);
    Type(window.EdCount[4], 1);
    Type(window.EdVersions, 2);
    Type(window.EdDecimals, 3);
    Type(window.EdLow, -2);
    Type(window.EdHigh, 4);
    QTest::keyClicks(window.EdSeed, QStringLiteral("4711"));
    window.EdTitle->selectAll();
    QTest::keyClicks(window.EdTitle, QStringLiteral("Algebra 2"));
    QTest::mouseClick(window.OpWorking, Qt::LeftButton);
    answer_ = dir_.filePath(QStringLiteral("sheet.txt"));
    messages_.QueueAnswer(MsgAnswer::No);
    QTest::mouseClick(window.BtText, Qt::LeftButton);
    QCOMPARE(asked_, QStringList{QStringLiteral("*.txt|*.* worksheet.txt")});

    WorksheetOptions options;
    options.Counts = {2, 0, 1, 3, 1};
    options.Versions = 2;
    options.Title = "Algebra 2";
    options.Working = true;
    options.Decimals = 3;
    options.RandomLow = -2;
    options.RandomHigh = 4;
    options.Seed = 4711;
    Worksheet sheet;
    std::string error;
    QVERIFY(MakeWorksheet(options, sheet, error));
    QCOMPARE(ReadAll(answer_), QByteArray::fromStdString(WorksheetText(sheet)));
    // The exercise window's question after saving: open it?
    QCOMPARE(messages_.Shown.size(), 1);
    QVERIFY(messages_.LastText().startsWith(answer_));
    QVERIFY(processes_.Started.isEmpty());
    QVERIFY(window.EtSheet->text().contains(QStringLiteral("seed 4711")));
  }

  void WithoutASeedThePreviewedSheetIsTheOneSaved() {
    FWorksheet window(nullptr, TestSeams(), Ask());
    const Worksheet* previewed = window.CurrentSheet();
    QVERIFY(previewed);
    const std::uint64_t seed = previewed->Seed;
    answer_ = dir_.filePath(QStringLiteral("same.txt"));
    QTest::mouseClick(window.BtText, Qt::LeftButton);
    QVERIFY(window.EtSheet->text().contains(QString::number(seed)));
    QCOMPARE(ReadAll(answer_), QByteArray::fromStdString(WorksheetText(*window.CurrentSheet())));
    QCOMPARE(window.CurrentSheet()->Seed, seed);
    // New words keep the numbers; a new number option makes a new sheet.
    QTest::keyClicks(window.EdTitle, QStringLiteral(" 2"));
    QCOMPARE(window.CurrentSheet()->Seed, seed);
    QCOMPARE(window.CurrentSheet()->Title, std::string("Complex numbers 2"));
    Type(window.EdDecimals, 5);
    QCOMPARE(window.CurrentSheet()->Decimals, 5);
  }

  void SavingAsPdfWritesThePagesAndCancelWritesNothing() {
    FWorksheet window(nullptr, TestSeams(), Ask());
    QTest::keyClicks(window.EdSeed, QStringLiteral("12"));
    QTest::mouseClick(window.OpGraphs, Qt::LeftButton);
    QVERIFY(window.OpGraphs->isChecked());
    answer_.clear();
    QTest::mouseClick(window.BtPdf, Qt::LeftButton);
    QCOMPARE(asked_, QStringList{QStringLiteral("*.pdf|*.* worksheet.pdf")});
    QVERIFY(messages_.Shown.isEmpty());

    answer_ = dir_.filePath(QStringLiteral("sheet.pdf"));
    messages_.QueueAnswer(MsgAnswer::Yes);
    QTest::mouseClick(window.BtPdf, Qt::LeftButton);
    const QString text = PdfText(answer_);
    QVERIFY(text.contains(QStringLiteral("\n20.")));
    QVERIFY(text.contains(QStringLiteral("Answers")));
    QCOMPARE(PdfPages(answer_), static_cast<int>(window.CurrentLayout()->Pages.size()));
    // Yes opens it with the desktop's viewer.
    QCOMPARE(processes_.Started.size(), 1);
    QVERIFY(processes_.LastCommandLine().endsWith(answer_));
  }

  void OptionsThatMakeNoSheetAreReportedAndNothingIsAsked() {
    FWorksheet window(nullptr, TestSeams(), Ask());
    Type(window.EdLow, 0);
    Type(window.EdHigh, 0);
    answer_ = dir_.filePath(QStringLiteral("never.txt"));
    QTest::mouseClick(window.BtText, Qt::LeftButton);
    QCOMPARE(messages_.Shown.size(), 1);
    QVERIFY(messages_.LastText().contains(QStringLiteral("binary")));
    for (int k = 0; k < ExerciseKindCount; ++k) Type(window.EdCount[static_cast<std::size_t>(k)], 0);
    QTest::mouseClick(window.BtPdf, Qt::LeftButton);
    QCOMPARE(messages_.Shown.size(), 2);
    QVERIFY(asked_.isEmpty());
    QVERIFY(!QFile::exists(answer_));
  }

  void PreviewShowsEveryPage() {
    FWorksheet window(nullptr, TestSeams(), Ask());
    QTest::keyClicks(window.EdSeed, QStringLiteral("2"));
    Type(window.EdCount[0], 10);
    QTest::mouseClick(window.OpGraphs, Qt::LeftButton);
    int pages = -1;
    QImage page;
    bool fits = false, grows = false;
    WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
      auto* preview = dialog->findChild<QPrintPreviewWidget*>();
      if (preview) {
        preview->updatePreview();
        pages = preview->pageCount();
        preview->setCurrentPage(1);
        preview->fitInView();
        page = dialog->grab().toImage();
        // The preview opens within the screen and can be made larger.
        fits = dialog->screen()->availableGeometry().size().boundedTo(dialog->size()) == dialog->size();
        dialog->resize(dialog->size() + QSize(40, 40));
        grows = dialog->width() > page.width() / page.devicePixelRatio();
      }
      dialog->close();
    });
    QTest::mouseClick(window.BtPreview, Qt::LeftButton);
    QCOMPARE(pages, static_cast<int>(window.CurrentLayout()->Pages.size()));
    QVERIFY(pages >= 3);
    QVERIFY(HasDrawing(page) && fits && grows);
  }

  void TheWindowKeepsItsSettings() {
    {
      FWorksheet window(nullptr, TestSeams(), Ask());
      Type(window.EdCount[4], 7);
      Type(window.EdVersions, 3);
      QTest::keyClicks(window.EdInstructions, QStringLiteral("Show each step."));
      window.CbSpace->setCurrentIndex(2);
      QTest::mouseClick(window.OpPolar, Qt::LeftButton);
    }
    {
      FWorksheet window(nullptr, TestSeams(), Ask());
      QVERIFY(window.EdCount[4]->value() == 7 && window.EdVersions->value() == 3 && window.CbSpace->currentIndex() == 2);
      QVERIFY(window.EdInstructions->text() == QStringLiteral("Show each step.") && window.OpPolar->isChecked());
    }
    QSettings().setValue(QStringLiteral("worksheet/versions"), QStringLiteral("lots"));
    QCOMPARE(FWorksheet(nullptr, TestSeams(), Ask()).EdVersions->value(), 1);  // a damaged value stays in range
  }

  void PrintAsksThePrintDialogAndCancelPrintsNothing() {
    FWorksheet window(nullptr, TestSeams(), Ask());
    bool asked = false;
    WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
      asked = true;
      dialog->reject();
    });
    QTest::mouseClick(window.BtPrint, Qt::LeftButton);
    QVERIFY(asked);
    QVERIFY(messages_.Shown.isEmpty());
  }
};

ZORBIT_WINDOW_TEST_MAIN(FWorksheetTest, QStringLiteral("pdftotext"))
#include "tst_fworksheet.moc"
