// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QtTest>
#include <cstdio>

// What the tests of windows rely on, checked once before they run: the offscreen platform with its
// screen (sizes in pixels and twips assume it), the DejaVu fonts the windows write in (captions
// are measured in them), and the companion programs a test names (pdftotext, to read PDFs back).
// When something is missing the test program says what and ends with the code ctest counts as
// skipped.
inline constexpr int EnvironmentMissingCode = 77;

inline QString MissingEnvironment(bool windows, const QStringList& programs) {
  if (windows) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
      return QStringLiteral("the window tests run on the offscreen platform (QT_QPA_PLATFORM=offscreen), not on %1")
          .arg(QGuiApplication::platformName());
    if (QGuiApplication::primaryScreen() == nullptr) return QStringLiteral("the offscreen platform offers no screen");
    if (QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family() != QLatin1String("DejaVu Sans"))
      return QStringLiteral("the DejaVu Sans font is not installed (Debian: fonts-dejavu-core)");
  }
  for (const QString& program : programs)
    if (QStandardPaths::findExecutable(program).isEmpty())
      return QStringLiteral("%1 is not installed (Debian: poppler-utils)").arg(program);
  return QString();
}

inline bool EnvironmentReady(bool windows, const QStringList& programs = {}) {
  const QString missing = MissingEnvironment(windows, programs);
  if (missing.isEmpty()) return true;
  std::fprintf(stderr, "SKIP: %s\n", qPrintable(missing));
  return false;
}

// QTEST_MAIN for a test of windows, with the companion programs it needs, if any.
#define ZORBIT_WINDOW_TEST_MAIN(TestObject, ...) \
  QTEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP() if (!EnvironmentReady(true, {__VA_ARGS__})) return EnvironmentMissingCode;)

// QTEST_GUILESS_MAIN for a test that needs companion programs.
#define ZORBIT_GUILESS_TEST_MAIN(TestObject, ...)                      \
  QTEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication) \
                                     if (!EnvironmentReady(false, {__VA_ARGS__})) return EnvironmentMissingCode;)
