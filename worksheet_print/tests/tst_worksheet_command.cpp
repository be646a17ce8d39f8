// SPDX-License-Identifier: MIT
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/testing/file_bytes.h"
#include "platform/testing/run_zorbit.h"
#include "worksheet_print/tests/sheet_test_support.h"
#include "platform/testing/environment.h"

class WorksheetCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void WritesAPdfWithoutADisplayAndSaysNothing() {
    QTemporaryDir dir;
    const Outcome run = RunZorbit({QStringLiteral("--worksheet"), QStringLiteral("out.pdf"), QStringLiteral("--seed"),
                                QStringLiteral("9"), QStringLiteral("--graphs")},
                               dir.path());
    QCOMPARE(run.Code, 0);
    QVERIFY(run.Out.isEmpty());
    QVERIFY(run.Err.isEmpty());
    const QString text = PdfText(dir.filePath(QStringLiteral("out.pdf")));
    QVERIFY(text.contains(QStringLiteral("\n20.")));
    QVERIFY(text.contains(QStringLiteral("Answers")));
    QVERIFY(text.contains(QStringLiteral("seed 9")) || text.contains(QStringLiteral("llavor 9")) ||
            text.contains(QStringLiteral("semilla 9")));
  }

  void TheSameSeedGivesTheSameTextToTheByte() {
    QTemporaryDir dir;
    const QStringList args = {QStringLiteral("--exercises"), QStringLiteral("13"), QStringLiteral("--seed"),
                              QStringLiteral("123456789"), QStringLiteral("--decimals"), QStringLiteral("4"),
                              QStringLiteral("--language"), QStringLiteral("en")};
    QCOMPARE(RunZorbit(QStringList{QStringLiteral("--worksheet"), QStringLiteral("a.txt")} + args, dir.path()).Code, 0);
    QCOMPARE(RunZorbit(args + QStringList{QStringLiteral("--worksheet"), QStringLiteral("b.TXT")}, dir.path()).Code, 0);
    const QByteArray a = ReadAll(dir.filePath(QStringLiteral("a.txt")));
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("b.TXT"))), a);
    // 13 exercises spread 4, 3, 3, 3 over the four kinds of the calculator.
    const QString text = QString::fromUtf8(a);
    QCOMPARE(text.count(QStringLiteral(", calculate z₁ + z₂")), 4);
    QCOMPARE(text.count(QStringLiteral("\r\n13. ")), 2);
  }

  void KindsChooseTheExercises() {
    QTemporaryDir dir;
    QCOMPARE(RunZorbit({QStringLiteral("--worksheet"), QStringLiteral("k.txt"), QStringLiteral("--kinds"),
                     QStringLiteral("roots,forms"), QStringLiteral("--exercises"), QStringLiteral("5"),
                     QStringLiteral("--language"), QStringLiteral("en")},
                    dir.path())
                 .Code,
             0);
    const QString text = QString::fromUtf8(ReadAll(dir.filePath(QStringLiteral("k.txt"))));
    QCOMPARE(text.count(QStringLiteral("Find all the roots of index")), 3);
    QCOMPARE(text.count(QStringLiteral("Write z = ")), 2);
    QCOMPARE(text.count(QStringLiteral(" w₀ = ")), 3);
  }

  void VersionsMakeDifferentSheetsAndLabelledKeysInTheLanguageAskedFor() {
    QTemporaryDir dir;
    const QStringList args = QStringLiteral("--versions 3 --exercises 4 --kinds binary,forms --language es --title Álgebra "
                                            "--instructions Despacio. --space some --polar-operands --working --seed 7")
                                 .split(QLatin1Char(' '));
    QCOMPARE(RunZorbit(QStringList{QStringLiteral("--worksheet"), QStringLiteral("v.txt")} + args, dir.path()).Code, 0);
    QCOMPARE(RunZorbit(QStringList{QStringLiteral("--worksheet"), QStringLiteral("v.pdf")} + args, dir.path()).Code, 0);
    const QString text = QString::fromUtf8(ReadAll(dir.filePath(QStringLiteral("v.txt"))));
    const QString pdf = PdfText(dir.filePath(QStringLiteral("v.pdf")));
    QStringList sheets;
    for (const QString& version : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
      const QString label = QStringLiteral("Versión ") + version;
      QCOMPARE(text.count(QStringLiteral("Álgebra · ") + label + QStringLiteral("\r\n")), 1);
      QCOMPARE(text.count(QStringLiteral("Soluciones · ") + label + QStringLiteral("\r\n")), 1);
      QVERIFY(pdf.contains(QStringLiteral("Soluciones · ") + label));
      // The statements of this version: from its heading to the next one.
      const qsizetype from = text.indexOf(QStringLiteral("Álgebra · ") + label);
      sheets << text.mid(from + 20, text.indexOf(QStringLiteral("\r\n\r\nÁlgebra · "), from + 20) - from - 20);
    }
    QCOMPARE(QSet<QString>(sheets.begin(), sheets.end()).size(), 3);
    QVERIFY(text.contains(QStringLiteral("\r\nDespacio.\r\n")));
    QVERIFY(text.contains(QStringLiteral(", calcula z₁ + z₂")) && text.contains(QStringLiteral("∠")));
    QVERIFY(pdf.contains(QStringLiteral("forma trigonométrica")));
  }

  void BadArgumentsAreNamedOnOneLineWithExitCode2() {
    struct Case {
      QStringList args;
      const char* named;
    };
    const Case cases[] = {
        {{"--worksheet"}, "--worksheet"},
        {{"--worksheet", "x.pdf", "--exercises", "0"}, "--exercises"},
        {{"--worksheet", "x.pdf", "--exercises", "many"}, "--exercises"},
        {{"--worksheet", "x.pdf", "--exercises", "10001"}, "--exercises"},
        {{"--worksheet", "x.pdf", "--kinds", "binary,squares"}, "--kinds"},
        {{"--worksheet", "x.pdf", "--kinds", ""}, "--kinds"},
        {{"--worksheet", "x.pdf", "--seed", "-4"}, "--seed"},
        {{"--worksheet", "x.pdf", "--seed"}, "--seed"},
        {{"--worksheet", "x.pdf", "--decimals", "0"}, "--decimals"},
        {{"--worksheet", "x.pdf", "--decimals", "--graphs"}, "--decimals"},
        {{"--worksheet", "x.pdf", "--colour"}, "--colour"},
        {{"--worksheet", "x.pdf", "extra"}, "extra"},
        {{"--worksheet", "x.pdf", "-x"}, "-x"},
        {{"--worksheet", "x.pdf", "--versions", "0"}, "--versions"},
        {{"--worksheet", "x.pdf", "--versions", "61"}, "--versions"},
        {{"--worksheet", "x.pdf", "--space", "lots"}, "--space"},
        {{"--worksheet", "x.pdf", "--language", "fr"}, "--language"},
        {{"--worksheet", "x.pdf", "--title"}, "--title"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
      const Outcome run = RunZorbit(c.args, dir.path());
      const QString what = c.args.join(QLatin1Char(' '));
      QVERIFY2(run.Code == 2, qPrintable(what));
      QVERIFY2(run.Out.isEmpty(), qPrintable(what));
      QVERIFY2(run.Err.count('\n') == 1 && run.Err.endsWith('\n'), qPrintable(what + QLatin1String(": ") + run.Err));
      QVERIFY2(run.Err.contains(c.named), qPrintable(what + QLatin1String(": ") + run.Err));
    }
    QVERIFY2(QDir(dir.path()).entryList(QDir::Files).isEmpty(), "a refused command writes nothing");
  }

  void AFileThatCannotBeWrittenEndsWithCode1() {
    QTemporaryDir dir;
    const Outcome run = RunZorbit({QStringLiteral("--worksheet"), QStringLiteral("missing/out.pdf")}, dir.path());
    QCOMPARE(run.Code, 1);
    QVERIFY(run.Err.contains("missing/out.pdf"));
    QCOMPARE(run.Err.count('\n'), 1);
  }
};

ZORBIT_GUILESS_TEST_MAIN(WorksheetCommandTest, QStringLiteral("pdftotext"))
#include "tst_worksheet_command.moc"
