// SPDX-License-Identifier: MIT
// The four graph windows of the binary operations: creation beside the main window, their
// drawings, and the Graphs option.
#include <QCheckBox>
#include <QStyle>
#include <algorithm>

#include "graphics/operation_graphs.h"
#include "graphics/plane.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "shell/form1.h"

namespace {

// The outer height of a graph window as the spare window has it: its frame once it has one, or
// the designed client area plus a title bar like the main window's.
int SpareOuterHeight(const Form1& form) {
  const FGraf* spare = nullptr;
  for (const FGraf* window : form.findChildren<FGraf*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!window->Linked()) spare = window;
  }
  int titleBar = form.frameGeometry().height() - form.geometry().height();
  if (titleBar <= 0 && !form.isVisible()) titleBar = form.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  if (spare != nullptr) {
    const int framed = spare->frameGeometry().height();
    return framed > spare->height() ? framed : spare->height() + std::max(titleBar, 0);
  }
  return TwipsToPixelsRounded(FGraf::DesignHeight) + std::max(titleBar, 0);
}

}  // namespace

void Form1::CreateGraphWindows() {
  for (int k = 0; k < 4; ++k) CreateGraphWindow(k);
}

// A new window takes index k; the one it replaces (closed by the user, or hidden by the Graphs
// option) goes away with it.
void Form1::CreateGraphWindow(int k) {
  if (k < 0 || k > 3) return;
  if (FGraf* previous = GraphWindows[k]) {
    previous->hide();
    previous->deleteLater();
  }
  auto* window = new FGraf(this);
  GraphWindows[k] = window;
  SetUpGraphWindow(*window, k, OpCaptions[k], windowIcon(), this);
  graphWindowShown_[k] = false;
  PlaceGraphWindow(k);
}

// To the right of the main window, the four stacked downwards a tenth of their height apart.
// Windows made at load are placed again when first shown, once the main window has its frame and
// may have been moved.
void Form1::PlaceGraphWindow(int k) {
  FGraf* window = GraphWindows[k];
  if (window == nullptr) return;
  window->move(GraphWindowPosition(frameGeometry(), k, SpareOuterHeight(*this)));
}

void Form1::AccioGrf(const QString& tag) {
  bool ok = false;
  const int k = tag.toInt(&ok);
  if (!ok || k < 0 || k > 3) return;
  DrawBinaryGraph(k);
}

void Form1::DrawBinaryGraph(int k) {
  FGraf* window = GraphWindows[k];
  if (window == nullptr) return;
  Surface& surface = window->PBox->surface();
  const BinaryCalc& calc = Last.Binary;
  if (calc.Defined[static_cast<std::size_t>(k)]) {
    ::DrawBinaryGraph(surface, calc.Z1, calc.Z2, calc.Results[static_cast<std::size_t>(k)]);
    return;
  }
  // No result to draw (Z1 ÷ 0, or beyond the range of numbers): the operands alone, and a line
  // that says why.
  double r = 1.1 * LargestComponent(calc.Z1, calc.Z2, calc.Z2);
  if (!(r > 0)) r = 5;
  surface.SetForeColor(ProjectionGrey);
  NewPlane(surface, -r, -r, r, r);
  surface.SetForeColor(OperandBlue);
  DrawComplexVector(calc.Z1, surface);
  surface.SetForeColor(OperandBlue);
  DrawComplexVector(calc.Z2, surface);
  // Small, in the bottom left corner, clear of the operands' arrows as far as it can be.
  const double size = surface.FontSize();
  surface.SetFontSize(7);
  surface.SetForeColor(ResultRed);
  const QString note = QStringLiteral("not defined: ") + BinaryFailureReason(k);
  surface.CurrentX = 45;
  surface.CurrentY = surface.ScaleHeight() - surface.TextHeight(note) - 30;
  surface.Print(note);
  surface.SetFontSize(size);
}

void Form1::OpGrfs_Click() {
  GraphsOn = OpGrfs->isChecked();
  for (int k = 0; k < 4; ++k) {
    if (!GraphsOn) {
      if (GraphWindows[k] != nullptr) GraphWindows[k]->hide();
    } else if (BinaryResultsReady) {
      CreateGraphWindow(k);
      graphWindowShown_[k] = true;
      GraphWindows[k]->show();  // the window asks for its graph
    }
  }
}
