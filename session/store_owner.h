// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <future>

#include "session/owner_channel.h"

// One store, one writer. The first Zorbit started on a work folder owns the folder's session: it
// holds a lock file there ("Zorbit.lock") for as long as it runs, and listens for the programs
// started after it. A second start does not open a second window, which would write its own
// store over the first one's: it hands its arguments to the owner, which brings its window
// forward, and ends. A lock left by an owner that was killed is taken over at once.
enum class OwnerClaim {
  Owner,       // this program keeps the store
  HandedOver,  // the running owner took the arguments; this program ends
  Unanswered,  // another program holds the folder but did not answer in time
  Unguarded,   // the folder cannot hold a lock (read-only): this program keeps the store as before
};

class StoreOwner : public QObject {
  Q_OBJECT

 public:
  explicit StoreOwner(QString folder, QObject* parent = nullptr);

  // Tries the lock on another thread, from which Claim goes on: writing the lock file, and
  // syncing it to the disk, takes a slow disk long, and a start builds its window meanwhile.
  void LockAhead();
  // Becomes the folder's owner, or hands `arguments` to the owner; an owner still starting up is
  // waited for, up to `patienceMs` milliseconds in all.
  OwnerClaim Claim(const QStringList& arguments, int patienceMs = 10000);

  // The name both sides of a folder meet under.
  static QString ServerName(const QString& folder);

 signals:
  // A later start handed over its arguments (the program's name first): the window comes forward.
  void ArgumentsHanded(const QStringList& arguments);

 private:
  QString folder_;
  QLockFile lock_;
  // The lock tried ahead. Declared after lock_: destroyed first, std::async's future waits for
  // the attempt to end.
  std::future<bool> locked_;
  OwnerListener listener_;
};

// The text a second start writes where it was started from.
QString HandedOverText();
QString UnansweredText();
