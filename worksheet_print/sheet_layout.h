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
  // What the page holds, for whoever checks how the pages were filled: the version (0 for A),
  // whether it is a page of the answer keys, where its last block ends and how tall its first
  // block is (0 when a heading comes first).
  int Version = 0;
  bool Key = false;
  double Used = 0;
  double FirstBlock = 0;
};

struct SheetLayout {
  QString Title;  // the sheet's title, for the PDF's properties
  QPageSize PageSize;
  double Width = 0;   // paper, twips
  double Height = 0;
  double Bottom = 0;  // the lowest a block may end
  double Gap = 0;     // between two answers
  std::vector<SheetPage> Pages;
  int FirstAnswerPage = 0;  // index of the page that starts the first answer key
};

struct LayoutOptions {
  QPageSize PageSize = QPageSize(QPageSize::A4);
  bool Graphs = false;  // a small graph of the operation under each answer
  WorkSpace Space = WorkSpace::None;  // blank room under each exercise
};

// Lays out each version's sheet on pages of its own: the title, "Version A" when there are
// several, name and date lines, the instructions and the numbered exercises, each with its
// room to work; then each version's answer key on new pages, labelled with its version, each
// answer in cartesian and polar form, with its working and graphs when asked for. Graphs are
// drawn as the graph windows draw them, as lines; everything else is text runs.
SheetLayout LayOutWorksheet(const Worksheet& sheet, const LayoutOptions& options);
