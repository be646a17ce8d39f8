// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// How a started program's window appears.
enum class WindowStyle { Hidden, NormalFocus, MinimizedFocus };

// A program to start. `CommandLine` is the text built by plain joining with single blanks, as the
// program has always written it; tests read it. `Program` and `Arguments` are what actually runs:
// an argument list, never a shell, so no path is ever interpreted.
struct ProcessCommand {
  QString CommandLine;
  QString Program;
  QStringList Arguments;
  QString WorkDir;  // empty: the current folder
  // Set: the desktop's default application opens the file or folder of the one argument
  // (QDesktopServices), and Program is unused.
  bool OpenOnDesktop = false;
};

class ProcessSeam {
 public:
  virtual ~ProcessSeam() = default;
  // Starts without waiting; true when the program could be started.
  virtual bool Start(const ProcessCommand& command, WindowStyle style) = 0;
};

// The program's implementation: QProcess::startDetached, or QDesktopServices for what the desktop
// opens.
class QtProcesses final : public ProcessSeam {
 public:
  bool Start(const ProcessCommand& command, WindowStyle style) override;
};

// "Kovel" on Linux, "Kovel.exe" on Windows: a companion program's file name.
QString CompanionFileName(const QString& baseName);

// The full path of a companion program, in the companions' folder (CompanionFolder).
QString CompanionPath(const QString& baseName);

// A command that starts a companion program with one argument.
// The command line reads "<name> <argument>", as written by plain joining.
ProcessCommand CompanionCommand(const QString& baseName, const QString& argument);

// A command that opens a file or folder with the desktop's default application (the text editor
// for a sheet, the PDF viewer for the manual, the file browser for a folder). `commandLine` is the
// text the program has always built for it, kept for the record.
ProcessCommand DesktopOpenCommand(const QString& commandLine, const QString& path);
