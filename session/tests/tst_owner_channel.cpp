// SPDX-License-Identifier: MIT
// The owner's socket with real sockets: the message, the hand-over both ways with an earlier Zorbit
// (whose socket was Qt Network's), callers that are not later starts, the socket's file.
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>
#include <future>

#include "session/owner_channel.h"

namespace {

// A name of this test's own, so that runs side by side do not meet.
QString UniqueName() {
  static int count = 0;
  return QStringLiteral("zorbit-channel-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
}

// Hands over on a thread of its own: the owners here answer from this thread's event loop.
bool HandOverMeanwhile(const QString& name, int ms = 20000) {
  auto handed = std::async(std::launch::async, [=] { return HandOver(name, {QStringLiteral("Zorbit")}, QDeadlineTimer(ms)); });
  (void)QTest::qWaitFor([&] { return handed.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, ms + 5000);
  return handed.get();
}

}  // namespace

class OwnerChannelTests : public QObject {
  Q_OBJECT

 private slots:
  // What no later start sends is refused; random bytes, and messages with random bytes changed,
  // are read without harm, and what reads as a message reads so from one length on, as the same
  // arguments, and as the start of one before: the owner takes or drops none for a part of it.
  void AMessageIsTakenOnlyWhole() {
    QCOMPARE(ReadHandOverMessage(QByteArray::fromHex("00010001")).State, ReceivedMessage::Refused);  // 64 KiB + 1
    QRandomGenerator random(20261208);
    const QByteArray message = HandOverMessage({QStringLiteral("Zorbit"), QStringLiteral("cat"), QStringLiteral("x")});
    for (int run = 0; run < 5000; ++run) {
      QByteArray bytes = run % 2 == 0 ? QByteArray(random.bounded(1, 64), '\0') : message;  // random, or changed
      for (int change = run % 2 == 0 ? 64 : random.bounded(1, 4); change > 0; --change)
        bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
      const ReceivedMessage read = ReadHandOverMessage(bytes);
      if (read.State != ReceivedMessage::Complete) continue;
      bool whole = false;
      for (qsizetype length = 0; length <= bytes.size(); ++length) {
        const ReceivedMessage part = ReadHandOverMessage(bytes.left(length));
        whole = whole || part.State != ReceivedMessage::Incomplete;
        QCOMPARE(part.State, whole ? ReceivedMessage::Complete : ReceivedMessage::Incomplete);
        if (whole) QCOMPARE(part.Arguments, read.Arguments);
      }
    }
  }

  // Both ways with an earlier Zorbit; a caller that sends what no start sends is cut off; nobody
  // listening, or an owner that never answers, fails the hand-over.
  void AStartHandsOverAcrossBothKindsOfSocket() {
    {
      const QString name = UniqueName();
      OwnerListener owner;
      QVERIFY(owner.Listen(name));
      QSignalSpy received(&owner, &OwnerListener::Received);
      QLocalSocket refused;
      refused.connectToServer(name);
      QVERIFY(refused.waitForConnected(20000));
      refused.write(QByteArray::fromHex("40000000") + QByteArray(8, 'x'));
      QTRY_COMPARE(refused.state(), QLocalSocket::UnconnectedState);
      QLocalSocket earlier;
      earlier.connectToServer(name);
      QVERIFY(earlier.waitForConnected(20000));
      const QStringList arguments{QStringLiteral("Zorbit"), QString::fromUtf8("càlcul ñ")};
      earlier.write(HandOverMessage(arguments));
      QByteArray answer;
      QTRY_COMPARE(answer += earlier.readAll(), HandOverAnswer());
      QCOMPARE(received.count(), 1);
      QCOMPARE(received.at(0).at(0).toStringList(), arguments);
    }
    QLocalServer earlier;
    QVERIFY(earlier.listen(UniqueName()));
    connect(&earlier, &QLocalServer::newConnection, this, [&earlier] {
      QLocalSocket* caller = earlier.nextPendingConnection();
      connect(caller, &QLocalSocket::readyRead, caller, [caller] {
        if (ReadHandOverMessage(caller->peek(1024)).State == ReceivedMessage::Complete) caller->write(HandOverAnswer());
      });
    });
    QVERIFY(HandOverMeanwhile(earlier.serverName()));
    QVERIFY(!HandOverMeanwhile(UniqueName()));
    QLocalServer silent;
    QVERIFY(silent.listen(UniqueName()));
    QVERIFY(!HandOverMeanwhile(silent.serverName(), 300));
  }

  // A socket left by a killed owner is replaced; the socket is the user's alone and goes with the owner.
  void TheSocketIsTheUsersAndGoesWithTheOwner() {
#ifndef Q_OS_UNIX
    QSKIP("named pipes leave no file");
#endif
    const QString name = UniqueName();
    const QString path = QDir::cleanPath(QDir::tempPath()) + u'/' + name;
    QFile left(path);
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.close();
    {
      OwnerListener owner;
      QVERIFY(owner.Listen(name));
      QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
               QFile::Permissions());
    }
    QVERIFY(!QFileInfo::exists(path));
  }
};

QTEST_GUILESS_MAIN(OwnerChannelTests)
#include "tst_owner_channel.moc"
