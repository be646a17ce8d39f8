// SPDX-License-Identifier: MIT
// The graph panel of the main window and the graph windows it owns.
#include <QLineEdit>
#include <QToolButton>

#include "graphics/operation_graphs.h"
#include "platform/picture_box.h"
#include "platform/qtext.h"
#include "shell/form1.h"
#include "text/complex_text.h"

void Form1::ResetGraphPanel() { ::ResetGraphPanel(PBox0->surface()); }

void Form1::ShowInGraphPanel(const Cplx& z) {
  BtGrf->setEnabled(true);
  // 0 + 0i draws nothing: the panel keeps its picture and its caption.
  if (::ShowInGraphPanel(PBox0->surface(), z)) EtZ->setText(ToQ(CartText(z, 2)));
}
