// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

// Where a later start meets a work folder's owner: a local socket under a name both derive from
// the folder (a Unix domain socket in the temporary folder, a named pipe on Windows, where Qt's
// local sockets put theirs, so that a Zorbit built either way finds the other). The later start
// sends one message, its arguments, and the owner answers "forward\n" once it took them.
class OwnerListener : public QObject {
  Q_OBJECT

 public:
  explicit OwnerListener(QObject* parent = nullptr);
  ~OwnerListener() override;

  // Listens under `name`, for this user only. A socket left under it by an owner that was killed
  // is replaced: the caller holds the folder's lock, so no live owner listens there.
  bool Listen(const QString& name);

 signals:
  // A later start's arguments, the program's name first; it has been answered already.
  void Received(const QStringList& arguments);

 private:
  struct Private;
  std::unique_ptr<Private> d_;
};

// Hands `arguments` to the owner listening under `name`: true once it answered, false when nobody
// listens there or no answer came before `deadline`.
bool HandOver(const QString& name, const QStringList& arguments, QDeadlineTimer deadline);

// The message: the list's size in bytes, then the list, both as QDataStream writes them. A list
// longer than LongestHandOverList is not a command line; so the first HandOverReadLimit bytes
// decide any message.
QByteArray HandOverMessage(const QStringList& arguments);
inline constexpr quint32 LongestHandOverList = 64 * 1024;
inline constexpr qsizetype HandOverReadLimit = 4 + LongestHandOverList;

// What the bytes received so far hold: the whole message, the start of one, or what no later start
// sends (a size beyond any command line, or a list that does not read), which the owner drops.
struct ReceivedMessage {
  enum Kind { Incomplete, Refused, Complete } State = Incomplete;
  QStringList Arguments;
};
ReceivedMessage ReadHandOverMessage(const QByteArray& bytes);

// The owner's answer.
QByteArray HandOverAnswer();
