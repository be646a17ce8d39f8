// SPDX-License-Identifier: MIT
#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The install folders relative to the program's folder come from the build (see the top-level
// CMakeLists), so the install rules and the program never disagree.
#ifndef ZORBIT_COMPANIONS_FROM_PROGRAM
#define ZORBIT_COMPANIONS_FROM_PROGRAM "../lib/zorbit"
#endif
#ifndef ZORBIT_MANUAL_FROM_PROGRAM
#define ZORBIT_MANUAL_FROM_PROGRAM "../share/doc/zorbit"
#endif
#ifndef ZORBIT_PAGES_FROM_PROGRAM
#define ZORBIT_PAGES_FROM_PROGRAM "../share/zorbit"
#endif

namespace {
QString& FolderOverride() {
  static QString folder;
  return folder;
}

QString& WorkFolderOverride() {
  static QString folder;
  return folder;
}

// The folder `relative` to the program's folder in the installed layout, else the program's folder.
QString LaidOutFolder(const char* relative) {
  const QString program = ExecutableFolder();
  if (CurrentLayout() == ProgramLayout::Beside) return program;
  return QDir::cleanPath(QDir(program).filePath(QString::fromUtf8(relative)));
}
}  // namespace

QString ExecutableFolder() {
  if (!FolderOverride().isEmpty()) return FolderOverride();
  const QString fromEnvironment = qEnvironmentVariable("ZORBIT_PROGRAM_DIR");
  if (!fromEnvironment.isEmpty()) return QDir::cleanPath(fromEnvironment);
  return QCoreApplication::applicationDirPath();
}

void SetExecutableFolder(const QString& folder) { FolderOverride() = folder; }

ProgramLayout CurrentLayout() {
  const QString companions = QDir(ExecutableFolder()).filePath(QString::fromUtf8(ZORBIT_COMPANIONS_FROM_PROGRAM));
  return QFileInfo(companions).isDir() ? ProgramLayout::Installed : ProgramLayout::Beside;
}

QString CompanionFolder() { return LaidOutFolder(ZORBIT_COMPANIONS_FROM_PROGRAM); }

QString ManualPath() { return QDir(LaidOutFolder(ZORBIT_MANUAL_FROM_PROGRAM)).filePath(QStringLiteral("Zorbit.pdf")); }

QString PagesFolder() { return LaidOutFolder(ZORBIT_PAGES_FROM_PROGRAM); }

void SetWorkFolder(const QString& folder) { WorkFolderOverride() = folder; }

QString WorkFolder() {
  if (!WorkFolderOverride().isEmpty()) return WorkFolderOverride();
  const QString executableFolder = ExecutableFolder();
  if (CurrentLayout() == ProgramLayout::Beside && QFileInfo(executableFolder).isWritable()) return executableFolder;
  QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.zorbit");
  QDir().mkpath(data);
  return data;
}

QString EnterWorkFolder() {
  const QString folder = WorkFolder();
  QDir::setCurrent(folder);
  return folder;
}
