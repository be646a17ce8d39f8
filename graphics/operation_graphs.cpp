// SPDX-License-Identifier: MIT
#include "graphics/operation_graphs.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cplx.h"
#include "core/power_root.h"
#include "graphics/plane.h"
#include "graphics/plane_labels.h"

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
  SetStroke(surface, Stroke::Vector);
  PlaneArrow(scale, surface, 0, 0, z.Re, z.Im);
  surface.SetForeColor(ProjectionGrey);
  SetStroke(surface, Stroke::Axis);
  DottedLine(scale, surface, z.Re, 0, z.Re, z.Im);
  DottedLine(scale, surface, 0, z.Im, z.Re, z.Im);
}

QString OperandLabel(int i) { return QStringLiteral("z") + Subscript(i); }

QString BinaryResultLabel(OpCode op) {
  static const QString signs[4] = {QStringLiteral(" + "), QStringLiteral(" \u2212 "), QStringLiteral(" \u00b7 "),
                                   QStringLiteral(" \u00f7 ")};
  if (op < 0 || op > 3) return QStringLiteral("z");
  return OperandLabel(1) + signs[op] + OperandLabel(2);
}

namespace {
const QString Theta = QStringLiteral("\u03b8");

// What a graph draws, gathered so that the labels are placed once every line is known.
struct Labelled {
  Cplx Z;
  QString Text;
  QColor Color;
};

// The arrows, each with its projections, then their labels beyond their tips.
void DrawVectors(const PlaneScale& scale, Surface& surface, PlaneLabels& labels, const std::vector<Labelled>& vectors) {
  for (const Labelled& v : vectors) {
    surface.SetForeColor(v.Color);
    DrawComplexVector(scale, v.Z, surface);
    if (Drawable(v.Z)) labels.Avoid(0, 0, v.Z.Re, v.Z.Im);
  }
  for (const Labelled& v : vectors)
    if (Drawable(v.Z)) labels.Add(v.Z.Re, v.Z.Im, v.Z.Re, v.Z.Im, v.Text, v.Color);
}

// A side of a parallelogram, dotted in construction grey.
void ConstructionSide(const PlaneScale& scale, Surface& surface, PlaneLabels& labels, const Cplx& from, const Cplx& to) {
  if (!Drawable(from) || !Drawable(to)) return;
  surface.SetForeColor(ConstructionGrey);
  SetStroke(surface, Stroke::Projection);
  PlaneLine(scale, surface, from.Re, from.Im, to.Re, to.Im);
  SetStroke(surface, Stroke::Axis);
  labels.Avoid(from.Re, from.Im, to.Re, to.Im);
}

// The arc of an argument, dashed in its vector's colour, named at its middle.
struct AngleArc {
  double Degrees;
  QString Text;
  QColor Color;
};

void DrawArcs(const PlaneScale& scale, Surface& surface, PlaneLabels& labels, const std::vector<AngleArc>& arcs) {
  // The arcs nest, each further out, well inside the picture.
  const double reach = std::min(std::fabs(scale.XMax - scale.XMin), std::fabs(scale.YMax - scale.YMin)) / 2;
  std::vector<std::pair<double, const AngleArc*>> drawn;
  double radius = reach * 0.16;
  for (const AngleArc& arc : arcs) {
    radius += reach * 0.08;
    if (!std::isfinite(arc.Degrees) || std::fabs(arc.Degrees) < 1e-9) continue;
    surface.SetForeColor(arc.Color);
    SetStroke(surface, Stroke::Construction);
    PlaneArc(scale, surface, radius, 0, arc.Degrees);
    SetStroke(surface, Stroke::Axis);
    drawn.emplace_back(radius, &arc);
  }
  for (const auto& [r, arc] : drawn) {
    // The middle of the first turn, the label outwards from it.
    const double middle = std::clamp(arc->Degrees, -360.0, 360.0) / 2 * PiValue / 180;
    const double x = r * std::cos(middle);
    const double y = r * std::sin(middle);
    labels.Add(x, y, x, y, arc->Text, arc->Color);
  }
}

double FitRadius(const Cplx& a, const Cplx& b, const Cplx& c) {
  double r = 1.1 * LargestComponent(a, b, c);
  if (std::isnan(r) || r <= 0) r = DefaultHalfWidth;
  return Finite(r);
}

bool IsZero(const Cplx& z) { return z.Re == 0 && z.Im == 0; }
}  // namespace

