// SPDX-License-Identifier: MIT
#include "graphics/fgraf.h"

#include <QCloseEvent>
#include <QSettings>
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
  setMinimumSize(SmallestGraphWindowSide, SmallestGraphWindowSide * 3 / 4);
  resize(TwipsToPixelsRounded(DesignWidth), TwipsToPixelsRounded(DesignHeight));
  fill->activate();
  connect(PBox, &PictureBox::Resized, this, &FGraf::PBox_Resized);
}

void FGraf::Linka(GraphSource* source) { source_ = source; }

void FGraf::ApplySize(const QSize& size) {
  applying_ = true;
  resize(size);
  applying_ = false;
}

void FGraf::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // While the window is being shown the show event asks for the graph; one drawing is enough.
  if (!isVisible()) return;
  Form_Resize();
  if (!applying_ && event->oldSize().isValid() && event->size() != event->oldSize()) emit SizeChosen(event->size());
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

namespace {
const QString SizeKey = QStringLiteral("graphs/size");

QSize Readable(QSize size) {
  return size.expandedTo(QSize(SmallestGraphWindowSide, SmallestGraphWindowSide * 3 / 4));
}
}  // namespace

QSize StoredGraphWindowSize() {
  const QSize designed(TwipsToPixelsRounded(FGraf::DesignWidth), TwipsToPixelsRounded(FGraf::DesignHeight));
  const QSize stored = QSettings().value(SizeKey, designed).toSize();
  return stored.isValid() ? Readable(stored).boundedTo(QSize(8000, 8000)) : designed;
}

void StoreGraphWindowSize(const QSize& size) { QSettings().setValue(SizeKey, Readable(size)); }

QString GraphWindowCaption(int k) {
  switch (k) {
    case 0: return QStringLiteral("Sum  Z1 + Z2");
    case 1: return QStringLiteral("Difference  Z1 \u2212 Z2");
    case 2: return QStringLiteral("Product  Z1 \u00b7 Z2");
    case 3: return QStringLiteral("Quotient  Z1 \u00f7 Z2");
    default: return QStringLiteral("Graf");
  }
}

QPoint GraphWindowPlace(const QRect& mainFrame, int k, const QSize& outer, const QRect& available) {
  const int gap = TwipsToPixelsRounded(100);
  int x = mainFrame.right() + 1 + gap;
  int top = mainFrame.top() - gap;
  int step = outer.height() * 11 / 10;
  if (available.isEmpty()) return {x, top + k * step};
  // Four that do not fit one under another overlap, each still showing its title bar.
  const int room = available.height() - outer.height();
  if (3 * step > room) step = std::max(room / 3, 0);
  x = std::max(available.left(), std::min(x, available.right() + 1 - outer.width()));
  top = std::max(available.top(), std::min(top, available.bottom() + 1 - outer.height() - 3 * step));
  return {x, top + k * step};
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
