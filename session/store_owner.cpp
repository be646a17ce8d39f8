// SPDX-License-Identifier: MIT
#include "session/store_owner.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray Answered = QByteArrayLiteral("forward\n");
// A message longer than this is not a command line: the connection is dropped.
constexpr qint64 LongestMessage = 64 * 1024;

// The arguments as one message: their size, then the list.
QByteArray Message(const QStringList& arguments) {
  QByteArray body;
  {
    QDataStream stream(&body, QIODevice::WriteOnly);
    stream << arguments;
  }
  QByteArray message;
  QDataStream stream(&message, QIODevice::WriteOnly);
  stream << static_cast<quint32>(body.size());
  return message + body;
}

// Sends the arguments and waits for the owner to say it took them.
bool HandOver(const QString& name, const QStringList& arguments, QDeadlineTimer deadline) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
  socket.write(Message(arguments));
  if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
  QByteArray answer;
  while (answer.size() < Answered.size()) {
    if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    answer += socket.readAll();
  }
  return answer.startsWith(Answered);
}

}  // namespace

QString HandedOverText() {
  return QStringLiteral("Zorbit is already open on this folder: its window has been brought forward.");
}

QString UnansweredText() {
  return QStringLiteral(
      "Zorbit is already open on this folder but does not answer. Close it, or end it, and start Zorbit again.");
}

StoreOwner::StoreOwner(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), lock_(QDir(folder_).filePath(QStringLiteral("Zorbit.lock"))) {
  // A lock whose program is gone is stale at once; a live owner is never taken from.
  lock_.setStaleLockTime(0);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
    }
  });
}

StoreOwner::~StoreOwner() = default;

QString StoreOwner::ServerName(const QString& folder) {
  const QString path = QFileInfo(folder).canonicalFilePath();
  const QByteArray hash = QCryptographicHash::hash((QDir::homePath() + u'\n' + (path.isEmpty() ? folder : path)).toUtf8(),
                                                   QCryptographicHash::Sha1);
  return QStringLiteral("Zorbit-") + QString::fromLatin1(hash.toHex().left(20));
}

bool StoreOwner::Listen() {
  // A socket left by a killed owner is in the way.
  QLocalServer::removeServer(ServerName(folder_));
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  return server_.listen(ServerName(folder_));
}

OwnerClaim StoreOwner::Claim(const QStringList& arguments, int patienceMs) {
  const QDeadlineTimer deadline(patienceMs);
  for (;;) {
    if (lock_.tryLock(0)) {
      Listen();
      return OwnerClaim::Owner;
    }
    if (lock_.error() != QLockFile::LockFailedError) return OwnerClaim::Unguarded;
    if (HandOver(ServerName(folder_), arguments, deadline)) return OwnerClaim::HandedOver;
    if (deadline.hasExpired()) return OwnerClaim::Unanswered;
    // The owner is starting and not listening yet, or has just ended: ask again shortly.
    QThread::msleep(50);
  }
}

void StoreOwner::Answer(QLocalSocket* socket) {
  const QByteArray bytes = socket->peek(LongestMessage + 8);
  if (bytes.size() < 4) return;
  quint32 size = 0;
  QDataStream head(bytes);
  head >> size;
  if (size > LongestMessage) {
    socket->abort();
    return;
  }
  if (bytes.size() < 4 + static_cast<qsizetype>(size)) return;  // the rest is on its way
  socket->read(4 + size);
  QStringList arguments;
  QDataStream body(bytes.mid(4, size));
  body >> arguments;
  if (body.status() != QDataStream::Ok) {
    socket->abort();
    return;
  }
  socket->write(Answered);
  socket->flush();
  emit ArgumentsHanded(arguments);
}
