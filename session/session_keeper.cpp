// SPDX-License-Identifier: MIT
#include "session/session_keeper.h"

#include <utility>

#include "session/session_file.h"

QString SessionSetAsideText() {
  return QStringLiteral(
      "The complexes of the last session could not be read. The file has been kept as Session.bad and the "
      "store starts empty.");
}

QString SessionStuckText() {
  return QStringLiteral(
      "The complexes of the last session could not be read, and Session.json could not be moved aside. "
      "The store starts empty and is not saved until Zorbit starts again.");
}

QString SessionNotSavedText(const QString& reason) {
  return QStringLiteral("The complexes could not be saved in Session.json (%1). They will be saved again at the next change.")
      .arg(reason);
}

QString SessionMessageTitle() { return QStringLiteral("Session"); }

SessionKeeper::SessionKeeper(QString folder, MessageSeam& messages) : folder_(std::move(folder)), messages_(messages) {}

std::vector<Cplx> SessionKeeper::Restore() {
  SessionLoad load = LoadSession(folder_);
  if (load.Status == SessionStatus::SetAside) {
    messages_.Show(SessionSetAsideText(), SessionMessageTitle(), MsgButtons::Ok, MsgIcon::Warning);
  } else if (load.Status == SessionStatus::Stuck) {
    keepOff_ = true;
    messages_.Show(SessionStuckText(), SessionMessageTitle(), MsgButtons::Ok, MsgIcon::Warning);
  }
  return std::move(load.Complexes);
}

bool SessionKeeper::Save(const std::vector<Cplx>& complexes) {
  if (keepOff_) return false;
  QString reason;
  if (SaveSession(complexes, folder_, &reason)) {
    failureTold_ = false;
    return true;
  }
  if (!failureTold_) {
    failureTold_ = true;
    messages_.Show(SessionNotSavedText(reason), SessionMessageTitle(), MsgButtons::Ok, MsgIcon::Warning);
  }
  return false;
}
