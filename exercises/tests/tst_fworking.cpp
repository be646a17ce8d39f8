// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "exercises/fworking.h"
#include "platform/program_folder.h"
#include "platform/testing/file_bytes.h"
#include "platform/testing/recording_seams.h"
#include "platform/testing/environment.h"

namespace {

Language In(int index) {
  Language language;
  language.SetIndex(static_cast<std::int16_t>(index));
  return language;
}

// (−3 + 4i) and 1 + i: a second-quadrant operand and a quotient worked with the conjugate.
Working Binary(int lang) {
  return BinaryWorking(CalcBinary(MakeCplx(-3, 4), MakeCplx(1, 1)), 2, WorkingLanguageOf(lang));
}

}  // namespace

class FWorkingTest : public QObject {
  Q_OBJECT

  RecordingMessages messages_;
  RecordingProcesses processes_;
  Seams Recording() { return Seams{&messages_, &processes_}; }

 private slots:
  void HeadingsStepsAndCaptionsFollowTheLanguage_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << 0 << "Working: binary operations"
                             << QStringList{"Operands", "Quotient", "second quadrant: θ = 180° − arctan(4/3) = 126.87°",
                                            "Copy", "Print…", "Save as PDF…"};
    QTest::newRow("Catalan") << 1 << "Desenvolupament: operacions binàries"
                             << QStringList{"Operands", "Quocient", "segon quadrant: θ = 180° − arctan(4/3) = 126.87°",
                                            "Copiar", "Imprimir…", "Guardar com a PDF…"};
    QTest::newRow("Spanish") << 2 << "Desarrollo: operaciones binarias"
                             << QStringList{"Operandos", "Cociente", "segundo cuadrante: θ = 180° − arctan(4/3) = 126.87°",
                                            "Copiar", "Imprimir…", "Guardar como PDF…"};
  }
  void HeadingsStepsAndCaptionsFollowTheLanguage() {
    QFETCH(int, lang);
    QFETCH(QString, caption);
    QFETCH(QStringList, texts);
    FWorking window(nullptr, Recording());
    window.SetWorking(ProblemKind::Binary, Binary(lang), In(lang));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), QStringLiteral("FWorking"));
    QCOMPARE(window.windowTitle(), caption);
    const QStringList lines = window.TxtWorking->toPlainText().split(QLatin1Char('\n'));
    for (int k = 0; k < 3; ++k) QVERIFY2(lines.contains(texts[k]), qPrintable(texts[k]));
    QCOMPARE(QStringList({window.BtCopy->text(), window.BtPrint->text(), window.BtPdf->text()}), texts.mid(3));
    // At its smallest the buttons still show their whole captions.
    window.resize(1, 1);
    QApplication::processEvents();
    for (QPushButton* button : {window.BtCopy, window.BtPrint, window.BtPdf})
      QVERIFY(button->width() >= button->sizeHint().width());
  }

  void CopyPutsThePlainTextOnTheClipboard() {
    FWorking window(nullptr, Recording());
    window.SetWorking(ProblemKind::Power, PowerWorking(CalcPower(MakeCplx(0, 4), 0.5), 2, WorkingLanguage::English),
                      In(0));
    QTest::mouseClick(window.BtCopy, Qt::LeftButton);
    const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QVERIFY(copied.contains(QStringLiteral("rⁿ = 4^0.5 = 2")));
    QVERIFY(copied.contains(QStringLiteral("exponential form: z^0.5 = 2·e^(iπ/4)")));
    // The window's own text reads the same.
    QVERIFY(window.TxtWorking->toPlainText().contains(QStringLiteral("z^0.5 = 2·e^(iπ/4)")));
    QVERIFY(window.TxtWorking->isReadOnly());
  }

  void SaveAsPdfWritesTheFileOrSaysItDidNot() {
    QTemporaryDir folder;
    QString answer = folder.filePath(QStringLiteral("working"));
    FWorking window(nullptr, Recording(), [&](QWidget*, const QString&) { return answer; });
    window.SetWorking(ProblemKind::Binary, Binary(0), In(0));
    QTest::mouseClick(window.BtPdf, Qt::LeftButton);
    QVERIFY(ReadAll(answer + QStringLiteral(".pdf")).startsWith("%PDF-"));
    QVERIFY(messages_.Shown.isEmpty());
    answer = folder.filePath(QStringLiteral("no such folder/working.pdf"));
    QTest::mouseClick(window.BtPdf, Qt::LeftButton);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not saved"));
    QVERIFY(!QFile::exists(answer));
  }

  void PrintSendsTheWorkingToThePrinterChosen() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("printed.pdf"));
    FWorking window(nullptr, Recording(), {}, [&](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      return true;
    });
    window.SetWorking(ProblemKind::Roots, RootsWorking(CalcRoots(MakeCplx(0, 8), 3), 2, WorkingLanguage::English),
                      In(0));
    QTest::mouseClick(window.BtPrint, Qt::LeftButton);
    QVERIFY(ReadAll(path).startsWith("%PDF-"));

    // Printing is a module of its own: where it cannot be found, Print… says so.
    QTemporaryDir elsewhere;
    SetExecutableFolder(elsewhere.path());
    QFile::remove(path);
    QTest::mouseClick(window.BtPrint, Qt::LeftButton);
    SetExecutableFolder(QString());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(messages_.LastText(), QStringLiteral("Not printed"));
  }
};

ZORBIT_WINDOW_TEST_MAIN(FWorkingTest)
#include "tst_fworking.moc"
