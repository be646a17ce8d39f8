// SPDX-License-Identifier: MIT
// Two real Zorbits on one work folder: the second hands over to the first, and a kill of either
// at any moment leaves one owner that a later start finds.
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "session/store_owner.h"
#include "platform/testing/environment.h"

namespace {

std::unique_ptr<QProcess> StartZorbit(const QString& folder, const QStringList& arguments = {}) {
  auto process = std::make_unique<QProcess>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("ZORBIT_PROGRAM_DIR"), folder);  // its work folder
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
  process->setProcessEnvironment(environment);
  process->start(QDir(qEnvironmentVariable("ZORBIT_PROGRAM_DIR")).filePath(QStringLiteral("Zorbit")), arguments);
  return process;
}

qint64 LockHolder(const QString& folder) {
  qint64 pid = 0;
  QString host, application;
  QLockFile lock(QDir(folder).filePath(QStringLiteral("Zorbit.lock")));
  return lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void EndsHandingOver(QProcess& process) {
  QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 20000);
  QCOMPARE(process.exitCode(), 0);
  QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(), HandedOverText());
}

void KillAfter(QProcess& process, int ms) {
  QVERIFY(process.waitForStarted(10000));
  QTest::qWait(ms);
  process.kill();  // it may have ended already, having handed over
  QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(10000));
}

}  // namespace

class OneWriterTests : public QObject {
  Q_OBJECT

 private slots:
  // The owner is this test; a later start killed at any moment does not stop the next one.
  void ASecondStartHandsItsArgumentsOver() {
    QTemporaryDir folder;
    StoreOwner owner(folder.path());
    owner.LockAhead();
    QCOMPARE(owner.Claim({QStringLiteral("Zorbit")}), OwnerClaim::Owner);
    QSignalSpy handed(&owner, &StoreOwner::ArgumentsHanded);
    QRandomGenerator random(2611);
    for (int run = 0; run < 5; ++run) {
      KillAfter(*StartZorbit(folder.path(), {QStringLiteral("esp")}), static_cast<int>(random.bounded(150)));
      const auto second = StartZorbit(folder.path(), {QStringLiteral("cat")});
      EndsHandingOver(*second);
      QCOMPARE(handed.takeLast().at(0).toStringList().mid(1), QStringList{QStringLiteral("cat")});
    }
    QVERIFY(!QFile::exists(QDir(folder.path()).filePath(QStringLiteral("Session.json"))));
  }

  // The owner is killed while a second start looks for it: the second handed over before the
  // kill and ended, or owns the folder now and a third start finds it.
  void KillingTheOwnerAtAnyMomentLeavesOneOwner() {
    QTemporaryDir folder;
    QRandomGenerator random(2612);
    for (int run = 0; run < 5; ++run) {
      const auto first = StartZorbit(folder.path());
      QTRY_COMPARE_WITH_TIMEOUT(LockHolder(folder.path()), first->processId(), 20000);
      const auto second = StartZorbit(folder.path());
      KillAfter(*first, static_cast<int>(random.bounded(300)));
      QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning || LockHolder(folder.path()) == second->processId(),
                               20000);
      if (second->state() == QProcess::NotRunning) {
        EndsHandingOver(*second);
        QCOMPARE(StoreOwner(folder.path()).Claim({QStringLiteral("Zorbit")}, 5000), OwnerClaim::Owner);
      } else {
        EndsHandingOver(*StartZorbit(folder.path()));
        KillAfter(*second, 0);
      }
    }
  }
};

// The program started here opens its window on the offscreen platform, in the DejaVu fonts.
ZORBIT_WINDOW_TEST_MAIN(OneWriterTests)
#include "tst_one_writer.moc"
