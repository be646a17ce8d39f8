// SPDX-License-Identifier: MIT
#include "shell/graph_panel.h"

#include <QLineEdit>
#include <QToolButton>

#include "graphics/operation_graphs.h"
#include "platform/picture_box.h"
#include "platform/qtext.h"
#include "shell/panel_widgets.h"
#include "text/complex_text.h"

GraphPanel::GraphPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PGraf"));
  setStyleSheet(QStringLiteral("QFrame#PGraf { background-color: %1; border: 1px solid #b4bfcf; }")
                    .arg(PanelColors::Graph.name()));
  PlaceTwips(this, 90, 5700, 3900, 3510);
  EtZ = ::Box(this, QStringLiteral("EtZ"), 120, 120, 3120, true);
  EtZ->setAlignment(Qt::AlignCenter);
  BtGrf = PictureButton(this, QStringLiteral("BtGrf"), ButtonPicture::SaveImage, QStringLiteral("Save the graph"),
                        3300, 90);
  BtGrf->setEnabled(false);
  PBox0 = Named(new PictureBox(this, true), QStringLiteral("PBox0"));
  PlaceTwips(PBox0, 120, 570, 3660, 2820);
  connect(BtGrf, &QToolButton::clicked, this, &GraphPanel::SaveAsked);
}

Surface& GraphPanel::surface() { return PBox0->surface(); }

void GraphPanel::ResetGraphPanel() { ::ResetGraphPanel(PBox0->surface()); }

void GraphPanel::ShowInGraphPanel(const Cplx& z) {
  BtGrf->setEnabled(true);
  // 0 + 0i draws nothing: the panel keeps its picture and its caption.
  if (::ShowInGraphPanel(PBox0->surface(), z)) EtZ->setText(ToQ(CartText(z, 2)));
}

void GraphPanel::SetCaption(const QString& caption) { EtZ->setText(caption); }

void GraphPanel::Empty() {
  PBox0->surface().Clear();
  EtZ->clear();
  BtGrf->setEnabled(false);
}
