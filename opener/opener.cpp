// SPDX-License-Identifier: MIT
#include "opener/opener.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <cstdio>

namespace {
constexpr qsizetype MaxPathChars = 255;

// The first `count` characters, never cutting a character made of two UTF-16 units in half.
QString FirstChars(const QString& text, qsizetype count) {
  qsizetype units = 0;
  for (qsizetype chars = 0; units < text.size() && chars < count; ++chars)
    units += text[units].isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
  return text.left(units);
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Whether a message box can be seen: a desktop session to show it on.
bool DisplayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// On a Linux desktop the window system is reached only to report a failure, so that Kovel also
// runs where there is no screen.
void ReportNotFound(int argc, char** argv, const QString& path) {
  std::fprintf(stderr, "Not found: %s\n", path.toLocal8Bit().constData());
  if (!DisplayAvailable()) return;
  // Fall back to no screen at all rather than abort when the session cannot be reached.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb;offscreen" : "wayland;xcb;offscreen");
  QApplication app(argc, argv);
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Not found"), path, QMessageBox::Ok);
  box.exec();
}
#endif
}  // namespace

QString FolderToOpen(const QString& argument, const QString& currentFolder) {
  QString path = FirstChars(argument, MaxPathChars);
  if (!path.contains(QLatin1Char('.'))) return path;
  const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
  if (separator >= 0) return path.left(separator + 1);
  QString folder = QDir::toNativeSeparators(currentFolder);
  if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
  return folder;
}

bool OpenWithDesktop(const QString& path) {
  QString local = path;
#ifndef Q_OS_WIN
  local.replace(QLatin1Char('\\'), QLatin1Char('/'));  // "\" separates folders here too
#endif
  if (local.isEmpty() || !QFileInfo::exists(local)) return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // The desktop's opener, with the path as its one argument: no shell reads the path.
  auto* opener = new QProcess;
  opener->setProgram(QStringLiteral("xdg-open"));
  opener->setArguments({local});
  opener->start();
  if (!opener->waitForStarted(5000)) {
    delete opener;
    return false;
  }
  if (!opener->waitForFinished(10000)) {
    // Some openers stay with the browser they started; it is left running (the process object
    // is not destroyed, since that would end it) and counted as opened.
    return true;
  }
  const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
  delete opener;
  return opened;
#else
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(local).absoluteFilePath()));
#endif
}

int OpenerMain(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  QString path;
  bool opened = false;
  {
    QCoreApplication core(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    path = FolderToOpen(arguments.size() > 1 ? arguments[1] : QString(), QDir::currentPath());
    opened = OpenWithDesktop(path);
  }
  if (!opened) ReportNotFound(argc, argv, path);
#else
  QApplication app(argc, argv);  // the desktop services and the message box want the window system
  const QStringList arguments = QCoreApplication::arguments();
  const QString path = FolderToOpen(arguments.size() > 1 ? arguments[1] : QString(), QDir::currentPath());
  if (!OpenWithDesktop(path)) {
    std::fprintf(stderr, "Not found: %s\n", path.toLocal8Bit().constData());
    QMessageBox(QMessageBox::NoIcon, QStringLiteral("Not found"), path, QMessageBox::Ok).exec();
  }
#endif
  return 0;
}
