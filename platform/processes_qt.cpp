// SPDX-License-Identifier: MIT
#include "platform/processes.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>

#include "platform/program_folder.h"

bool QtProcesses::Start(const ProcessCommand& command, WindowStyle style) {
  (void)style;  // a detached process shows its own window; Qt offers no portable window style
  if (command.OpenOnDesktop)
    return command.Arguments.size() == 1 && QDesktopServices::openUrl(QUrl::fromLocalFile(command.Arguments.first()));
  if (command.Program.isEmpty()) return false;
  QProcess process;
  process.setProgram(command.Program);
  process.setArguments(command.Arguments);
  if (!command.WorkDir.isEmpty()) process.setWorkingDirectory(command.WorkDir);
  // Keep the started program's output out of ours.
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  return process.startDetached();
}

QString CompanionFileName(const QString& baseName) {
#ifdef Q_OS_WIN
  return baseName + QStringLiteral(".exe");
#else
  return baseName;
#endif
}

QString CompanionPath(const QString& baseName) {
  return QDir::toNativeSeparators(QDir(CompanionFolder()).filePath(CompanionFileName(baseName)));
}

ProcessCommand CompanionCommand(const QString& baseName, const QString& argument) {
  ProcessCommand command;
  command.CommandLine = CompanionFileName(baseName) + QLatin1Char(' ') + argument;
  command.Program = CompanionPath(baseName);
  command.Arguments = QStringList{argument};
  return command;
}

ProcessCommand DesktopOpenCommand(const QString& commandLine, const QString& path) {
  ProcessCommand command;
  command.CommandLine = commandLine;
  command.Arguments = QStringList{path};
  command.OpenOnDesktop = true;
  return command;
}
