// SPDX-License-Identifier: MIT
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "app/command_line.h"
#include "about/version.h"
#include "platform/testing/run_zorbit.h"

namespace {

struct Case {
  QStringList Arguments;
  CommandLineAction Action;
  const char* Named;  // Refuse: what the one line names
};

const QString Bogus = QStringLiteral("--bogus");

}  // namespace

class CommandLineTests : public QObject {
  Q_OBJECT

 private slots:
  void EachLineAsksForOneThing() {
    using A = CommandLineAction;
    const Case cases[] = {
        {{}, A::OpenWindow, nullptr},
        {{"cat"}, A::OpenWindow, nullptr},
        {{"ESP"}, A::OpenWindow, nullptr},
        {{"cat", "esp"}, A::OpenWindow, nullptr},
        {{"-x"}, A::OpenWindow, nullptr},  // a word, read as English
        {{"--help"}, A::ShowHelp, nullptr},
        {{"-h"}, A::ShowHelp, nullptr},
        {{"esp", "--help"}, A::ShowHelp, nullptr},
        {{"--bogus", "--help"}, A::ShowHelp, nullptr},
        {{"--version"}, A::ShowVersion, nullptr},
        {{"--worksheet", "--version"}, A::ShowVersion, nullptr},
        {{"--worksheet", "sheet.pdf"}, A::Worksheet, nullptr},
        {{"--worksheet", "s.txt", "--seed", "4", "--graphs"}, A::Worksheet, nullptr},
        {{"--worksheet", "s.pdf", "--bogus"}, A::Worksheet, nullptr},  // the worksheet command judges its options
        {{"--bogus"}, A::Refuse, "--bogus"},
        {{"cat", "--Help"}, A::Refuse, "--Help"},
        {{"--version=2"}, A::Refuse, "--version=2"},
        {{"--seed", "4"}, A::Refuse, "--seed"},
        {{"--graphs"}, A::Refuse, "--graphs"},
        {{"--platform", "offscreen"}, A::OpenWindow, nullptr},
        {{"--platform", "--bogus"}, A::OpenWindow, nullptr},  // the value of Qt's option
        {{"--style=fusion", "esp"}, A::OpenWindow, nullptr},
        {{"--reverse", "--bogus"}, A::Refuse, "--bogus"},
    };
    for (const Case& c : cases) {
      const CommandLineRequest request = ReadCommandLine(c.Arguments);
      const QByteArray line = c.Arguments.join(' ').toUtf8();
      QVERIFY2(request.Action == c.Action, line.constData());
      if (c.Named) {
        QVERIFY2(request.Refusal.contains(QString::fromUtf8(c.Named)), qPrintable(request.Refusal));
        QVERIFY2(!request.Refusal.contains(QLatin1Char('\n')), qPrintable(request.Refusal));
      } else {
        QVERIFY2(request.Refusal.isEmpty(), line.constData());
      }
    }
  }

  void TheVersionReadsAsTheProjectsVersion() {
    QCOMPARE(VersionLine(), QStringLiteral("Zorbit %1.%2.%3")
                                .arg(ProgramVersionMajor).arg(ProgramVersionMinor).arg(ProgramVersionRevision));
    QVERIFY(QRegularExpression(QStringLiteral("^Zorbit 2\\.\\d+\\.\\d+$")).match(VersionLine()).hasMatch());
  }

  void TheUsageNamesEveryOptionAndTheLanguageWords() {
    const QString usage = UsageText();
    for (const char* word : {"cat", "esp", "--worksheet", "--exercises", "--kinds", "--seed", "--decimals",
                             "--graphs", "--help", "--version"})
      QVERIFY2(usage.contains(QString::fromUtf8(word)), word);
    QVERIFY(usage.endsWith(QLatin1Char('\n')));
    for (const QString& line : usage.split(QLatin1Char('\n'))) QVERIFY2(line.size() <= 100, qPrintable(line));
  }

  void TheProgramAnswersWithoutADisplay() {
    const Outcome help = RunZorbit({QStringLiteral("--help")});
    QCOMPARE(help.Code, 0);
    QCOMPARE(help.Out, UsageText());
    QVERIFY(help.Err.isEmpty());

    const Outcome version = RunZorbit({QStringLiteral("esp"), QStringLiteral("--version")});
    QCOMPARE(version.Code, 0);
    QCOMPARE(version.Out, VersionLine() + QLatin1Char('\n'));

    const Outcome unknown = RunZorbit({QStringLiteral("cat"), Bogus});
    QCOMPARE(unknown.Code, 2);
    QVERIFY(unknown.Out.isEmpty());
    QCOMPARE(unknown.Err.count(QLatin1Char('\n')), 1);
    QVERIFY(unknown.Err.contains(Bogus));
  }
};

QTEST_GUILESS_MAIN(CommandLineTests)
#include "tst_command_line.moc"
