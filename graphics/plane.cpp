// SPDX-License-Identifier: MIT
#include "graphics/plane.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cplx.h"

namespace {

// Beyond this a bound is treated as out of reach: twice it still fits in a double.
constexpr double LargestBound = std::numeric_limits<double>::max() / 8;

double Tame(double v) {
  if (std::isnan(v)) return 0;
  return std::clamp(v, -LargestBound, LargestBound);
}

// 10^n for |n| ≤ 22, the double pow(10, n) gives, without the mathematics library: 10^0 to 10^22
// are whole doubles, each made exactly by multiplying, and one division rounds 10^-n once.
double ExactPowerOfTen(int n) {
  double power = 1;
  for (int i = 0; i < std::abs(n); ++i) power *= 10;
  return n < 0 ? 1 / power : power;
}

// A degenerate range [lo, hi] becomes one unit wide around its centre.
void Open(double& lo, double& hi) {
  if (hi < lo) std::swap(lo, hi);
  if (hi > lo) return;
  const double half = std::max(1.0, std::fabs(lo) * 1e-9);
  lo -= half;
  hi += half;
}

// Lines further out than this are cut to it: what lies beyond is never seen, and a dotted pen
// would otherwise lay out dots along millions of pixels.
constexpr double FarTwips = 1e7;

bool Near(double v) { return std::fabs(v) <= FarTwips; }

// Cuts the segment to the square of half-side FarTwips; false when none is left.
bool ClipFar(double& x1, double& y1, double& x2, double& y2) {
  double t0 = 0;
  double t1 = 1;
  if (!ClipSegment(x1, y1, x2, y2, -FarTwips, -FarTwips, FarTwips, FarTwips, t0, t1)) return false;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double ox = x1;
  const double oy = y1;
  x1 = ox + t0 * dx;
  y1 = oy + t0 * dy;
  x2 = ox + t1 * dx;
  y2 = oy + t1 * dy;
  return true;
}

// The first multiple of s, counted from 0 by repeated addition, worth drawing for a window that
// reaches from lo to hi: ticks are drawn at ±x, so those below the window's nearer edge (on both
// sides) are never seen. Windows that hold the origin start at 0.
double FirstTick(double lo, double hi, double s) {
  const double nearest = (lo > 0) ? lo : (hi < 0 ? -hi : 0);
  if (nearest <= 0) return 0;
  return std::floor(nearest / s) * s;
}

// Repeated addition of s from 0 is how ticks are laid out; no axis gets more than this many.
constexpr int MaxTicks = 100000;
}  // namespace

void SetPlaneWindow(PlaneScale& scale, const Surface& surface, double xmin, double ymin, double xmax,
                    double ymax) {
  xmin = Tame(xmin);
  ymin = Tame(ymin);
  xmax = Tame(xmax);
  ymax = Tame(ymax);
  scale.SurfaceWidth = surface.ScaleWidth();
  scale.SurfaceHeight = surface.ScaleHeight();
  // A range of zero size could not be fitted: the other range decides, or one unit when both are
  // empty.
  const bool flatX = !(xmax > xmin);
  const bool flatY = !(ymax > ymin);
  if (flatX && flatY) {
    Open(xmin, xmax);
    Open(ymin, ymax);
  } else if (flatX) {
    Open(xmin, xmax);
    const double c = (xmin + xmax) / 2;
    xmin = c;
    xmax = c;
  } else if (flatY) {
    const double c = (ymin + ymax) / 2;
    ymin = c;
    ymax = c;
  }
  if (scale.SurfaceWidth > 0 && scale.SurfaceHeight > 0) {
    const double r = scale.SurfaceWidth / scale.SurfaceHeight;
    if (ymax > ymin && xmax > xmin) {
      const double q = (xmax - xmin) / (ymax - ymin);
      if (q < r) {
        const double e = ((ymax - ymin) * r - (xmax - xmin)) / 2;
        xmax += e;
        xmin -= e;
      } else if (q > r) {
        const double e = ((xmax - xmin) / r - (ymax - ymin)) / 2;
        ymax += e;
        ymin -= e;
      }
    } else if (ymax > ymin) {  // no width: the height decides it
      const double e = (ymax - ymin) * r / 2;
      xmax += e;
      xmin -= e;
    } else {  // no height: the width decides it
      const double e = (xmax - xmin) / r / 2;
      ymax += e;
      ymin -= e;
    }
  } else {
    // A surface without area draws nothing visible; the window only has to stay usable.
    Open(xmin, xmax);
    Open(ymin, ymax);
  }
  scale.XMin = xmin;
  scale.YMin = ymin;
  scale.XMax = xmax;
  scale.YMax = ymax;
  scale.KX = scale.SurfaceWidth / (xmax - xmin);
  scale.KY = scale.SurfaceHeight / (ymax - ymin);
}

