// SPDX-License-Identifier: MIT
#include "graphics/plane_labels.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cplx.h"

namespace {

// True when the segment crosses the box.
bool Crosses(const QPointF& a, const QPointF& b, const QRectF& box) {
  double t0 = 0;
  double t1 = 1;
  return ClipSegment(a.x(), a.y(), b.x(), b.y(), box.left(), box.top(), box.right(), box.bottom(), t0, t1);
}

double OverlapArea(const QRectF& a, const QRectF& b) {
  const QRectF common = a.intersected(b);
  return common.isEmpty() ? 0 : common.width() * common.height();
}
}  // namespace

PlaneLabels::PlaneLabels(const PlaneScale& scale, Surface& surface) : scale_(scale), surface_(surface) {
  for (const PlaneText& tick : TickLabels(scale, surface)) taken_.push_back(tick.Box);
}

void PlaneLabels::Avoid(double x1, double y1, double x2, double y2) {
  const QPointF a(MapX(scale_, x1), MapY(scale_, y1));
  const QPointF b(MapX(scale_, x2), MapY(scale_, y2));
  if (std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) && std::isfinite(b.y()))
    avoid_.push_back({a, b});
}

// What a place costs: nothing when it is free, a little for each line it covers, and beyond
// every free place when it covers a label or leaves the picture.
double PlaneLabels::Cost(const QRectF& box) const {
  const QRectF picture(0, 0, scale_.SurfaceWidth, scale_.SurfaceHeight);
  double cost = 0;
  if (!picture.contains(box)) cost += 1e6;
  for (const QRectF& other : taken_)
    if (other.intersects(box)) cost += 1e6 + OverlapArea(other, box);
  for (const Segment& s : avoid_)
    if (Crosses(s.A, s.B, box)) cost += 10;
  return cost;
}

QRectF PlaneLabels::Add(double x, double y, double dx, double dy, const QString& text, const QColor& color) {
  const double size = surface_.FontSize();
  surface_.SetFontSize(LabelPoints);
  const double w = surface_.TextWidth(text);
  const double h = surface_.TextHeight();
  const QPointF at(MapX(scale_, x), MapY(scale_, y));
  // The preferred direction on the surface, where y runs downwards.
  double angle = (dx == 0 && dy == 0) ? -45 : std::atan2(-dy, dx) * 180 / PiValue;
  if (!std::isfinite(angle)) angle = -45;
  const QRectF picture(0, 0, scale_.SurfaceWidth, scale_.SurfaceHeight);
  QRectF best;
  double bestCost = std::numeric_limits<double>::infinity();
  const double gap = h / 4;
  int rank = 0;
  for (double distance : {gap, 3 * gap, 6 * gap}) {
    for (double turn : {0, 30, -30, 60, -60, 90, -90, 135, -135, 180}) {
      const double a = (angle + turn) * PiValue / 180;
      const double ux = std::cos(a);
      const double uy = std::sin(a);
      // Far enough along the direction for the box's nearest edge to stand `distance` off.
      const double reach = distance + (w * std::fabs(ux) + h * std::fabs(uy)) / 2;
      QRectF box(at.x() + ux * reach - w / 2, at.y() + uy * reach - h / 2, w, h);
      // A place beyond an edge is pulled in, at a cost, rather than lost.
      double pulled = 0;
      if (picture.width() >= w && picture.height() >= h) {
        const QPointF inside(std::clamp(box.left(), 0.0, picture.width() - w),
                             std::clamp(box.top(), 0.0, picture.height() - h));
        pulled = std::hypot(inside.x() - box.left(), inside.y() - box.top());
        box.moveTopLeft(inside);
      }
      const double cost = Cost(box) + rank + (pulled > 0 ? 5 + pulled / h : 0);
      if (cost < bestCost) {
        bestCost = cost;
        best = box;
      }
      ++rank;
    }
    if (bestCost < 10) break;  // a free place near the point
  }
  taken_.push_back(best);
  surface_.SetForeColor(color);
  surface_.CurrentX = best.left();
  surface_.CurrentY = best.top();
  surface_.Print(text);
  surface_.SetFontSize(size);
  return best;
}

QString Subscript(int n) {
  QString digits = QString::number(n);
  for (QChar& c : digits) {
    if (c.isDigit()) c = QChar(0x2080 + c.digitValue());
    else if (c == QLatin1Char('-')) c = QChar(0x208B);
  }
  return digits;
}

QString Superscript(int n) {
  static const char16_t Raised[] = {0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074, 0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
  QString digits = QString::number(n);
  for (QChar& c : digits) {
    if (c.isDigit()) c = QChar(Raised[c.digitValue()]);
    else if (c == QLatin1Char('-')) c = QChar(0x207B);
  }
  return digits;
}
