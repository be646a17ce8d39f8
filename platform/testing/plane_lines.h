// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <cmath>
#include <vector>

#include "graphics/plane.h"
#include "platform/surface.h"

// A recorded line read back in user coordinates of a scale.
struct UserLine {
  double X1, Y1, X2, Y2;
  QColor Color;
  bool Dotted;
  bool Dashed = false;
  double Length() const { return std::hypot(X2 - X1, Y2 - Y1); }
  // Direction from the first end to the second, in degrees in (-180, 180].
  double Angle() const { return std::atan2(Y2 - Y1, X2 - X1) * 180 / M_PI; }
};

inline double UserX(const PlaneScale& s, double sx) { return sx / s.KX + s.XMin; }
inline double UserY(const PlaneScale& s, double sy) { return (s.SurfaceHeight - sy) / s.KY + s.YMin; }

inline std::vector<UserLine> UserLines(const Surface& surface, const PlaneScale& s) {
  std::vector<UserLine> lines;
  for (const SurfaceOp& op : surface.Recorded()) {
    if (op.What != SurfaceOp::Kind::Line) continue;
    lines.push_back({UserX(s, op.X1), UserY(s, op.Y1), UserX(s, op.X2), UserY(s, op.Y2), op.Color, op.Dotted, op.Dashed});
  }
  return lines;
}

inline bool Near(double a, double b, double tolerance = 1e-9) { return std::fabs(a - b) <= tolerance; }

// Angles compared on the circle.
inline bool SameAngle(double a, double b, double tolerance = 0.01) {
  const double d = std::remainder(a - b, 360.0);
  return std::fabs(d) <= tolerance;
}

// The three solid lines of an arrow from the origin to (x, y) in that colour: the shaft, then the
// two barbs from its tip.
inline bool HasArrowTo(const std::vector<UserLine>& lines, const QColor& color, double x, double y) {
  std::vector<UserLine> solid;
  for (const UserLine& l : lines)
    if (l.Color == color && !l.Dotted) solid.push_back(l);
  for (std::size_t i = 0; i + 2 < solid.size(); ++i) {
    const UserLine& shaft = solid[i];
    if (!Near(shaft.X1, 0, 1e-6) || !Near(shaft.Y1, 0, 1e-6) || !Near(shaft.X2, x, 1e-6) || !Near(shaft.Y2, y, 1e-6))
      continue;
    const UserLine& b1 = solid[i + 1];
    const UserLine& b2 = solid[i + 2];
    if (Near(b1.X1, x, 1e-6) && Near(b1.Y1, y, 1e-6) && Near(b2.X1, x, 1e-6) && Near(b2.Y1, y, 1e-6)) return true;
  }
  return false;
}
