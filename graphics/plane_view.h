// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>

#include "core/cplx.h"
#include "graphics/plane.h"

// A window of the plane the user zoomed or panned to: x the least real part, y the least imaginary
// part, then width and height, in plane units. None: the graph fits its own window to its values.
using PlaneWindow = std::optional<QRectF>;

// NewPlane on the user's window when there is one, otherwise on the graph's own.
PlaneScale NewPlaneOr(Surface& surface, const PlaneWindow& view, double xmin, double ymin, double xmax, double ymax);

// The visible part of the plane a scale shows, as a window.
QRectF WindowOf(const PlaneScale& scale);
// A point of the drawable area (twips from its top left, y downwards) in plane units, and back.
QPointF PlanePoint(const PlaneScale& scale, QPointF twips);
QPointF SurfacePoint(const PlaneScale& scale, QPointF plane);

// The round step a dragged point snaps to on this plane: the scale's tick spacing while ten or
// more ticks are in sight (whole numbers on the default -5..5 plane), halves of it while fewer
// are, tenths of it when the window holds less than four.
double SnapStep(const PlaneScale& scale);
// p with both coordinates at the nearest multiple of step.
QPointF Snapped(QPointF p, double step);

// The complex a point of the plane stands for, read as the entry boxes read a typed pair: the
// point written with `decimals` decimals and read back. None when the boxes would refuse it.
std::optional<Cplx> EntryValue(QPointF p, int decimals);

// Which window a graph is drawn on: the one the user zoomed or panned to, or the graph's own.
class PlaneView {
 public:
  const PlaneWindow& Window() const { return window_; }
  bool Fitted() const { return !window_.has_value(); }
  // The graph fits its own window again.
  void Fit() { window_.reset(); }
  void SetWindow(const PlaneWindow& window) { window_ = window; }
  // Keeps the window last drawn, so that it stays put while its values move.
  void Keep(const PlaneScale& drawn) { window_ = WindowOf(drawn); }
  // The window `factor` times as wide and high, the plane point `around` staying where it is.
  void Zoom(const PlaneScale& drawn, QPointF around, double factor);
  // The window moved by `delta` plane units.
  void Pan(const PlaneScale& drawn, QPointF delta);

 private:
  PlaneWindow window_;
};
