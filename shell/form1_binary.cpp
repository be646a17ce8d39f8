// SPDX-License-Identifier: MIT
// The binary operations panel and its results table.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <limits>

#include "graphics/text_grid.h"
#include "platform/picture_box.h"
#include "platform/qtext.h"
#include "shell/form1.h"
#include "text/complex_text.h"

namespace {
const QString NotDefined = QStringLiteral("not defined");
}  // namespace

// Why result k of the last calculation does not exist: a divisor of 0, or a result beyond the
// range of numbers (a product of two huge complexes).
QString Form1::BinaryFailureReason(int k) const {
  if (k == OpDivide && Last.Binary.Z2.Mod == 0) return QStringLiteral("Z2 = 0");
  return QStringLiteral("too large");
}

// The read-only table of the four results: one row per operation, cartesian and polar columns.
void Form1::InitResultsTable() {
  ResultsTable = std::make_unique<TextGrid>();
  ResultsTable->ReadOnly = true;
  Surface& surface = PBTblOp2->surface();
  surface.SetFontName(ResultsTableFontName());
  surface.SetFontSize(ResultsTableFontSize);
  GridInit(*ResultsTable, PBTblOp2, TxtTblOp2, 4, 2, 2000);
}

// Every change of Z1 or Z2, the user's or the program's, empties the table; the last results
// stay behind it for a double-click and for the graphs.
void Form1::LstZ_ClickBinary(int index, const Cplx& z) {
  GridClear(*ResultsTable);
  auto& boxes = index == 0 ? IdZ1 : IdZ2;
  for (int f = 0; f < 2; ++f) boxes[f]->setText(ToQ(CplxText(z, 2, static_cast<std::int16_t>(f))));
}

void Form1::OkOp2_Click() {
  const int a = LstZ[0]->currentIndex();
  const int b = LstZ[1]->currentIndex();
  if (a < 0 || b < 0) return;
  GridClear(*ResultsTable);
  UpdateBinaryResults(Store.At(a + 1), Store.At(b + 1));

  // An exercise needs all four results: after a division by a zero Z2 there is none to write.
  const bool complete = Last.Binary.Complete();
  BtG2->setEnabled(complete);
  OpG[0]->setEnabled(complete);
  PBTblOp2->setToolTip(QStringLiteral("Dbl Click: incorpora complejo"));
  for (int i = 1; i <= 5; ++i) GGr[i]->setEnabled(true);
}

void Form1::UpdateBinaryResults(const Cplx& z1, const Cplx& z2) {
  BinaryResultsReady = true;
  Last.Binary = CalcBinary(z1, z2);
  for (int k = 0; k < 4; ++k) {
    const Cplx& result = Last.Binary.Results[static_cast<std::size_t>(k)];
    if (Last.Binary.Defined[static_cast<std::size_t>(k)]) {
      GridSetCell(ToQ(CartText(result, 2)), *ResultsTable, k, 0);
      GridSetCell(ToQ(PolarText(result, 2)), *ResultsTable, k, 1);
    } else {
      // The row says so.
      GridSetCell(NotDefined, *ResultsTable, k, 0);
      GridSetCell(QStringLiteral("(") + BinaryFailureReason(k) + QStringLiteral(")"), *ResultsTable, k, 1);
    }
    if (!GraphsOn) continue;
    if (GraphWindows[k] == nullptr || GraphWindows[k]->Tag.isEmpty()) CreateGraphWindow(k);
    FGraf* window = GraphWindows[k];
    if (window->isVisible()) {
      DrawBinaryGraph(k);
    } else {
      if (!graphWindowShown_[k]) PlaceGraphWindow(k);
      graphWindowShown_[k] = true;
      window->show();  // the window asks for its graph
    }
  }
}

void Form1::PBTblOp2_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) {
  GridMouseDown(*ResultsTable, x, y);
}

// The row clicked comes back as a new letter, as long as a calculation has been made since the
// last reset (the exercise button says the same, except after a failed operation); a row whose
// operation failed has nothing to give.
void Form1::PBTblOp2_DblClick() {
  const int r = ResultsTable->CurRow;
  if (!BinaryResultsReady || r < 0 || r > 3 || !Last.Binary.Defined[static_cast<std::size_t>(r)]) return;
  IncorporateCplx(Last.Binary.Results[static_cast<std::size_t>(r)]);
}

void Form1::POpBin_DblClick() {
  for (FGraf* window : GraphWindows) {
    if (window != nullptr && window->isVisible()) {
      window->raise();
      window->activateWindow();
    }
  }
}

void Form1::TxtTblOp2_KeyDown(int keyCode) { GridEditorKeyDown(*ResultsTable, keyCode); }

void Form1::RstBin() {
  for (int f = 0; f < 2; ++f) {
    IdZ1[f]->clear();
    IdZ2[f]->clear();
  }
  GridClear(*ResultsTable);
  BtG2->setEnabled(false);
  BinaryResultsReady = false;
}
