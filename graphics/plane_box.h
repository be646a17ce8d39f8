// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QTimer>
#include <vector>

#include "core/cplx.h"
#include "graphics/plane_view.h"
#include "platform/picture_box.h"

// What a plane picture lets the user change, and how it follows: the graph panel and each graph
// window have one. Points arrive snapped (or free with Shift) and already read as the entry boxes
// read a typed pair.
class PlaneTarget {
 public:
  virtual ~PlaneTarget() = default;
  // The tips that can be dragged, in plane units, in the order of their index; none while the
  // picture cannot be changed (roots, a power's result).
  virtual std::vector<QPointF> Tips() const = 0;
  // A click on the plane puts that point in as a value.
  virtual bool CanPlace() const { return false; }
  // The decimals the points are written and read with.
  virtual int Decimals() const { return 2; }
  // Draws the picture again through the box's view, after a zoom or a pan.
  virtual void Redraw() = 0;
  // A drag of tip `tip` starts: whatever it changes is remembered for a cancel. False: no drag.
  virtual bool Begin(int tip) = 0;
  virtual void Move(int tip, const Cplx& z) = 0;
  // The drag ends: by the mouse's release (enter false) or by Enter (enter true).
  virtual void Commit(bool enter) = 0;
  // Everything back as it was at Begin.
  virtual void Cancel() = 0;
  // A click away from the tips, at z.
  virtual void Place(const Cplx&) {}
};

// A picture of the plane the user can touch: drag a tip, click a point, hover, zoom with the
// wheel around the mouse, pan by dragging the background, fit again with a double click or Home,
// move a tip with the arrow keys, store with Enter, cancel with Esc. The owner draws through
// View and hands back the scale it drew on (SetScale).
class PlaneBox : public PictureBox {
  Q_OBJECT
  // The visible part of the plane: x the least real part, y the least imaginary part, width and
  // height, in plane units (y upwards). A point maps linearly between it and plotRect.
  Q_PROPERTY(QRectF planeWindow READ planeWindow)
  // The drawing area, in the widget's pixels.
  Q_PROPERTY(QRect plotRect READ plotRect)

 public:
  explicit PlaneBox(QWidget* parent = nullptr, bool bordered = false);

  PlaneView View;
  void SetTarget(PlaneTarget* target) { target_ = target; }
  void SetScale(const PlaneScale& scale) { scale_ = scale; }
  const PlaneScale& Scale() const { return scale_; }

  QRectF planeWindow() const;
  QRect plotRect() const;
  // The plane point under widget pixel `pixel`, and back.
  QPointF PlaneAt(QPointF pixel) const;
  QPointF PixelAt(QPointF plane) const;

  // A drag or a keyboard move is under way.
  bool Moving() const { return mode_ == Mode::Dragging || keyMoving_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  enum class Mode { Idle, Pressed, Panning, Dragging };

  // The tip within a few pixels of `pixel`, the nearest; -1 for none.
  int TipAt(QPointF pixel) const;
  // The point under `pixel` as a drag or a click takes it: snapped, or free with Shift.
  std::optional<Cplx> ValueAt(QPointF pixel, Qt::KeyboardModifiers modifiers) const;
  bool BeginMove(int tip);
  void EndMove(bool enter);
  void CancelMove();
  void Hover(QPointF pixel, QPoint global, Qt::KeyboardModifiers modifiers);
  void Redraw();
  double BorderPixels() const;

  PlaneTarget* target_ = nullptr;
  PlaneScale scale_;
  Mode mode_ = Mode::Idle;
  bool keyMoving_ = false;
  bool moved_ = false;
  int tip_ = -1;     // the tip being moved
  int keyTip_ = 0;   // the tip the arrow keys move
  QPointF keyPoint_;  // where the keys have put it
  QPointF pressed_;   // pixels
  QPointF last_;      // pixels, while panning
  PlaneWindow viewBefore_;
  QTimer click_;      // a click waits out a double click
  Cplx clicked_;
};
