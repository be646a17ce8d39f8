// SPDX-License-Identifier: MIT
// Two real Zorbits on one work folder: the second hands over to the first, and a kill of either
// at any moment leaves exactly one owner that a later start finds.
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>

#include "session/store_owner.h"

namespace {

// A Zorbit started on `folder`, headless, its settings kept in the folder too.
std::unique_ptr<QProcess> StartZorbit(const QString& folder, const QStringList& arguments = {}) {
  const QString program = QDir(qEnvironmentVariable("ZORBIT_PROGRAM_DIR")).filePath(QStringLiteral("Zorbit"));
  auto process = std::make_unique<QProcess>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("ZORBIT_PROGRAM_DIR"), folder);
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
  process->setProcessEnvironment(environment);
  process->start(program, arguments);
  return process;
}

// The process that holds the folder's lock; 0 when none does.
qint64 LockHolder(const QString& folder) {
  QLockFile lock(QDir(folder).filePath(QStringLiteral("Zorbit.lock")));
  qint64 pid = 0;
  QString host, application;
  return lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void EndsHandingOver(QProcess& process) {
  QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 20000);
  QCOMPARE(process.exitStatus(), QProcess::NormalExit);
  QCOMPARE(process.exitCode(), 0);
  QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(), HandedOverText());
}

void Kill(QProcess& process) {
  process.kill();
  QVERIFY(process.waitForFinished(10000));
}

}  // namespace

class OneWriterTests : public QObject {
  Q_OBJECT

 private slots:
  // The owner here is this test; the later starts are real Zorbits, one killed at random moments.
  void ASecondStartHandsItsArgumentsOverEvenAfterAKilledOne() {
    QTemporaryDir folder;
    StoreOwner owner(folder.path());
    QCOMPARE(owner.Claim({QStringLiteral("Zorbit")}), OwnerClaim::Owner);
    QSignalSpy handed(&owner, &StoreOwner::ArgumentsHanded);

    QRandomGenerator random(2611);
    for (int run = 0; run < 6; ++run) {
      const auto killed = StartZorbit(folder.path(), {QStringLiteral("esp")});
      QVERIFY(killed->waitForStarted(10000));
      QTest::qWait(static_cast<int>(random.bounded(0, 150)));  // the moment of the kill
      Kill(*killed);
      const auto second = StartZorbit(folder.path(), {QStringLiteral("cat")});
      EndsHandingOver(*second);
      QVERIFY(!handed.isEmpty());
      QCOMPARE(handed.takeLast().at(0).toStringList().mid(1), QStringList{QStringLiteral("cat")});
    }
    QVERIFY(!QFile::exists(QDir(folder.path()).filePath(QStringLiteral("Session.json"))));
  }

  // The owner is killed while a second start looks for it: the second either handed over before
  // the kill and ended, or owns the folder now; either way a third start finds one owner.
  void KillingTheOwnerAtAnyMomentLeavesOneOwner() {
    QTemporaryDir folder;
    QRandomGenerator random(2612);
    for (int run = 0; run < 5; ++run) {
      const auto first = StartZorbit(folder.path());
      QTRY_COMPARE_WITH_TIMEOUT(LockHolder(folder.path()), first->processId(), 20000);
      const auto second = StartZorbit(folder.path());
      QVERIFY(second->waitForStarted(10000));
      QTest::qWait(static_cast<int>(random.bounded(0, 300)));
      Kill(*first);
      QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning || LockHolder(folder.path()) == second->processId(),
                               20000);
      if (second->state() == QProcess::NotRunning) {
        EndsHandingOver(*second);
        // Its owner is dead: the folder is free for the next start.
        StoreOwner next(folder.path());
        QCOMPARE(next.Claim({QStringLiteral("Zorbit")}, 5000), OwnerClaim::Owner);
      } else {
        const auto third = StartZorbit(folder.path());
        EndsHandingOver(*third);
        Kill(*second);
      }
    }
  }
};

QTEST_GUILESS_MAIN(OneWriterTests)
#include "tst_one_writer.moc"
