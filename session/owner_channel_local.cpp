// SPDX-License-Identifier: MIT
// The owner's socket elsewhere than Linux: Qt Network's local server (a named pipe on Windows).
#include <QLocalServer>
#include <QLocalSocket>

#include "session/owner_channel.h"

bool HandOver(const QString& name, const QStringList& arguments, QDeadlineTimer deadline) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
  socket.write(HandOverMessage(arguments));
  if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
  const QByteArray answer = HandOverAnswer();
  QByteArray received;
  while (received.size() < answer.size()) {
    if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    received += socket.readAll();
  }
  return received.startsWith(answer);
}

struct OwnerListener::Private {
  QLocalServer Server;
};

OwnerListener::OwnerListener(QObject* parent) : QObject(parent), d_(std::make_unique<Private>()) {
  connect(&d_->Server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = d_->Server.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        const ReceivedMessage message = ReadHandOverMessage(socket->peek(HandOverReadLimit));
        if (message.State == ReceivedMessage::Incomplete) return;  // the rest is on its way
        if (message.State == ReceivedMessage::Refused) {
          socket->abort();
          return;
        }
        socket->readAll();
        socket->write(HandOverAnswer());
        socket->flush();
        emit Received(message.Arguments);
      });
    }
  });
}

OwnerListener::~OwnerListener() = default;

bool OwnerListener::Listen(const QString& name) {
  QLocalServer::removeServer(name);
  d_->Server.setSocketOptions(QLocalServer::UserAccessOption);
  return d_->Server.listen(name);
}
