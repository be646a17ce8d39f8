// SPDX-License-Identifier: MIT
#include "graphics/fgraf.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

#include "graphics/operation_graphs.h"
#include "graphics/plane_box.h"
#include "platform/picture_box.h"
#include "platform/twips.h"

FGraf::FGraf(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FGraf"));
  setWindowTitle(QStringLiteral("Graf"));
  PBox = new PlaneBox(this);
  PBox->setObjectName(QStringLiteral("PBox"));
  // The picture fills the client area, whatever its size.
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(PBox);
  resize(TwipsToPixelsRounded(DesignWidth), TwipsToPixelsRounded(DesignHeight));
  fill->activate();
  connect(PBox, &PictureBox::Resized, this, &FGraf::PBox_Resized);
}

void FGraf::Linka(GraphSource* source) { source_ = source; }

void FGraf::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // While the window is being shown the show event asks for the graph; one drawing is enough.
  if (isVisible()) Form_Resize();
}

void FGraf::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) Form_Resize();
}

void FGraf::closeEvent(QCloseEvent* event) {
  Form_Unload();
  QWidget::closeEvent(event);
}

void FGraf::Form_Resize() {
  // The layout has given the picture the new client area before the window hears of its size.
  AskForGraph();
}

void FGraf::Form_Unload() { Tag.clear(); }

void FGraf::AskForGraph() {
  // A closed window has given up its operation: it asks for nothing until it is set up again.
  if (source_ == nullptr || Tag.isEmpty()) return;
  Surface& surface = PBox->surface();  // sized to the client area before drawing
  drawnRatio_ = surface.Image().devicePixelRatio();
  source_->AccioGrf(Tag);
}

void FGraf::PBox_Resized() {
  // A move to a screen of another resolution resets the picture: draw it again, crisp.
  // Only a window that has drawn before; the first drawing comes with the show event.
  if (drawnRatio_ > 0 && isVisible() && PBox->surface().Image().devicePixelRatio() != drawnRatio_) AskForGraph();
}

QPointF GraphWindowPositionTwips(double mainLeft, double mainTop, double mainWidth, int k, double h) {
  // The left edge is a whole number, as the window system takes it.
  const double left = std::round(mainLeft + mainWidth + 100);
  return {left, k * h * 1.1 + (mainTop - 100)};
}

QPoint GraphWindowPosition(const QRect& mainFrame, int k, int spareOuterHeight) {
  const QPointF twips =
      GraphWindowPositionTwips(PixelsToTwips(mainFrame.left()), PixelsToTwips(mainFrame.top()),
                               PixelsToTwips(mainFrame.width()), k, PixelsToTwips(spareOuterHeight));
  return {TwipsToPixelsRounded(twips.x()), TwipsToPixelsRounded(twips.y())};
}

void SetUpGraphWindow(FGraf& window, int k, const QString& caption, const QIcon& icon, GraphSource* source) {
  window.setWindowIcon(icon);
  window.setWindowTitle(caption);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, BinaryGraphColor(k));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.PBox->surface().SetBackColor(BinaryGraphPaper(k));
  window.Linka(source);
  window.Tag = QString::number(k);
}
