// SPDX-License-Identifier: MIT
#include "platform/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "platform/program_folder.h"

QFunctionPointer ModuleFunction(const char* module, const char* function) {
  // The companions' folder; then, for a program whose folder was pointed elsewhere (the tests),
  // the running program's own folder in either layout.
  const QString running = QCoreApplication::applicationDirPath();
  const QString name = QString::fromLatin1(module);
  for (const QString& folder :
       {CompanionFolder(), running, QDir(running).filePath(QStringLiteral(ZORBIT_COMPANIONS_FROM_PROGRAM))}) {
    QLibrary library(QDir(folder).filePath(name));
    if (const QFunctionPointer found = library.resolve(function)) return found;
  }
  return nullptr;
}
