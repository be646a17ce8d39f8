// SPDX-License-Identifier: MIT
#pragma once

#include "platform/program_font.h"

#include <QString>
#include <vector>

class PictureBox;
class QLineEdit;

// Every row of a grid is this many surface units (twips) high.
inline constexpr double GridRowHeight = 260;
// A cell's text stands this far from the cell's left and top lines.
inline constexpr double GridTextInsetX = 45;
inline constexpr double GridTextInsetY = 20;

// A small table drawn on a picture box, with a text box that floats over the current cell to edit
// it. A read-only grid never shows the text box; a click only selects a cell. A text is printed on
// one line and cut at its cell's edge; the row's tooltip then shows the row's texts in full.
struct TextGrid {
  int Rows = 0;
  int Cols = 0;
  std::vector<std::vector<QString>> Cells;  // [row][column], from 0
  PictureBox* Surface = nullptr;
  QLineEdit* Editor = nullptr;  // best a child of Surface: it is placed in its coordinates
  double ColWidth = 0;
  int CurRow = 0;
  int CurCol = 0;
  bool ReadOnly = false;  // set before GridInit
  std::vector<std::vector<bool>> Cut;  // [row][column]: the cell's text is wider than the cell
};

// The tooltip of a row: its texts in full, one per line; empty when none of them is cut.
QString GridRowTip(const TextGrid& grid, int row);

// Sizes the surface to exactly rows × cols cells (plus its border) and the editor to one cell,
// empties the cells and draws the lines.
void GridInit(TextGrid& grid, PictureBox* surface, QLineEdit* editor, int rows, int cols, double colWidth);
// The inner grid lines in 200, 200, 200; no outer frame.
void GridDrawLines(TextGrid& grid);
// Prints a cell's text inside its cell, clear of the grid lines, cut at the cell's edge; nothing
// is erased first.
void GridDrawCell(TextGrid& grid, int row, int col);
void GridSetCell(const QString& text, TextGrid& grid, int row, int col);
// Stores a non-empty editor text in the current cell and prints it.
void GridCommitEdit(TextGrid& grid);
// Commits, makes (row, col) current and, unless read-only, opens the editor there.
void GridSelectCell(TextGrid& grid, int row, int col);
// Empties the cells of columns 1 and up (column 0 keeps its texts), clears the surface and the
// editor, and draws the lines again.
void GridClear(TextGrid& grid);

// A mouse press at (x, y) in twips of the surface selects the cell under it.
void GridMouseDown(TextGrid& grid, double x, double y);
// Enter (13) stores the editor's text ("0" when empty) and moves to the next cell in reading
// order; Esc (27) hides the editor. Answers whether the key was one of them.
bool GridEditorKeyDown(TextGrid& grid, int keyCode);

// The font of the results table: the program's own family, as in every window.
QString ResultsTableFontName();
inline constexpr double ResultsTableFontSize = ProgramFontSize;