PlaneScale ResetGraphPanel(Surface& surface, const PlaneWindow& view) {
  surface.SetForeColor(ProjectionGrey);
  return NewPlaneOr(surface, view, -DefaultHalfWidth, -DefaultHalfWidth, DefaultHalfWidth, DefaultHalfWidth);
}

std::optional<PlaneScale> ShowInGraphPanel(Surface& surface, const Cplx& z, const QString& label,
                                           const PlaneWindow& view) {
  double a = z.Re;
  double b = z.Im;
  if (b == 0) b = z.Re;
  else if (a == 0) a = z.Im;
  if ((a * b == 0 && !view) || !Drawable(z)) return std::nullopt;
  const double ra = Finite(1.2 * std::fabs(a));
  const double rb = Finite(1.2 * std::fabs(b));
  surface.SetForeColor(ProjectionGrey);
  const PlaneScale scale = NewPlaneOr(surface, view, -ra, -rb, ra, rb);
  PlaneLabels labels(scale, surface);
  DrawVectors(scale, surface, labels, {{z, label.isEmpty() ? QStringLiteral("z") : label, PanelBlue}});
  return scale;
}

PlaneScale DrawBinaryGraph(Surface& surface, OpCode op, const Cplx& z1, const Cplx& z2, const Cplx& result,
                           const PlaneWindow& view) {
  surface.SetForeColor(ProjectionGrey);
  const double r = FitRadius(z1, z2, result);
  const PlaneScale scale = NewPlaneOr(surface, view, -r, -r, r, r);
  // Three zero vectors would be three heads piled on the origin: the plain plane says it better.
  if (IsZero(z1) && IsZero(z2) && IsZero(result)) return scale;
  PlaneLabels labels(scale, surface);
  labels.Avoid(scale.XMin, 0, scale.XMax, 0);
  labels.Avoid(0, scale.YMin, 0, scale.YMax);
  std::vector<Labelled> vectors = {{z1, OperandLabel(1), OperandBlue}, {z2, OperandLabel(2), OperandBlue}};
  if (op == OpAdd) {
    ConstructionSide(scale, surface, labels, z1, result);
    ConstructionSide(scale, surface, labels, z2, result);
  } else if (op == OpSubtract) {
    // z1 − z2 is z1 + (−z2): the parallelogram of z1 and −z2, −z2 dashed as a construction.
    const Cplx minus = MakeCplx(-z2.Re, -z2.Im);
    ConstructionSide(scale, surface, labels, z1, result);
    ConstructionSide(scale, surface, labels, minus, result);
    if (Drawable(minus) && !IsZero(minus)) {
      surface.SetForeColor(OperandBlue);
      SetStroke(surface, Stroke::Construction);
      PlaneArrow(scale, surface, 0, 0, minus.Re, minus.Im);
      SetStroke(surface, Stroke::Axis);
      labels.Avoid(0, 0, minus.Re, minus.Im);
      vectors.push_back({minus, QStringLiteral("\u2212") + OperandLabel(2), OperandBlue});
    }
  } else if (op == OpMultiply || op == OpDivide) {
    const bool product = op == OpMultiply;
    // The result's argument as the operation makes it, before any reduction to one turn.
    const double combined = product ? z1.Arg + z2.Arg : z1.Arg - z2.Arg;
    DrawArcs(scale, surface, labels,
             {{IsZero(z1) ? 0 : z1.Arg, Theta + Subscript(1), OperandBlue},
              {IsZero(z2) ? 0 : z2.Arg, Theta + Subscript(2), OperandBlue},
              {IsZero(result) ? 0 : combined,
               Theta + Subscript(1) + (product ? QStringLiteral(" + ") : QStringLiteral(" \u2212 ")) + Theta +
                   Subscript(2),
               ResultRed}});
  }
  vectors.push_back({result, BinaryResultLabel(op), ResultRed});
  DrawVectors(scale, surface, labels, vectors);
  surface.SetForeColor(ProjectionGrey);
  return scale;
}

PlaneScale DrawBinaryGraph(Surface& surface, const Cplx& z1, const Cplx& z2, const Cplx& result,
                           const PlaneWindow& view) {
  return DrawBinaryGraph(surface, OpCode(-1), z1, z2, result, view);
}

