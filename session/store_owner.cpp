// SPDX-License-Identifier: MIT
#include "session/store_owner.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

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
  connect(&listener_, &OwnerListener::Received, this, &StoreOwner::ArgumentsHanded);
}

void StoreOwner::LockAhead() {
  if (!locked_.valid()) locked_ = std::async(std::launch::async, [this] { return lock_.tryLock(0); });
}

QString StoreOwner::ServerName(const QString& folder) {
  const QString path = QFileInfo(folder).canonicalFilePath();
  const QByteArray hash = QCryptographicHash::hash((QDir::homePath() + u'\n' + (path.isEmpty() ? folder : path)).toUtf8(),
                                                   QCryptographicHash::Sha1);
  return QStringLiteral("Zorbit-") + QString::fromLatin1(hash.toHex().left(20));
}

OwnerClaim StoreOwner::Claim(const QStringList& arguments, int patienceMs) {
  const QDeadlineTimer deadline(patienceMs);
  for (;;) {
    // The lock tried ahead answers once; the attempts after it are made here.
    if (locked_.valid() ? locked_.get() : lock_.tryLock(0)) {
      listener_.Listen(ServerName(folder_));
      return OwnerClaim::Owner;
    }
    if (lock_.error() != QLockFile::LockFailedError) return OwnerClaim::Unguarded;
    if (HandOver(ServerName(folder_), arguments, deadline)) return OwnerClaim::HandedOver;
    if (deadline.hasExpired()) return OwnerClaim::Unanswered;
    // The owner is starting and not listening yet, or has just ended: ask again shortly.
    QThread::msleep(50);
  }
}
