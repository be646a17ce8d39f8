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
    QVERIFY(text.contains(QStringLiteral("seed 9")));
  }

  void TheSameSeedGivesTheSameTextToTheByte() {
    QTemporaryDir dir;
    const QStringList args = {QStringLiteral("--exercises"), QStringLiteral("13"), QStringLiteral("--seed"),
                              QStringLiteral("123456789"), QStringLiteral("--decimals"), QStringLiteral("4")};
    QCOMPARE(RunZorbit(QStringList{QStringLiteral("--worksheet"), QStringLiteral("a.txt")} + args, dir.path()).Code, 0);
    QCOMPARE(RunZorbit(args + QStringList{QStringLiteral("--worksheet"), QStringLiteral("b.TXT")}, dir.path()).Code, 0);
    const QByteArray a = ReadAll(dir.filePath(QStringLiteral("a.txt")));
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("b.TXT"))), a);
    // The text is the generator's, for the 13 exercises spread 4, 3, 3, 3 over the kinds.
    WorksheetOptions options;
    options.Seed = 123456789;
    options.Decimals = 4;
    options.Counts = {4, 3, 3, 3};
    Worksheet sheet;
    std::string error;
    QVERIFY(MakeWorksheet(options, sheet, error));
    QCOMPARE(a, QByteArray::fromStdString(WorksheetText(sheet)));
  }

  void KindsChooseTheExercises() {
    QTemporaryDir dir;
    QCOMPARE(RunZorbit({QStringLiteral("--worksheet"), QStringLiteral("k.txt"), QStringLiteral("--kinds"),
                     QStringLiteral("roots,combined"), QStringLiteral("--exercises"), QStringLiteral("5")},
                    dir.path())
                 .Code,
             0);
    const QString text = QString::fromUtf8(ReadAll(dir.filePath(QStringLiteral("k.txt"))));
    QCOMPARE(text.count(QStringLiteral("Find the roots of index")), 3);
    QCOMPARE(text.count(QStringLiteral("Calculate ")), 2);
    QCOMPARE(text.count(QStringLiteral("R:     ")), 5);
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
