// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// What the built Zorbit answered: its exit code (-1 when it crashed or did not end) and what it
// wrote.
struct Outcome {
  int Code = -1;
  QString Out;
  QString Err;
};

// Runs the built Zorbit (ZORBIT_PROGRAM_DIR) as a script would, with no display at all, in
// `folder` (the current one when empty).
inline Outcome RunZorbit(const QStringList& arguments, const QString& folder = QString()) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QLatin1String(name));
  process.setProcessEnvironment(environment);
  if (!folder.isEmpty()) process.setWorkingDirectory(folder);
  process.start(QDir(qEnvironmentVariable("ZORBIT_PROGRAM_DIR")).filePath(QStringLiteral("Zorbit")), arguments);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}
