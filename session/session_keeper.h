// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

#include "core/cplx.h"
#include "platform/messages.h"

// Keeps the store in "Session.json" of the work folder for the main window: Restore once at start,
// Save after every change of the store. A failed write is told once; the next one that succeeds
// makes the following failure worth telling again.
class SessionKeeper {
 public:
  SessionKeeper(QString folder, MessageSeam& messages);

  // The complexes left by the last run, in letter order; empty when there is no file. A file that
  // cannot be read is set aside as "Session.bad" and the user is told so.
  std::vector<Cplx> Restore();

  // Writes the complexes at once. Answers whether they are on disk.
  bool Save(const std::vector<Cplx>& complexes);

  const QString& Folder() const { return folder_; }

 private:
  QString folder_;
  MessageSeam& messages_;
  bool failureTold_ = false;
  // Set when a damaged file could not be moved aside: writing would destroy it, so nothing is
  // written in this run.
  bool keepOff_ = false;
};

// The texts the keeper shows.
QString SessionSetAsideText();
QString SessionStuckText();
QString SessionNotSavedText(const QString& reason);
QString SessionMessageTitle();
