// SPDX-License-Identifier: MIT
#include "shell/graph_panel.h"

#include <QGridLayout>
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
  EtZ = ::Box(this, QStringLiteral("EtZ"), true);
  EtZ->setAlignment(Qt::AlignCenter);
  BtGrf = PictureButton(this, QStringLiteral("BtGrf"), ButtonPicture::SaveImage, QStringLiteral("Save the graph"));
  BtGrf->setEnabled(false);
  PBox0 = Named(new PictureBox(this, true), QStringLiteral("PBox0"));
  PBox0->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  PBox0->setMinimumSize(120, 90);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 6, 8, 8);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(6);
  grid->addWidget(EtZ, 0, 0);
  grid->addWidget(BtGrf, 0, 1);
  grid->addWidget(PBox0, 1, 0, 1, 2);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);

  connect(BtGrf, &QToolButton::clicked, this, &GraphPanel::SaveAsked);
  connect(PBox0, &PictureBox::Resized, this, [this] {
    if (drawing_) drawing_();
  });
}

Surface& GraphPanel::surface() { return PBox0->surface(); }

void GraphPanel::Show(std::function<void()> drawing) {
  drawing_ = std::move(drawing);
  drawing_();
}

void GraphPanel::ResetGraphPanel() {
  Show([this] { Scale = ::ResetGraphPanel(PBox0->surface()); });
}

void GraphPanel::ShowInGraphPanel(const Cplx& z, const QString& label) {
  BtGrf->setEnabled(true);
  // 0 + 0i draws nothing: the panel keeps its picture and its caption.
  const std::optional<PlaneScale> drawn = ::ShowInGraphPanel(PBox0->surface(), z, label);
  if (!drawn) return;
  Scale = *drawn;
  drawing_ = [this, z, label] { Scale = ::ShowInGraphPanel(PBox0->surface(), z, label).value_or(Scale); };
  EtZ->setText(ToQ(CartText(z, 2)));
}

void GraphPanel::ShowPower(const Cplx& base, double exponent, const Cplx& result) {
  BtGrf->setEnabled(true);
  Show([this, base, exponent, result] { Scale = DrawPowerGraph(PBox0->surface(), base, exponent, result); });
}

void GraphPanel::ShowCombined(const Cplx& value, const QString& formula) {
  BtGrf->setEnabled(true);
  // A long formula names the arrow by its start; the caption holds it whole.
  const QString label = formula.size() > 14 ? formula.left(12) + QChar(0x2026) : formula;
  Show([this, value, label] {
    Surface& surface = PBox0->surface();
    if (const auto drawn = ::ShowInGraphPanel(surface, value, label)) Scale = *drawn;
    else Scale = ::ResetGraphPanel(surface);
  });
  EtZ->setText(formula);
}

void GraphPanel::ShowRoots(const Cplx& first, double step, int n) {
  Show([this, first, step, n] { Scale = DrawRootsGraph(PBox0->surface(), first, step, n); });
}

void GraphPanel::SetCaption(const QString& caption) { EtZ->setText(caption); }

void GraphPanel::ClearPicture() {
  Show([this] { PBox0->surface().Clear(); });
}

void GraphPanel::Empty() {
  ClearPicture();
  EtZ->clear();
  BtGrf->setEnabled(false);
}
