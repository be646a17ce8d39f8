// SPDX-License-Identifier: MIT
#include "graphics/text_grid.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "graphics/draw_formula.h"
#include "platform/picture_box.h"
#include "platform/program_font.h"
#include "platform/twips.h"

namespace {
const QColor GridLineColor(200, 200, 200);

// Places the editor at (left, top) twips of the grid's surface, whichever of the surface or
// its container holds the editor.
void PlaceEditor(TextGrid& grid, double left, double top) {
  QPoint at(TwipsToPixelsRounded(left), TwipsToPixelsRounded(top));
  QWidget* holder = grid.Editor->parentWidget();
  if (holder != nullptr && holder != grid.Surface && holder->isAncestorOf(grid.Surface))
    at = grid.Surface->mapTo(holder, at);
  grid.Editor->move(at);
}

bool Valid(const TextGrid& grid, int row, int col) {
  return row >= 0 && row < grid.Rows && col >= 0 && col < grid.Cols;
}

// Shows the full texts of the row under the mouse when one of them is cut; the surface's own
// tooltip otherwise.
class RowTips : public QObject {
 public:
  RowTips(TextGrid& grid, QObject* parent) : QObject(parent), grid_(grid) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || grid_.Surface == nullptr) return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const double inset = TwipsToPixels(grid_.Surface->surface().Border() / 2);
    const double y = PixelsToTwips(help->pos().y() - inset);
    const int row = static_cast<int>(std::floor(y / GridRowHeight));
    const QString tip = GridRowTip(grid_, row);
    if (tip.isEmpty()) return QObject::eventFilter(watched, event);
    QToolTip::showText(help->globalPos(), tip, grid_.Surface);
    return true;
  }

 private:
  TextGrid& grid_;
};
}  // namespace

void GridInit(TextGrid& grid, PictureBox* surface, QLineEdit* editor, int rows, int cols, double colWidth) {
  grid.Rows = std::max(0, rows);
  grid.Cols = std::max(0, cols);
  grid.CurRow = 0;
  grid.CurCol = 0;
  grid.ColWidth = colWidth;
  grid.Cells.assign(static_cast<std::size_t>(grid.Rows), std::vector<QString>(static_cast<std::size_t>(grid.Cols)));
  grid.Cut.assign(static_cast<std::size_t>(grid.Rows), std::vector<bool>(static_cast<std::size_t>(grid.Cols)));
  grid.Surface = surface;
  grid.Editor = editor;
  Surface& s = surface->surface();
  const double border = s.Width() - s.ScaleWidth();
  const double half = border / 2;
  s.SetOuterSize(grid.Cols * colWidth + border, grid.Rows * GridRowHeight + border);
  editor->hide();
  editor->setReadOnly(grid.ReadOnly);
  // A cell is only 260 twips high: a framed box would cut the text.
  editor->setFrame(false);
  // A read-only grid never opens its editor, which then needs no font of its own: laying its
  // (empty) text out in one would load that font for nothing.
  if (!grid.ReadOnly) {
    QFont font(s.FontName());
    font.setPointSizeF(s.FontSize());
    editor->setFont(font);
  }
  editor->resize(TwipsToPixelsRounded(colWidth - half), TwipsToPixelsRounded(GridRowHeight - half));
  PlaceEditor(grid, 0, 0);
  // One set of row tips per surface, for the grid last laid on it.
  const QString tipsName = QStringLiteral("GridRowTips");
  delete surface->findChild<QObject*>(tipsName, Qt::FindDirectChildrenOnly);
  auto* tips = new RowTips(grid, surface);
  tips->setObjectName(tipsName);
  surface->installEventFilter(tips);
  GridDrawLines(grid);
}

void GridDrawLines(TextGrid& grid) {
  Surface& s = grid.Surface->surface();
  const QColor previous = s.ForeColor();
  s.SetForeColor(GridLineColor);
  for (int i = 1; i < grid.Rows; ++i) s.Line(0, i * GridRowHeight, s.Width(), i * GridRowHeight);
  for (int k = 1; k < grid.Cols; ++k) s.Line(k * grid.ColWidth, 0, k * grid.ColWidth, s.Height());
  s.SetForeColor(previous);
}

