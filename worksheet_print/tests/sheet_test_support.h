// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtTest>

#include "worksheet/worksheet.h"

// A sheet made from a seed with the given counts and, where given, other options.
inline Worksheet SeededSheet(std::uint64_t seed, std::array<int, ExerciseKindCount> counts, int decimals = 2,
                             WorksheetOptions options = {}) {
  options.Seed = seed;
  options.Counts = counts;
  options.Decimals = decimals;
  Worksheet sheet;
  std::string error;
  if (!MakeWorksheet(options, sheet, error)) qFatal("no sheet: %s", error.c_str());
  return sheet;
}

// The text of a PDF as poppler's pdftotext reads it, pages separated by form feeds; with
// `layout`, each line of the page a line of text.
inline QString PdfText(const QString& path, bool layout = false) {
  QProcess process;
  QStringList arguments = {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")};
  if (layout) arguments.prepend(QStringLiteral("-layout"));
  process.start(QStringLiteral("pdftotext"), arguments);
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPages(const QString& path) {
  const QString text = PdfText(path);
  return static_cast<int>(text.count(QLatin1Char('\f')));
}
