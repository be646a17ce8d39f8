// SPDX-License-Identifier: MIT
#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include "platform/twips.h"

PictureBox::PictureBox(QWidget* parent, bool bordered) : QWidget(parent), bordered_(bordered) {
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  surface_.SetBorder(PixelsToTwips(2 * BorderPixels()));
  surface_.SetPixelRatio(devicePixelRatioF());
  surface_.OnChanged = [this] { update(); };
  surface_.OnOuterResize = [this](double width, double height) {
    if (followingSurface_) return;
    followingSurface_ = true;
    resize(TwipsToPixelsRounded(width), TwipsToPixelsRounded(height));
    followingSurface_ = false;
  };
  FollowWidgetSize();
}

QSize PictureBox::sizeHint() const {
  return {TwipsToPixelsRounded(surface_.Width()), TwipsToPixelsRounded(surface_.Height())};
}

void PictureBox::FollowWidgetSize() {
  if (followingSurface_) return;
  const int border = 2 * BorderPixels();
  const int pixelsWide = std::max(1, width() - border);
  const int pixelsHigh = std::max(1, height() - border);
  if (TwipsToPixelsRounded(surface_.ScaleWidth()) == pixelsWide &&
      TwipsToPixelsRounded(surface_.ScaleHeight()) == pixelsHigh)
    return;
  followingSurface_ = true;
  surface_.SetScaleSize(PixelsToTwips(pixelsWide), PixelsToTwips(pixelsHigh));
  followingSurface_ = false;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), surface_.BackColor());
  const int b = BorderPixels();
  painter.drawImage(QPointF(b, b), surface_.ShownImage());
  if (bordered_) {
    QStyleOptionFrame option;
    option.initFrom(this);
    option.frameShape = QFrame::StyledPanel;
    option.state |= QStyle::State_Sunken;
    option.lineWidth = b;
    style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
  }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FollowWidgetSize();
  emit Resized();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position() - QPointF(BorderPixels(), BorderPixels());
  emit MouseDown(event->button(), event->modifiers(), PixelsToTwips(p.x()), PixelsToTwips(p.y()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }

void PictureBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ScreenChangeInternal) {
    surface_.SetPixelRatio(devicePixelRatioF());
    emit Resized();  // the owner draws again at the new resolution
  }
}
