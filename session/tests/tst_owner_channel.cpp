// SPDX-License-Identifier: MIT
// The socket between a work folder's owner and later starts, with real sockets: the message, the
// hand-over both ways between this program and a Zorbit whose socket is Qt Network's (an earlier
// Zorbit), and what the owner does with callers that are not later starts.
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryFile>
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
std::future<bool> HandOverMeanwhile(const QString& name, const QStringList& arguments, int ms = 20000) {
  return std::async(std::launch::async, [=] { return HandOver(name, arguments, QDeadlineTimer(ms)); });
}

bool Ready(const std::future<bool>& handed) { return handed.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

QByteArray SizeThen(quint32 size, const QByteArray& body) {
  QByteArray bytes;
  QDataStream(&bytes, QIODevice::WriteOnly) << size;
  return bytes + body;
}

}  // namespace

class OwnerChannelTests : public QObject {
  Q_OBJECT

 private slots:
  void AMessageIsTakenWhole_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("arguments");
    const QStringList arguments{QStringLiteral("Zorbit"), QStringLiteral("cat")};
    const QByteArray whole = HandOverMessage(arguments);
    QTest::newRow("whole") << whole << int(ReceivedMessage::Complete) << arguments;
    QTest::newRow("empty list") << HandOverMessage({}) << int(ReceivedMessage::Complete) << QStringList();
    QTest::newRow("one byte short") << whole.chopped(1) << int(ReceivedMessage::Incomplete) << QStringList();
    QTest::newRow("size not all there") << whole.left(3) << int(ReceivedMessage::Incomplete) << QStringList();
    QTest::newRow("size beyond a command line") << SizeThen(64 * 1024 + 1, {}) << int(ReceivedMessage::Refused)
                                                << QStringList();
    // The list says it holds four thousand million strings and holds none.
    QTest::newRow("list that does not read") << SizeThen(4, QByteArray(4, '\xfe')) << int(ReceivedMessage::Refused)
                                             << QStringList();
  }

  void AMessageIsTakenWhole() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, state);
    QFETCH(QStringList, arguments);
    const ReceivedMessage message = ReadHandOverMessage(bytes);
    QCOMPARE(int(message.State), state);
    QCOMPARE(message.Arguments, arguments);
  }

  // Random bytes, and messages with random bytes changed, are read without harm. What reads as a
  // message reads so from one length on, as the same arguments, and as the start of one before:
  // the owner waits for the rest of a message, and takes or drops none for a part of it.
  void AnyBytesAreReadWithoutHarm() {
    QRandomGenerator random(20261208);
    const QByteArray message = HandOverMessage({QStringLiteral("Zorbit"), QStringLiteral("cat"), QStringLiteral("x")});
    for (int run = 0; run < 5000; ++run) {
      QByteArray bytes = message;
      if (run % 2 == 0) {
        bytes.resize(random.bounded(64));
        for (char& byte : bytes) byte = static_cast<char>(random.bounded(256));
      } else {
        for (int change = random.bounded(1, 4); change > 0; --change)
          bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
      }
      const ReceivedMessage read = ReadHandOverMessage(bytes);
      if (read.State != ReceivedMessage::Complete) continue;
      bool whole = false;
      for (qsizetype length = 0; length <= bytes.size(); ++length) {
        const ReceivedMessage part = ReadHandOverMessage(bytes.left(length));
        whole = whole || part.State != ReceivedMessage::Incomplete;
        QCOMPARE(int(part.State), int(whole ? ReceivedMessage::Complete : ReceivedMessage::Incomplete));
        if (whole) QCOMPARE(part.Arguments, read.Arguments);
      }
    }
  }

  // Both ways between this program and an earlier Zorbit, whose socket was Qt Network's.
  void ALaterStartHandsItsArgumentsOver() {
    const QStringList arguments{QStringLiteral("Zorbit"), QStringLiteral("esp"), QString::fromUtf8("càlcul ñ")};
    {
      const QString name = UniqueName();
      OwnerListener owner;
      QVERIFY(owner.Listen(name));
      QSignalSpy received(&owner, &OwnerListener::Received);
      auto handed = HandOverMeanwhile(name, arguments);
      QTRY_COMPARE(received.count(), 1);
      QCOMPARE(received.at(0).at(0).toStringList(), arguments);
      QTRY_VERIFY(Ready(handed));
      QVERIFY(handed.get());

      QLocalSocket earlier;  // an earlier Zorbit's later start
      earlier.connectToServer(name);
      QVERIFY(earlier.waitForConnected(20000));
      earlier.write(HandOverMessage({QStringLiteral("Zorbit")}));
      QByteArray answer;
      QTRY_COMPARE(answer += earlier.readAll(), HandOverAnswer());
      QCOMPARE(received.count(), 2);
    }
    QLocalServer earlier;  // an earlier Zorbit's owner
    QVERIFY(earlier.listen(UniqueName()));
    connect(&earlier, &QLocalServer::newConnection, this, [&earlier] {
      QLocalSocket* caller = earlier.nextPendingConnection();
      connect(caller, &QLocalSocket::readyRead, caller, [caller] {
        if (ReadHandOverMessage(caller->peek(1024)).State == ReceivedMessage::Complete) caller->write(HandOverAnswer());
      });
    });
    auto handed = HandOverMeanwhile(earlier.serverName(), arguments);
    QTRY_VERIFY(Ready(handed));
    QVERIFY(handed.get());
  }

  // Nobody listens, or the one listening never answers: the later start is told it did not hand over.
  void AHandOverNobodyAnswersFails() {
    QVERIFY(!HandOver(UniqueName(), {QStringLiteral("Zorbit")}, QDeadlineTimer(20000)));
    QLocalServer silent;
    QVERIFY(silent.listen(UniqueName()));
    auto handed = HandOverMeanwhile(silent.serverName(), {}, 300);
    QTRY_VERIFY(Ready(handed));
    QVERIFY(!handed.get());
  }

  // A caller that sends what no later start sends is cut off and hands nothing over; the owner
  // still answers the next one.
  void TheOwnerDropsWhatIsNotAMessage() {
    const QString name = UniqueName();
    OwnerListener owner;
    QVERIFY(owner.Listen(name));
    QSignalSpy received(&owner, &OwnerListener::Received);
    for (const QByteArray& bytes : {SizeThen(1 << 30, QByteArray(8, 'x')), SizeThen(4, QByteArray(4, '\xfe'))}) {
      QLocalSocket caller;
      caller.connectToServer(name);
      QVERIFY(caller.waitForConnected(20000));
      caller.write(bytes);
      QTRY_COMPARE(caller.state(), QLocalSocket::UnconnectedState);
      QCOMPARE(caller.readAll(), QByteArray());
    }
    auto handed = HandOverMeanwhile(name, {QStringLiteral("Zorbit")});
    QTRY_VERIFY(Ready(handed));
    QVERIFY(handed.get());
    QCOMPARE(received.count(), 1);
  }

  // A socket left by a killed owner is replaced; the socket is the user's alone and goes with the owner.
  void TheSocketIsTheUsersAndGoesWithTheOwner() {
#ifdef Q_OS_UNIX
    const QString name = UniqueName();
    const QString path = QDir::cleanPath(QDir::tempPath()) + u'/' + name;
    QFile left(path);
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.close();
    {
      OwnerListener owner;
      QVERIFY(owner.Listen(name));
      QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser | QFile::ReadOwner |
                                                 QFile::WriteOwner | QFile::ExeOwner),
               QFile::Permissions());
      QVERIFY(!QFileInfo(path).isFile());  // the socket, not the file left there
    }
    QVERIFY(!QFileInfo::exists(path));
#else
    QSKIP("named pipes leave no file");
#endif
  }
};

QTEST_GUILESS_MAIN(OwnerChannelTests)
#include "tst_owner_channel.moc"
