// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "core/cplx.h"

// "Session.json" keeps the store between runs, in the work folder:
//   {"Format": "Zorbit session", "Version": 1,
//    "Complexes": [{"Name": "a", "Re": "3", "Im": "4", "Mod": "5", "Arg": "53.13010235415598"}, ...]}
// one entry per stored complex in letter order. The four fields are texts, not JSON numbers: the
// shortest decimal that reads back to the same double, so every bit survives (-0 included, and an
// argument such as 400 stays 400). "Name" is for the reader; the letter follows from the position.
inline constexpr const char* SessionFileName = "Session.json";
// Where a file that cannot be read is moved, replacing an older one, so nothing is lost.
inline constexpr const char* SessionBadName = "Session.bad";
inline constexpr int SessionVersion = 1;
// The store has a letter for 26 complexes; a file with more is not one of ours.
inline constexpr int SessionCapacity = 26;

// Why a file was not taken.
enum class SessionFault { None, Unreadable, BadJson, Foreign, WrongVersion, TooMany, MissingField, BadNumber };

enum class SessionStatus {
  Restored,  // the file was read (it may hold an empty store)
  NoFile,    // no file yet: an empty store, nothing to say
  SetAside,  // the file could not be taken and is now "Session.bad"; the store starts empty
  Stuck,     // the file could not be taken nor moved aside; it is left where it is
};

struct SessionLoad {
  std::vector<Cplx> Complexes;
  SessionStatus Status = SessionStatus::NoFile;
  SessionFault Fault = SessionFault::None;
};

// The bytes of the file for the complexes.
QByteArray SessionBytes(const std::vector<Cplx>& complexes);

// Reads the bytes of a session file. On failure `complexes` is emptied and the fault answered.
SessionFault ParseSession(const QByteArray& bytes, std::vector<Cplx>& complexes);

// Reads "Session.json" of `folder`; a file that cannot be taken is moved aside as "Session.bad".
SessionLoad LoadSession(const QString& folder);

// Writes "Session.json" in `folder` whole or not at all: the new file replaces the old one only when
// all of it is on disk, so a crash or a full disk leaves the one or the other. On failure `error`,
// when given, receives the reason.
bool SaveSession(const std::vector<Cplx>& complexes, const QString& folder, QString* error = nullptr);
