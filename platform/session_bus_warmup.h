// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <thread>

// Connects to the desktop's session bus on a thread of its own while the application starts. On a
// Linux desktop Qt's accessibility bridge asks for that connection when the window's first
// control is made, and waits for it: for the bus's greeting or, where no bus runs, for the failed
// attempt to launch one, some milliseconds either way. Asked for ahead, the connection is ready,
// or nearly so, by then. Nothing is asked for where the window system has no such bridge
// (offscreen, minimal) or elsewhere than Linux.
class SessionBusWarmUp {
 public:
  // `platform`: the window system's plug-in the application will load, empty for Qt's default.
  explicit SessionBusWarmUp(const QString& platform);
  ~SessionBusWarmUp();
  SessionBusWarmUp(const SessionBusWarmUp&) = delete;
  SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

  // Waits until the connection is made or refused; at once when it was not asked for.
  void Wait();

  // True for the plug-ins whose windows Qt makes accessible through the session bus: the X11 and
  // Wayland ones, one of which is the default (an empty `platform`).
  static bool Bridges(const QString& platform);

  // The plug-in the application will load: the one the command line names with -platform, else
  // the one QT_QPA_PLATFORM names; empty for the default.
  static QString PlatformOf(int argc, char* argv[]);

 private:
  std::thread connector_;
};
