// SPDX-License-Identifier: MIT
#include "graphics/plane_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "platform/qtext.h"
#include "platform/twips.h"
#include "text/complex_text.h"

namespace {
// A press this close to a tip, in pixels, takes the tip.
constexpr double TipReach = 7;
// One notch of the wheel zooms by this much.
constexpr double ZoomPerNotch = 1.25;
}  // namespace

PlaneBox::PlaneBox(QWidget* parent, bool bordered) : PictureBox(parent, bordered) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  click_.setSingleShot(true);
  click_.setInterval(QApplication::doubleClickInterval());
  connect(&click_, &QTimer::timeout, this, [this] {
    if (target_ != nullptr && target_->CanPlace()) target_->Place(clicked_);
  });
}

double PlaneBox::BorderPixels() const { return TwipsToPixels(surface().Border()) / 2; }

QRectF PlaneBox::planeWindow() const { return scale_.KX > 0 ? WindowOf(scale_) : QRectF(); }

QRect PlaneBox::plotRect() const {
  const int b = static_cast<int>(std::lround(BorderPixels()));
  return {b, b, TwipsToPixelsRounded(surface().ScaleWidth()), TwipsToPixelsRounded(surface().ScaleHeight())};
}

QPointF PlaneBox::PlaneAt(QPointF pixel) const {
  const double b = BorderPixels();
  return PlanePoint(scale_, {PixelsToTwips(pixel.x() - b), PixelsToTwips(pixel.y() - b)});
}

QPointF PlaneBox::PixelAt(QPointF plane) const {
  const QPointF twips = SurfacePoint(scale_, plane);
  const double b = BorderPixels();
  return {TwipsToPixels(twips.x()) + b, TwipsToPixels(twips.y()) + b};
}

int PlaneBox::TipAt(QPointF pixel) const {
  if (target_ == nullptr || !(scale_.KX > 0)) return -1;
  const std::vector<QPointF> tips = target_->Tips();
  int nearest = -1;
  double best = TipReach;
  for (std::size_t i = 0; i < tips.size(); ++i) {
    const QPointF d = PixelAt(tips[i]) - pixel;
    const double distance = std::hypot(d.x(), d.y());
    if (distance <= best) {
      best = distance;
      nearest = static_cast<int>(i);
    }
  }
  return nearest;
}

std::optional<Cplx> PlaneBox::ValueAt(QPointF pixel, Qt::KeyboardModifiers modifiers) const {
  if (!(scale_.KX > 0)) return std::nullopt;
  QPointF p = PlaneAt(pixel);
  if (!(modifiers & Qt::ShiftModifier)) p = Snapped(p, SnapStep(scale_));
  return EntryValue(p, target_ != nullptr ? target_->Decimals() : 2);
}

void PlaneBox::Redraw() {
  if (target_ != nullptr) target_->Redraw();
}

bool PlaneBox::BeginMove(int tip) {
  const PlaneWindow before = View.Window();
  if (target_ == nullptr || !target_->Begin(tip)) return false;
  // The window stays where it is while the values move: a graph that fitted itself to the
  // dragged point would slide away under the mouse.
  viewBefore_ = before;
  View.Keep(scale_);
  tip_ = tip;
  moved_ = false;
  QToolTip::hideText();
  return true;
}

void PlaneBox::EndMove(bool enter) {
  const bool moved = moved_;
  mode_ = Mode::Idle;
  keyMoving_ = false;
  // A press on a tip that never moved changes nothing.
  if (moved || enter) target_->Commit(enter);
  else CancelMove();
}

void PlaneBox::CancelMove() {
  mode_ = Mode::Idle;
  keyMoving_ = false;
  View.SetWindow(viewBefore_);
  target_->Cancel();
  unsetCursor();
}

void PlaneBox::mousePressEvent(QMouseEvent* event) {
  PictureBox::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || Moving()) return;
  const int tip = TipAt(event->position());
  if (tip >= 0 && BeginMove(tip)) {
    mode_ = Mode::Dragging;
    keyTip_ = tip;
    setCursor(Qt::ClosedHandCursor);
    return;
  }
  mode_ = Mode::Pressed;
  pressed_ = event->position();
}

void PlaneBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  switch (mode_) {
    case Mode::Dragging:
      if (const std::optional<Cplx> z = ValueAt(at, event->modifiers())) {
        moved_ = true;
        target_->Move(tip_, *z);
      }
      return;
    case Mode::Pressed:
      if ((at - pressed_).manhattanLength() < QApplication::startDragDistance()) return;
      mode_ = Mode::Panning;
      last_ = pressed_;
      setCursor(Qt::SizeAllCursor);
      [[fallthrough]];
    case Mode::Panning:
      View.Pan(scale_, PlaneAt(last_) - PlaneAt(at));
      last_ = at;
      Redraw();
      return;
    case Mode::Idle:
      Hover(at, event->globalPosition().toPoint(), event->modifiers());
      return;
  }
}

void PlaneBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const Mode was = mode_;
  if (was == Mode::Dragging) {
    EndMove(false);
    setCursor(Qt::OpenHandCursor);
    return;
  }
  mode_ = Mode::Idle;
  unsetCursor();
  if (was != Mode::Pressed || target_ == nullptr || !target_->CanPlace()) return;
  if (const std::optional<Cplx> z = ValueAt(event->position(), event->modifiers())) {
    clicked_ = *z;
    click_.start();
  }
}

void PlaneBox::mouseDoubleClickEvent(QMouseEvent* event) {
  PictureBox::mouseDoubleClickEvent(event);
  click_.stop();
  if (Moving()) return;
  mode_ = Mode::Idle;
  View.Fit();
  Redraw();
}

void PlaneBox::wheelEvent(QWheelEvent* event) {
  if (Moving() || !(scale_.KX > 0)) return;
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  View.Zoom(scale_, PlaneAt(event->position()), std::pow(ZoomPerNotch, -notches));
  Redraw();
  event->accept();
}

void PlaneBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
  if (target_ == nullptr) {
    PictureBox::keyPressEvent(event);
    return;
  }
  if (key == Qt::Key_Escape && Moving()) {
    CancelMove();
  } else if (key == Qt::Key_Home) {
    if (Moving()) return;
    View.Fit();
    Redraw();
  } else if (key == Qt::Key_Space) {
    const std::size_t tips = target_->Tips().size();
    if (tips > 0 && !Moving()) keyTip_ = (keyTip_ + 1) % static_cast<int>(tips);
  } else if (arrow) {
    if (mode_ == Mode::Dragging) return;
    const std::vector<QPointF> tips = target_->Tips();
    if (!keyMoving_) {
      if (tips.empty()) return;
      if (keyTip_ >= static_cast<int>(tips.size())) keyTip_ = 0;
      if (!BeginMove(keyTip_)) return;
      keyMoving_ = true;
      keyPoint_ = tips[static_cast<std::size_t>(keyTip_)];
    }
    const double step = SnapStep(scale_);
    const double dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0;
    const double dy = key == Qt::Key_Down ? -step : key == Qt::Key_Up ? step : 0;
    // One step along one axis, onto the grid of steps.
    keyPoint_ = Snapped(keyPoint_ + QPointF(dx, dy), step);
    if (const std::optional<Cplx> z = EntryValue(keyPoint_, target_->Decimals())) {
      moved_ = true;
      target_->Move(keyTip_, *z);
    }
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mode_ != Mode::Dragging) {
    if (keyMoving_) {
      EndMove(true);
    } else {
      const std::vector<QPointF> tips = target_->Tips();
      if (tips.empty() && !target_->CanPlace()) return;
      if (!target_->Begin(tips.empty() ? -1 : std::min(keyTip_, static_cast<int>(tips.size()) - 1))) return;
      target_->Commit(true);
    }
  } else {
    PictureBox::keyPressEvent(event);
    return;
  }
  event->accept();
}

void PlaneBox::leaveEvent(QEvent* event) {
  PictureBox::leaveEvent(event);
  QToolTip::hideText();
}

void PlaneBox::focusOutEvent(QFocusEvent* event) {
  PictureBox::focusOutEvent(event);
  // Keys that moved the tip and lost the plane end as a release does: the value stays on show.
  if (keyMoving_ && target_ != nullptr) EndMove(false);
}

void PlaneBox::Hover(QPointF pixel, QPoint global, Qt::KeyboardModifiers modifiers) {
  const bool overTip = TipAt(pixel) >= 0;
  if (overTip) setCursor(Qt::OpenHandCursor);
  else unsetCursor();
  const std::optional<Cplx> z = ValueAt(pixel, modifiers);
  if (!z) return;
  const int decimals = target_ != nullptr ? target_->Decimals() : 2;
  const QString text = ToQ(CartText(*z, decimals)) + QStringLiteral("     ") + ToQ(PolarText(*z, decimals));
  setToolTip(text);
  QToolTip::showText(global, text, this);
}
