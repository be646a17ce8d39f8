// SPDX-License-Identifier: MIT
#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& FolderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QString ExecutableFolder() {
  if (!FolderOverride().isEmpty()) return FolderOverride();
  const QString fromEnvironment = qEnvironmentVariable("ZORBIT_PROGRAM_DIR");
  if (!fromEnvironment.isEmpty()) return QDir::cleanPath(fromEnvironment);
  return QCoreApplication::applicationDirPath();
}

void SetExecutableFolder(const QString& folder) { FolderOverride() = folder; }

QString WorkFolder() {
  const QString executableFolder = ExecutableFolder();
  if (QFileInfo(executableFolder).isWritable()) return executableFolder;
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
