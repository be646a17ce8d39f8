// SPDX-License-Identifier: MIT
#include "shell/graph_panel.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QToolButton>

#include "graphics/operation_graphs.h"
#include "graphics/plane_box.h"
#include "platform/qtext.h"
#include "shell/panel_widgets.h"
#include "text/complex_text.h"

GraphPanel::GraphPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PGraf"));
  setProperty("panelColor", PanelColors::Graph);
  setProperty("cardBorder", QColor(0xb4, 0xbf, 0xcf));
  // The border's pixel stays clear of what the panel holds.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  EtZ = ::Box(this, QStringLiteral("EtZ"), true);
  EtZ->setAlignment(Qt::AlignCenter);
  BtGrf = PictureButton(this, QStringLiteral("BtGrf"), ButtonPicture::SaveImage, QStringLiteral("Save the graph"));
  BtGrf->setEnabled(false);
  PBox0 = Named(new PlaneBox(this, true), QStringLiteral("PBox0"));
  PBox0->setAccessibleDescription(
      QStringLiteral("Drag the tip of the arrow, or move it with the arrow keys, and press Enter to keep the complex; "
                     "Esc cancels. The wheel zooms, dragging the plane moves it, Home fits it again."));
  Describe(QString());
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
  connect(PBox0, &PictureBox::Resized, this, &GraphPanel::Redraw);
}

Surface& GraphPanel::surface() { return PBox0->surface(); }

void GraphPanel::Describe(const QString& what) {
  PBox0->setAccessibleName(what.isEmpty() ? QStringLiteral("complex plane") : QStringLiteral("complex plane: ") + what);
}

void GraphPanel::Show(Shows shows, std::function<PlaneScale()> drawing) {
  shows_ = shows;
  drawing_ = std::move(drawing);
  Redraw();
}

void GraphPanel::Redraw() {
  if (!drawing_) return;
  Scale = drawing_();
  PBox0->SetScale(Scale);
}

void GraphPanel::ResetGraphPanel() {
  PBox0->View.Fit();
  Show(Shows::Plane, [this] { return ::ResetGraphPanel(PBox0->surface(), PBox0->View.Window()); });
  Describe(QString());
}

void GraphPanel::ShowComplex(Shows shows, const Cplx& z, const QString& label) {
  shown_ = z;
  label_ = label;
  Show(shows, [this, z, label] {
    return ::ShowInGraphPanel(PBox0->surface(), z, label, PBox0->View.Window()).value_or(Scale);
  });
  EtZ->setText(ToQ(CartText(z, 2)));
  Describe(EtZ->text());
}

void GraphPanel::ShowInGraphPanel(const Cplx& z, const QString& label) {
  BtGrf->setEnabled(true);
  // 0 + 0i draws nothing: the panel keeps its picture, its caption and its view.
  if (!::ShowInGraphPanel(PBox0->surface(), z, label)) return;
  PBox0->View.Fit();
  ShowComplex(Shows::Complex, z, label);
}

void GraphPanel::ShowPower(const Cplx& base, double exponent, const Cplx& result) {
  BtGrf->setEnabled(true);
  PBox0->View.Fit();
  shown_ = result;
  Show(Shows::Result, [this, base, exponent, result] {
    return DrawPowerGraph(PBox0->surface(), base, exponent, result, PBox0->View.Window());
  });
}

void GraphPanel::ShowCombined(const Cplx& value, const QString& formula) {
  BtGrf->setEnabled(true);
  PBox0->View.Fit();
  shown_ = value;
  // A long formula names the arrow by its start; the caption holds it whole.
  const QString label = formula.size() > 14 ? formula.left(12) + QChar(0x2026) : formula;
  Show(Shows::Result, [this, value, label] {
    Surface& surface = PBox0->surface();
    const PlaneWindow& view = PBox0->View.Window();
    if (const auto drawn = ::ShowInGraphPanel(surface, value, label, view)) return *drawn;
    return ::ResetGraphPanel(surface, view);
  });
  EtZ->setText(formula);
  Describe(formula);
}

void GraphPanel::ShowMoved(const Cplx& z) {
  BtGrf->setEnabled(true);
  ShowComplex(Shows::Complex, z, label_);
}

void GraphPanel::ShowRoots(const Cplx& first, double step, int n) {
  PBox0->View.Fit();
  Show(Shows::Roots, [this, first, step, n] { return DrawRootsGraph(PBox0->surface(), first, step, n, PBox0->View.Window()); });
  Describe(QStringLiteral("roots"));
}

void GraphPanel::SetCaption(const QString& caption) {
  EtZ->setText(caption);
  if (shows_ != Shows::Plane && shows_ != Shows::Nothing) Describe(caption);
}

void GraphPanel::ClearPicture() {
  Show(Shows::Nothing, [this] {
    PBox0->surface().Clear();
    return PlaneScale{};
  });
}

void GraphPanel::Empty() {
  ClearPicture();
  EtZ->clear();
  BtGrf->setEnabled(false);
  Describe(QString());
}
