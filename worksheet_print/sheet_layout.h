// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPageSize>
#include <QString>
#include <vector>

#include "worksheet/worksheet.h"

// A worksheet laid out on pages once, then drawn alike on the preview, the printer and a PDF.
// Every position and size is in twips from the top left corner of the paper.

// A piece of text on one baseline.
struct SheetRun {
  double X = 0;
  double Baseline = 0;
  QString Text;
  QString FontName;
  double Points = 11;
  bool Bold = false;
  QColor Color = Qt::black;
};

struct SheetLine {
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  QColor Color = Qt::black;
  bool Dotted = false;
  double Width = 10;  // twips
};

struct SheetPage {
  std::vector<SheetRun> Runs;
  std::vector<SheetLine> Lines;
};

struct SheetLayout {
  QPageSize PageSize;
  double Width = 0;   // paper, twips
  double Height = 0;
  std::vector<SheetPage> Pages;
  int FirstAnswerPage = 0;  // index of the page that starts with "Answers"
};

struct LayoutOptions {
  QPageSize PageSize = QPageSize(QPageSize::A4);
  bool Graphs = false;  // a small graph of the operation under each answer
};

// The title line of every sheet.
inline const QString SheetTitle = QStringLiteral("Worksheet: complex numbers");

// Lays the exercises out, numbered from 1, then "Answers" on a new page with the same numbers,
// each answer in cartesian and polar form. Formulas are typeset by the formula renderer and
// graphs drawn as the graph windows draw them; both end up as text runs and lines.
SheetLayout LayOutWorksheet(const Worksheet& sheet, const LayoutOptions& options);

// The formula renderer's markup for an exercise's statement line or answer label.
QString StatementMarkup(const SheetExercise& exercise, const QString& line);
QString AnswerLabelMarkup(const SheetExercise& exercise, std::size_t answer);
// The typeset formula shown under a power or roots statement; empty for the other kinds.
QString ExerciseFormulaMarkup(const SheetExercise& exercise);
