// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Kovel is run as the user's desktop would run it, with a stand-in for the desktop's opener
// ("xdg-open" first on the PATH) that writes down the arguments it was given.
class KovelTests : public QObject {
  Q_OBJECT

  struct Run {
    int ExitCode = -1;
    QString Error;        // what Kovel printed on its error output
    QStringList Opened;   // the opener's arguments, one a line; empty when it never ran
    bool OpenerRan = false;
  };

  QTemporaryDir work_;
  QString openerLog_;

  QString KovelPath() const {
    return QDir(qEnvironmentVariable("ZORBIT_PROGRAM_DIR")).filePath(QStringLiteral("Kovel"));
  }

  void WriteOpener(int exitCode) {
    QDir().mkpath(work_.filePath(QStringLiteral("bin")));
    QFile script(work_.filePath(QStringLiteral("bin/xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\nexit %2\n")
                     .arg(openerLog_)
                     .arg(exitCode)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  Run Start(const QStringList& arguments, const QString& workDir = QString()) {
    QFile::remove(openerLog_);
    QProcess kovel;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), work_.filePath(QStringLiteral("bin")));
    // No screen: the failure message goes to the error output.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    kovel.setProcessEnvironment(environment);
    kovel.setWorkingDirectory(workDir.isEmpty() ? work_.path() : workDir);
    kovel.start(KovelPath(), arguments);
    Run run;
    if (!kovel.waitForFinished(20000)) return run;
    run.ExitCode = kovel.exitStatus() == QProcess::NormalExit ? kovel.exitCode() : -2;
    run.Error = QString::fromLocal8Bit(kovel.readAllStandardError()).trimmed();
    QFile log(openerLog_);
    if (log.open(QIODevice::ReadOnly)) {
      run.OpenerRan = true;
      run.Opened = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    return run;
  }

  QString Folder(const QString& relative) {
    const QString path = work_.filePath(relative);
    QDir().mkpath(path);
    return path;
  }

 private slots:
  void initTestCase() {
    QVERIFY(work_.isValid());
    QVERIFY2(QFileInfo(KovelPath()).isExecutable(), qPrintable(KovelPath()));
    QVERIFY2(!work_.path().contains(QLatin1Char('.')), "the tests need a temporary folder without \".\"");
    openerLog_ = work_.filePath(QStringLiteral("opened.txt"));
    WriteOpener(0);
  }

  void OpensAFolderAsGiven() {
    const QString data = Folder(QStringLiteral("Data"));
    const Run run = Start({data});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Opened, QStringList{data});
    QVERIFY(run.Error.isEmpty());
  }

  void OpensTheFolderOfAFileAndOfANameWithADot() {
    const QString data = Folder(QStringLiteral("Data"));
    QCOMPARE(Start({data + QStringLiteral("/sheet.txt")}).Opened, QStringList{data + QLatin1Char('/')});
    // A folder whose name holds a ".": without a final separator its parent opens, with one itself.
    const QString dotted = Folder(QStringLiteral("Data/my.files"));
    QCOMPARE(Start({dotted}).Opened, QStringList{data + QLatin1Char('/')});
    QCOMPARE(Start({dotted + QLatin1Char('/')}).Opened, QStringList{dotted + QLatin1Char('/')});
    // "\" separates folders as well.
    QCOMPARE(Start({data + QStringLiteral("\\sheet.txt")}).Opened, QStringList{data + QLatin1Char('/')});
  }

  void ANameWithADotButNoSeparatorOpensTheCurrentFolder() {
    const QString data = Folder(QStringLiteral("Data"));
    const Run run = Start({QStringLiteral("sheet.txt")}, data);
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Opened, QStringList{data + QLatin1Char('/')});
  }

  void OnlyTheFirstArgumentCountsAndQuotesKeepBlanks() {
    const QString spaced = Folder(QStringLiteral("my docs"));
    const QString first = Folder(QStringLiteral("my"));
    // The command line as the desktop's command interpreter splits it.
    const QStringList quoted = QProcess::splitCommand(QStringLiteral("Kovel \"%1\" other").arg(spaced));
    QCOMPARE(Start(quoted.mid(1)).Opened, QStringList{spaced});
    const QStringList bare = QProcess::splitCommand(QStringLiteral("Kovel %1").arg(spaced));
    QCOMPARE(bare.size(), 3);
    QCOMPARE(Start(bare.mid(1)).Opened, QStringList{first});
  }

  void ALongArgumentIsCutBeforeTheDotRule() {
    const QString data = Folder(QStringLiteral("Data"));
    // The "." lies beyond the 255th character, so the cut text has none and is opened as it is:
    // it names nothing, which is reported with exactly the cut text.
    const QString head = data + QLatin1Char('/');
    const QString argument = head + QString(255 - head.size(), QLatin1Char('n')) + QStringLiteral("tail.txt");
    const Run run = Start({argument});
    QCOMPARE(run.ExitCode, 0);
    QVERIFY(!run.OpenerRan);
    QCOMPARE(run.Error, QStringLiteral("Not found: ") + argument.left(255));
    // Shorter than 255, the same text keeps its "." and opens its folder.
    const QString shortArgument = head + QStringLiteral("nn.txt");
    QCOMPARE(Start({shortArgument}).Opened, QStringList{head});
  }

  void FailuresAreReportedAndStillEndWithZero() {
    // No argument: the empty text is reported.
    Run run = Start({});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Error, QStringLiteral("Not found:"));
    QVERIFY(!run.OpenerRan);
    // A path that does not exist.
    const QString missing = work_.filePath(QStringLiteral("nowhere"));
    run = Start({missing});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Error, QStringLiteral("Not found: ") + missing);
    // The desktop's opener refuses.
    WriteOpener(4);
    const QString data = Folder(QStringLiteral("Data"));
    run = Start({data});
    WriteOpener(0);
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Opened, QStringList{data});
    QCOMPARE(run.Error, QStringLiteral("Not found: ") + data);
    // No opener at all on the PATH.
    QFile::rename(work_.filePath(QStringLiteral("bin/xdg-open")), work_.filePath(QStringLiteral("bin/away")));
    run = Start({data});
    QFile::rename(work_.filePath(QStringLiteral("bin/away")), work_.filePath(QStringLiteral("bin/xdg-open")));
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Error, QStringLiteral("Not found: ") + data);
  }
};

QTEST_GUILESS_MAIN(KovelTests)
#include "tst_kovel.moc"
