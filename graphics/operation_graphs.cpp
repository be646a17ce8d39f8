// SPDX-License-Identifier: MIT
#include "graphics/operation_graphs.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/power_root.h"
#include "graphics/plane.h"

namespace {
// The default plane of the graph panel and of graphs with nothing to scale by.
constexpr double DefaultHalfWidth = 5;

// A half-width that can be doubled and still be a finite number.
double Finite(double r) {
  constexpr double largest = std::numeric_limits<double>::max() / 8;
  return std::isfinite(r) ? std::min(r, largest) : largest;
}

bool Drawable(const Cplx& z) { return std::isfinite(z.Re) && std::isfinite(z.Im); }
}  // namespace

QColor BinaryGraphColor(int k) {
  switch (k) {
    case 0: return {255, 255, 0};
    case 1: return {255, 175, 0};
    case 2: return {250, 0, 0};
    case 3: return {0, 0, 255};
    default: return {255, 255, 255};
  }
}

QColor BinaryGraphPaper(int k) {
  // One part colour to two parts white: still plainly the window's colour, and light enough for
  // the red result on the red window and the blue operands on the blue one.
  const QColor c = BinaryGraphColor(k);
  const auto tint = [](int v) { return (v + 2 * 255) / 3; };
  return {tint(c.red()), tint(c.green()), tint(c.blue())};
}

void DrawComplexVector(const PlaneScale& scale, const Cplx& z, Surface& surface) {
  if (!Drawable(z)) return;
  PlaneArrow(scale, surface, 0, 0, z.Re, z.Im);
  surface.SetForeColor(ProjectionGrey);
  DottedLine(scale, surface, z.Re, 0, z.Re, z.Im);
  DottedLine(scale, surface, 0, z.Im, z.Re, z.Im);
}

PlaneScale ResetGraphPanel(Surface& surface, const PlaneWindow& view) {
  return NewPlaneOr(surface, view, -DefaultHalfWidth, -DefaultHalfWidth, DefaultHalfWidth, DefaultHalfWidth);
}

std::optional<PlaneScale> ShowInGraphPanel(Surface& surface, const Cplx& z, const PlaneWindow& view) {
  double a = z.Re;
  double b = z.Im;
  if (b == 0) b = z.Re;
  else if (a == 0) a = z.Im;
  if ((a * b == 0 && !view) || !Drawable(z)) return std::nullopt;
  surface.Clear();
  const double ra = Finite(1.2 * std::fabs(a));
  const double rb = Finite(1.2 * std::fabs(b));
  const PlaneScale scale = NewPlaneOr(surface, view, -ra, -rb, ra, rb);
  surface.SetForeColor(PanelBlue);
  DrawComplexVector(scale, z, surface);
  return scale;
}

PlaneScale DrawBinaryGraph(Surface& surface, const Cplx& z1, const Cplx& z2, const Cplx& result,
                           const PlaneWindow& view) {
  double r = 1.1 * LargestComponent(z1, z2, result);
  if (std::isnan(r) || r <= 0) r = DefaultHalfWidth;
  r = Finite(r);
  const bool allZero = z1.Re == 0 && z1.Im == 0 && z2.Re == 0 && z2.Im == 0 && result.Re == 0 &&
                       result.Im == 0;
  surface.Clear();
  surface.SetForeColor(ProjectionGrey);
  const PlaneScale scale = NewPlaneOr(surface, view, -r, -r, r, r);
  // Three zero vectors would be three heads piled on the origin: the plain plane says it better.
  if (allZero) return scale;
  surface.SetForeColor(OperandBlue);
  DrawComplexVector(scale, z1, surface);
  surface.SetForeColor(OperandBlue);
  DrawComplexVector(scale, z2, surface);
  surface.SetForeColor(ResultRed);
  DrawComplexVector(scale, result, surface);
  return scale;
}

PlaneScale DrawRootsGraph(Surface& surface, const Cplx& r0, double step, int n, const PlaneWindow& view) {
  surface.SetForeColor(ProjectionGrey);
  // Every root of 0 is 0: the default plane, without arrows of no length.
  if (!(r0.Mod > 0) || !std::isfinite(r0.Mod)) {
    return NewPlaneOr(surface, view, -DefaultHalfWidth, -DefaultHalfWidth, DefaultHalfWidth, DefaultHalfWidth);
  }
  const double r = Finite(1.05 * r0.Mod);
  const PlaneScale scale = NewPlaneOr(surface, view, -r, -r, r, r);
  n = std::min(n, 32767);  // the index is a 16-bit count
  for (int j = 1; j <= n; ++j) {
    surface.SetForeColor(PanelBlue);
    DrawComplexVector(scale, RootNumber(r0, step, j), surface);
  }
  return scale;
}