double MapX(const PlaneScale& scale, double x) { return (x - scale.XMin) * scale.KX; }

double MapY(const PlaneScale& scale, double y) { return scale.SurfaceHeight - (y - scale.YMin) * scale.KY; }

void PlaneLine(const PlaneScale& scale, Surface& surface, double x1, double y1, double x2, double y2) {
  double sx1 = MapX(scale, x1);
  double sy1 = MapY(scale, y1);
  double sx2 = MapX(scale, x2);
  double sy2 = MapY(scale, y2);
  if (!std::isfinite(sx1) || !std::isfinite(sy1) || !std::isfinite(sx2) || !std::isfinite(sy2)) return;
  if (!(Near(sx1) && Near(sy1) && Near(sx2) && Near(sy2)) && !ClipFar(sx1, sy1, sx2, sy2)) return;
  surface.Line(sx1, sy1, sx2, sy2);
}

void DottedLine(const PlaneScale& scale, Surface& surface, double x1, double y1, double x2, double y2) {
  const bool previous = surface.Dotted();
  surface.SetDotted(true);
  PlaneLine(scale, surface, x1, y1, x2, y2);
  surface.SetDotted(previous);
}

void PlaneRay(const PlaneScale& scale, Surface& surface, double x, double y, double length, double angle) {
  const double a = angle * PiValue / 180;
  PlaneLine(scale, surface, x, y, x + length * std::cos(a), y + length * std::sin(a));
}

void PlaneArrow(const PlaneScale& scale, Surface& surface, double x1, double y1, double x2, double y2) {
  // The shortest barb; the window's width itself, so that a surface without width cannot turn it
  // into 0 / 0.
  const double m = (scale.XMax - scale.XMin) / 80;
  PlaneLine(scale, surface, x1, y1, x2, y2);
  double theta;
  if (x1 != x2) theta = std::atan((y2 - y1) / (x2 - x1));
  else theta = (y2 >= y1) ? PiValue / 2 : -PiValue / 2;
  if (x2 < x1) theta += PiValue;
  const double c = (theta - PiValue) * 180 / PiValue;
  double l = std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1)) / 4;
  if (!(l >= m)) l = m;
  PlaneRay(scale, surface, x2, y2, l, c + 20);
  PlaneRay(scale, surface, x2, y2, l, c - 20);
}

void PlaneArc(const PlaneScale& scale, Surface& surface, double radius, double from, double to) {
  const double sweep = to - from;
  if (!std::isfinite(sweep) || !std::isfinite(radius) || radius <= 0) return;
  // About four degrees a segment, and no more than ten turns' worth.
  const int segments = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / 4)), 2, 900);
  const double grow = radius / 20 / 360;  // radius added per degree beyond the first turn
  const auto at = [&](int i, double& x, double& y) {
    const double t = from + sweep * i / segments;
    const double wound = std::max(0.0, std::fabs(t - from) - 360);
    const double r = radius + grow * wound;
    x = r * std::cos(t * PiValue / 180);
    y = r * std::sin(t * PiValue / 180);
  };
  double x0, y0;
  at(0, x0, y0);
  for (int i = 1; i <= segments; ++i) {
    double x1, y1;
    at(i, x1, y1);
    PlaneLine(scale, surface, x0, y0, x1, y1);
    x0 = x1;
    y0 = y1;
  }
}

