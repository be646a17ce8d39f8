// SPDX-License-Identifier: MIT
// The binary operations panel and its results table.
#include "graphics/text_grid.h"
#include "platform/picture_box.h"
#include "shell/form1.h"

// The read-only table of the four results: one row per operation, cartesian and polar columns.
void Form1::InitResultsTable() {
  ResultsTable = std::make_unique<TextGrid>();
  ResultsTable->ReadOnly = true;
  Surface& surface = PBTblOp2->surface();
  surface.SetFontName(ResultsTableFontName());
  surface.SetFontSize(ResultsTableFontSize);
  GridInit(*ResultsTable, PBTblOp2, TxtTblOp2, 4, 2, 2000);
}

void Form1::LstZ_ClickBinary(int, const Cplx&) {}

void Form1::OkOp2_Click() {}

void Form1::PBTblOp2_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double, double) {}

void Form1::PBTblOp2_DblClick() {}

void Form1::POpBin_DblClick() {}

void Form1::TxtTblOp2_KeyDown(int) {}

void Form1::RstBin() {}