void GridDrawCell(TextGrid& grid, int row, int col) {
  if (!Valid(grid, row, col)) return;
  Surface& s = grid.Surface->surface();
  const double left = col * grid.ColWidth;
  const double top = row * GridRowHeight;
  // Some room on each side keeps the text off the lines, and whatever is too long for the cell
  // off its neighbours; the lines stand half a pixel into the next cell.
  const double pixel = TwipsPerPixel();
  const double right = left + grid.ColWidth - 2 * pixel;
  s.SetClip(left + 2 * pixel, top + 2 * pixel, right - left - 2 * pixel, GridRowHeight - 3 * pixel);
  const double end = DrawFormulaLine(s, left + GridTextInsetX, top + GridTextInsetY, grid.Cells[row][col]);
  s.ClearClip();
  grid.Cut[row][col] = end > right;
}

QString GridRowTip(const TextGrid& grid, int row) {
  if (row < 0 || row >= grid.Rows) return QString();
  const auto& cut = grid.Cut[row];
  if (std::find(cut.begin(), cut.end(), true) == cut.end()) return QString();
  QStringList texts;
  for (const QString& text : grid.Cells[row])
    if (!text.isEmpty()) texts << text;
  return texts.join(QLatin1Char('\n'));
}

void GridSetCell(const QString& text, TextGrid& grid, int row, int col) {
  if (!Valid(grid, row, col)) return;
  grid.Cells[row][col] = text;
  GridDrawCell(grid, row, col);
}

void GridCommitEdit(TextGrid& grid) {
  const QString t = grid.Editor->text();
  if (t.isEmpty() || !Valid(grid, grid.CurRow, grid.CurCol)) return;
  grid.Cells[grid.CurRow][grid.CurCol] = t;
  GridDrawCell(grid, grid.CurRow, grid.CurCol);
}

void GridSelectCell(TextGrid& grid, int row, int col) {
  GridCommitEdit(grid);
  grid.CurRow = row;
  grid.CurCol = col;
  if (grid.ReadOnly || !Valid(grid, row, col)) return;
  PlaceEditor(grid, col * grid.ColWidth + 15, row * GridRowHeight + 15);
  grid.Editor->setText(grid.Cells[row][col]);
  grid.Editor->show();
  grid.Editor->raise();
  grid.Editor->setFocus();
}

void GridClear(TextGrid& grid) {
  for (auto& row : grid.Cells)
    for (std::size_t j = 1; j < row.size(); ++j) row[j].clear();
  // Column 0 keeps its texts but is not printed again.
  for (auto& row : grid.Cut) std::fill(row.begin(), row.end(), false);
  grid.Surface->surface().Clear();
  grid.Editor->clear();
  GridDrawLines(grid);
}

void GridMouseDown(TextGrid& grid, double x, double y) {
  if (grid.Rows <= 0 || grid.Cols <= 0 || grid.ColWidth <= 0) return;
  // Clicks land on the drawable area, which is exactly the cells; rounding to whole pixels may
  // still reach the last edge, which belongs to the last cell.
  const int row = std::clamp(static_cast<int>(std::floor(y / GridRowHeight)), 0, grid.Rows - 1);
  const int col = std::clamp(static_cast<int>(std::floor(x / grid.ColWidth)), 0, grid.Cols - 1);
  GridSelectCell(grid, row, col);
}

bool GridEditorKeyDown(TextGrid& grid, int keyCode) {
  if (keyCode == 27) {
    grid.Editor->hide();
    return true;
  }
  if (keyCode != 13) return false;
  const int r = grid.CurRow;
  const int c = grid.CurCol;
  if (!Valid(grid, r, c)) return true;
  // The old text goes: the grid is drawn again without it, which leaves no trace of it, where
  // printing it over in the back colour would leave the edges of smoothed letters.
  grid.Cells[r][c].clear();
  Surface& s = grid.Surface->surface();
  s.Clear();
  for (auto& row : grid.Cut) std::fill(row.begin(), row.end(), false);
  GridDrawLines(grid);
  for (int i = 0; i < grid.Rows; ++i)
    for (int j = 0; j < grid.Cols; ++j)
      if (!grid.Cells[i][j].isEmpty()) GridDrawCell(grid, i, j);
  grid.Cells[r][c] = grid.Editor->text().isEmpty() ? QStringLiteral("0") : grid.Editor->text();
  GridDrawCell(grid, r, c);
  // Selecting the next cell would commit the same text into (r, c) again and print it over itself.
  grid.Editor->clear();
  int nextRow = r;
  int nextCol = c + 1;
  if (nextCol >= grid.Cols) {
    nextCol = 0;
    nextRow = (r + 1) % grid.Rows;
  }
  GridSelectCell(grid, nextRow, nextCol);
  return true;
}

QString ResultsTableFontName() { return ProgramFontFamily(); }