void SetStroke(Surface& surface, Stroke stroke) {
  surface.SetDotted(stroke == Stroke::Projection);
  surface.SetDashed(stroke == Stroke::Construction);
  surface.SetLineWidth(stroke == Stroke::Vector ? 2.0 : 1.0);
}

QString TickText(double value, double step) {
  if (!(step > 0)) return QString::number(value);
  const double v = std::round(value / step) * step;
  QString text;
  if (step >= 1e6 || step < 1e-4) {
    text = QString::number(v, 'g', 3);
  } else {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    text = QString::number(v, 'f', decimals);
    if (decimals > 0) {
      while (text.endsWith(QLatin1Char('0'))) text.chop(1);
      if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
  }
  if (std::fabs(v) < step / 2) return QStringLiteral("0");
  return text.replace(QLatin1Char('-'), QChar(0x2212));
}

std::vector<PlaneText> TickLabels(const PlaneScale& scale, Surface& surface) {
  std::vector<PlaneText> labels;
  const double minor = DecimalStep((scale.XMax - scale.XMin) / 10);
  const double width = scale.SurfaceWidth;
  const double height = scale.SurfaceHeight;
  if (!std::isfinite(minor) || !(minor > 0) || !(scale.KX > 0) || !(scale.KY > 0) || !(width > 0)) return labels;
  const double size = surface.FontSize();
  surface.SetFontSize(TickLabelPoints);
  const double h = surface.TextHeight();
  const double gap = h / 4;
  const double reach = std::max({std::fabs(scale.XMin), std::fabs(scale.XMax), std::fabs(scale.YMin),
                                 std::fabs(scale.YMax)});
  // The smallest step of 1, 2 or 5 times the ticks' step whose numbers stand apart.
  double step = minor;
  static constexpr double Factors[] = {1, 2, 5};
  for (int i = 0; i < 90; ++i) {
    step = minor * Factors[i % 3] * (i / 3 <= 22 ? ExactPowerOfTen(i / 3) : std::pow(10.0, i / 3));
    const double widest = surface.TextWidth(TickText(-TickFloor(reach / step) * step, step));
    if (step * scale.KX >= widest + 3 * gap && step * scale.KY >= 2 * h) break;
  }
  const double ax = MapX(scale, 0);
  const double ay = MapY(scale, 0);
  // Under the real axis, or above it when it runs along the bottom; in the picture whatever.
  double row = ay + gap;
  if (row + h > height) row = ay - gap - h;
  row = std::clamp(row, 0.0, std::max(0.0, height - h));
  const auto add = [&](const QString& text, QRectF box) {
    if (box.left() < 0 || box.top() < 0 || box.right() > width || box.bottom() > height) return;
    for (const PlaneText& other : labels)
      if (other.Box.intersects(box)) return;
    labels.push_back({text, box});
  };
  const auto rangeOf = [step](double lo, double hi, long long& first, long long& last) {
    first = static_cast<long long>(TickCeil(std::max(lo, -1e15 * step) / step));
    last = static_cast<long long>(TickFloor(std::min(hi, 1e15 * step) / step));
    if (last - first > 400) last = first + 400;  // more could never stand apart
  };
  long long first, last;
  rangeOf(scale.XMin, scale.XMax, first, last);
  for (long long i = first; i <= last; ++i) {
    if (i == 0) continue;
    const QString text = TickText(static_cast<double>(i) * step, step);
    const double w = surface.TextWidth(text);
    add(text, QRectF(MapX(scale, static_cast<double>(i) * step) - w / 2, row, w, h));
  }
  rangeOf(scale.YMin, scale.YMax, first, last);
  for (long long i = first; i <= last; ++i) {
    if (i == 0) continue;
    const QString text = TickText(static_cast<double>(i) * step, step);
    const double w = surface.TextWidth(text);
    // Left of the imaginary axis, or right of it when it runs along the left edge.
    double left = ax - gap - w;
    if (left < 0) left = ax + gap;
    add(text, QRectF(std::clamp(left, 0.0, std::max(0.0, width - w)), MapY(scale, static_cast<double>(i) * step) - h / 2,
                     w, h));
  }
  if (scale.XMin < 0 && scale.XMax > 0 && scale.YMin < 0 && scale.YMax > 0) {
    const QString zero = QStringLiteral("0");
    const double w = surface.TextWidth(zero);
    add(zero, QRectF(ax - gap - w, row, w, h));
  }
  surface.SetFontSize(size);
  return labels;
}

void DrawAxes(const PlaneScale& scale, Surface& surface) {
  PlaneLine(scale, surface, scale.XMin, 0, scale.XMax, 0);
  PlaneLine(scale, surface, 0, scale.YMin, 0, scale.YMax);
}

void DrawAxesAndTicks(const PlaneScale& scale, Surface& surface) {
  DrawAxes(scale, surface);
  const double h = (scale.XMax - scale.XMin) / 140;
  const double s = DecimalStep((scale.XMax - scale.XMin) / 10);
  if (!std::isfinite(s) || !(s > 0) || !std::isfinite(h)) return;
  int n = 0;
  for (double x = FirstTick(scale.XMin, scale.XMax, s); x <= scale.XMax && n < MaxTicks; x += s, ++n) {
    PlaneLine(scale, surface, x, -h, x, h);
    PlaneLine(scale, surface, -x, -h, -x, h);
  }
  n = 0;
  for (double y = FirstTick(scale.YMin, scale.YMax, s); y <= scale.YMax && n < MaxTicks; y += s, ++n) {
    PlaneLine(scale, surface, -h, y, h, y);
    PlaneLine(scale, surface, -h, -y, h, -y);
  }
  const double size = surface.FontSize();
  surface.SetFontSize(TickLabelPoints);
  for (const PlaneText& label : TickLabels(scale, surface)) {
    surface.CurrentX = label.Box.left();
    surface.CurrentY = label.Box.top();
    surface.Print(label.Text);
  }
  surface.SetFontSize(size);
}

double TickFloor(double x) {
  if (!(std::fabs(x) < 0x1p52)) return x;  // whole already, infinite or not a number
  const double whole = static_cast<double>(static_cast<long long>(x));  // towards zero
  return whole > x ? whole - 1 : whole == x ? x : whole;
}

double TickCeil(double x) { return -TickFloor(-x); }

double Log10(double v) { return std::log(v) / std::log(10.0); }

double DecimalStep(double v) {
  if (v == 0 || std::isnan(v)) return 0;
  const double a = std::fabs(v);
  double step = 0;
  // Clear of the rounding points 10^(k ± 1/2), the power is found by comparison; near one the
  // logarithm decides, as it always has. The plane shown at start thus reads no tables of the
  // mathematics library.
  if (a > 1e-20 && a < 1e20) {
    constexpr double RootTen = 3.1622776601683795;
    int k = 0;
    double scaled = a;
    for (; scaled >= RootTen; ++k) scaled /= 10;
    for (; scaled < RootTen / 10; --k) scaled *= 10;
    if (std::fabs(scaled / RootTen - 1) > 1e-9 && std::fabs(scaled * 10 / RootTen - 1) > 1e-9)
      step = ExactPowerOfTen(k);
  }
  if (step == 0) step = std::pow(10.0, std::round(Log10(a)));
  return v < 0 ? -step : step;
}

PlaneScale NewPlane(Surface& surface, double xmin, double ymin, double xmax, double ymax) {
  PlaneScale scale;
  SetPlaneWindow(scale, surface, xmin, ymin, xmax, ymax);
  surface.Clear();
  DrawAxesAndTicks(scale, surface);
  // While a point is dragged the plane stays where it is: only what is drawn on it changes.
  surface.KeepAsBackground();
  return scale;
}

bool ClipSegment(double x1, double y1, double x2, double y2, double xmin, double ymin, double xmax, double ymax,
                 double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}
