// SPDX-License-Identifier: MIT
#include "graphics/plane_view.h"

#include <algorithm>
#include <cmath>

#include "text/complex_text.h"
#include "text/parse.h"

namespace {
// A zoom stops where a window would be narrower or wider than the numbers the boxes show well.
constexpr double NarrowestWindow = 1e-6;
constexpr double WidestWindow = 1e12;
}  // namespace

PlaneScale NewPlaneOr(Surface& surface, const PlaneWindow& view, double xmin, double ymin, double xmax, double ymax) {
  if (view) return NewPlane(surface, view->left(), view->top(), view->right(), view->bottom());
  return NewPlane(surface, xmin, ymin, xmax, ymax);
}

QRectF WindowOf(const PlaneScale& scale) {
  return {scale.XMin, scale.YMin, scale.XMax - scale.XMin, scale.YMax - scale.YMin};
}

QPointF PlanePoint(const PlaneScale& scale, QPointF twips) {
  if (!(scale.KX > 0) || !(scale.KY > 0)) return {};
  return {scale.XMin + twips.x() / scale.KX, scale.YMin + (scale.SurfaceHeight - twips.y()) / scale.KY};
}

QPointF SurfacePoint(const PlaneScale& scale, QPointF plane) { return {MapX(scale, plane.x()), MapY(scale, plane.y())}; }

double SnapStep(const PlaneScale& scale) {
  const double width = scale.XMax - scale.XMin;
  const double tick = DecimalStep(width / 10);
  if (!(tick > 0) || !std::isfinite(tick)) return 0;
  const double ticks = width / tick;
  if (ticks >= 10) return tick;
  if (ticks >= 4) return tick / 2;
  return tick / 10;
}

QPointF Snapped(QPointF p, double step) {
  if (!(step > 0)) return p;
  return {std::round(p.x() / step) * step, std::round(p.y() / step) * step};
}

std::optional<Cplx> EntryValue(QPointF p, int decimals) {
  if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return std::nullopt;
  Cplx z;
  z.Re = p.x();
  z.Im = p.y();
  RealPair pair;
  if (!ReadCartEntry(PairText(z, decimals), pair)) return std::nullopt;
  Cplx read;
  read.Re = pair.First;
  read.Im = pair.Second;
  try {
    SyncCplx(read, SyncFrom::Cartesian);
  } catch (const ArithmeticError&) {
    return std::nullopt;
  }
  return read;
}

void PlaneView::Zoom(const PlaneScale& drawn, QPointF around, double factor) {
  const QRectF now = window_.value_or(WindowOf(drawn));
  const double width = now.width() * factor;
  if (!(factor > 0) || (factor < 1 && width < NarrowestWindow) || (factor > 1 && width > WidestWindow)) return;
  const double left = around.x() - (around.x() - now.left()) * factor;
  const double bottom = around.y() - (around.y() - now.top()) * factor;
  window_ = QRectF(left, bottom, width, now.height() * factor);
}

void PlaneView::Pan(const PlaneScale& drawn, QPointF delta) {
  window_ = window_.value_or(WindowOf(drawn)).translated(delta);
}
