// SPDX-License-Identifier: MIT
// A writer killed at any moment leaves a session file that is one whole write, old or new.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "session/session_file.h"
#include "session/tests/session_generation.h"

class TestSessionCrash : public QObject {
  Q_OBJECT

 private slots:
  void KilledWriterLeavesAWholeFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/session_writer");
    QVERIFY2(QFile::exists(writer), qPrintable(writer));

    QRandomGenerator random(20240615);
    std::int64_t lastSeen = -1;
    for (int run = 0; run < 8; ++run) {
      const std::int64_t first = std::int64_t(run) * 1000000;
      QProcess process;
      process.start(writer, {dir.path(), QString::number(first)});
      QVERIFY(process.waitForStarted(20000));
      QVERIFY(process.waitForReadyRead(20000));  // the first save is on disk
      // A random number of saves later, while it is still writing.
      const std::int64_t saves = random.bounded(1, 200);
      QTRY_VERIFY_WITH_TIMEOUT(GenerationOf(LoadSession(dir.path()).Complexes) >= first + saves, 20000);
      QCOMPARE(process.state(), QProcess::Running);
      process.kill();  // SIGKILL
      QVERIFY(process.waitForFinished(20000));
      QCOMPARE(process.exitStatus(), QProcess::CrashExit);

      const SessionLoad load = LoadSession(dir.path());
      QCOMPARE(load.Status, SessionStatus::Restored);
      const std::int64_t g = GenerationOf(load.Complexes);
      QVERIFY2(g >= first + saves && g < first + 1000000, qPrintable(QStringLiteral("run %1 left generation %2").arg(run).arg(g)));
      QVERIFY(g > lastSeen);
      lastSeen = g;
      QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QString::fromLatin1(SessionBadName))));
    }
  }
};

QTEST_GUILESS_MAIN(TestSessionCrash)
#include "tst_session_crash.moc"
