// SPDX-License-Identifier: MIT
// A writer killed at any moment leaves a session file that is one whole write, old or new.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
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
    QElapsedTimer clock;
    clock.start();
    std::int64_t lastSeen = -1;
    std::int64_t furthest = 0;
    int kills = 0;
    for (int run = 0; run < 12 && clock.elapsed() < 7000; ++run) {
      const std::int64_t first = std::int64_t(run) * 1000000;
      QProcess process;
      process.start(writer, {dir.path(), QString::number(first)});
      QVERIFY(process.waitForStarted(5000));
      QVERIFY(process.waitForReadyRead(5000));  // the first save is on disk
      QThread::msleep(random.bounded(1, 40));
      QCOMPARE(process.state(), QProcess::Running);  // it was still writing when it was killed
      process.kill();  // SIGKILL
      QVERIFY(process.waitForFinished(5000));
      QCOMPARE(process.exitStatus(), QProcess::CrashExit);
      ++kills;

      const SessionLoad load = LoadSession(dir.path());
      QCOMPARE(load.Status, SessionStatus::Restored);
      const std::int64_t g = GenerationOf(load.Complexes);
      QVERIFY2(g >= first && g < first + 1000000, qPrintable(QStringLiteral("run %1 left generation %2").arg(run).arg(g)));
      QVERIFY(g > lastSeen);
      lastSeen = g;
      furthest = std::max(furthest, g - first);
      QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QString::fromLatin1(SessionBadName))));
    }
    QVERIFY(kills >= 5);
    // The writer got well past its first save at least once, so the kills fell among writes.
    QVERIFY(furthest > 0);
  }
};

QTEST_GUILESS_MAIN(TestSessionCrash)
#include "tst_session_crash.moc"