PlaneScale DrawOperandsGraph(Surface& surface, const Cplx& z1, const Cplx& z2, const QString& note,
                             const PlaneWindow& view) {
  surface.SetForeColor(ProjectionGrey);
  const double r = FitRadius(z1, z2, z2);
  const PlaneScale scale = NewPlaneOr(surface, view, -r, -r, r, r);
  PlaneLabels labels(scale, surface);
  DrawVectors(scale, surface, labels, {{z1, OperandLabel(1), OperandBlue}, {z2, OperandLabel(2), OperandBlue}});
  // Small, in the bottom left corner, clear of the operands' arrows as far as it can be.
  const double size = surface.FontSize();
  surface.SetFontSize(7);
  surface.SetForeColor(ResultRed);
  surface.CurrentX = 45;
  surface.CurrentY = surface.ScaleHeight() - surface.TextHeight(note) - 30;
  surface.Print(note);
  surface.SetFontSize(size);
  surface.SetForeColor(ProjectionGrey);
  return scale;
}

PlaneScale DrawPowerGraph(Surface& surface, const Cplx& base, double exponent, const Cplx& result,
                          const PlaneWindow& view) {
  surface.SetForeColor(ProjectionGrey);
  const double r = FitRadius(base, result, result);
  const PlaneScale scale = NewPlaneOr(surface, view, -r, -r, r, r);
  if (IsZero(base) && IsZero(result)) return scale;
  PlaneLabels labels(scale, surface);
  labels.Avoid(scale.XMin, 0, scale.XMax, 0);
  labels.Avoid(0, scale.YMin, 0, scale.YMax);
  // A whole exponent is written as it is (z³, 3θ); any other as n.
  const bool whole = std::fabs(exponent) < 1000 && exponent == std::round(exponent);
  QString n = whole ? QString::number(static_cast<int>(exponent)).replace(QLatin1Char('-'), QChar(0x2212))
                    : QStringLiteral("n");
  if (whole && std::fabs(exponent) == 1) n.chop(1);  // θ and −θ, not 1θ
  const QString raised = whole ? Superscript(static_cast<int>(exponent)) : QStringLiteral("\u207f");
  DrawArcs(scale, surface, labels,
           {{IsZero(base) ? 0 : base.Arg, Theta, OperandBlue},
            {IsZero(result) ? 0 : exponent * base.Arg, n + Theta, ResultRed}});
  DrawVectors(scale, surface, labels, {{base, QStringLiteral("z"), OperandBlue}, {result, QStringLiteral("z") + raised, ResultRed}});
  surface.SetForeColor(ProjectionGrey);
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
  PlaneLabels labels(scale, surface);
  // The circle of radius ⁿ√r, faint, and the polygon through the roots, dashed.
  surface.SetForeColor(FaintGrey);
  SetStroke(surface, Stroke::Projection);
  PlaneArc(scale, surface, r0.Mod, 0, 360);
  surface.SetForeColor(ConstructionGrey);
  SetStroke(surface, Stroke::Construction);
  for (int j = 1; j <= n && n >= 2; ++j) {
    const Cplx a = RootNumber(r0, step, j - 1);
    const Cplx b = RootNumber(r0, step, j);
    PlaneLine(scale, surface, a.Re, a.Im, b.Re, b.Im);
    if (n <= 64) labels.Avoid(a.Re, a.Im, b.Re, b.Im);
  }
  SetStroke(surface, Stroke::Axis);
  for (int j = 1; j <= n; ++j) {
    surface.SetForeColor(PanelBlue);
    const Cplx root = RootNumber(r0, step, j);
    DrawComplexVector(scale, root, surface);
    if (n <= 64) labels.Avoid(0, 0, root.Re, root.Im);
  }
  // Every root named while the names fit; beyond a dozen the first one names the rest.
  const int named = n <= 12 ? n : 1;
  for (int k = 0; k < named; ++k) {
    const Cplx root = RootNumber(r0, step, k);
    labels.Add(root.Re, root.Im, root.Re, root.Im, QStringLiteral("w") + Subscript(k), PanelBlue);
  }
  surface.SetForeColor(ProjectionGrey);
  return scale;
}
