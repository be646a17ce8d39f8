// SPDX-License-Identifier: MIT
#include "session/owner_channel.h"

#include <QDataStream>
#include <QIODevice>

QByteArray HandOverMessage(const QStringList& arguments) {
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

ReceivedMessage ReadHandOverMessage(const QByteArray& bytes) {
  if (bytes.size() < 4) return {};
  quint32 size = 0;
  QDataStream head(bytes);
  head >> size;
  if (size > LongestHandOverList) return {ReceivedMessage::Refused, {}};
  if (bytes.size() < 4 + static_cast<qsizetype>(size)) return {};
  // Each string takes at least the four bytes of its length: a list said to hold more than its
  // bytes can is refused before room is made for it.
  QDataStream count(bytes.mid(4, 4));
  quint32 strings = 0;
  count >> strings;
  if (size < 4 || strings > (size - 4) / 4) return {ReceivedMessage::Refused, {}};
  ReceivedMessage message{ReceivedMessage::Complete, {}};
  QDataStream body(bytes.mid(4, size));
  body >> message.Arguments;
  if (body.status() != QDataStream::Ok) return {ReceivedMessage::Refused, {}};
  return message;
}

QByteArray HandOverAnswer() { return QByteArrayLiteral("forward\n"); }
