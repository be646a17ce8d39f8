// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cmath>
#include <limits>
#include <QRectF>
#include <set>

#include "graphics/plane.h"
#include "platform/testing/plane_lines.h"
#include "platform/testing/environment.h"

namespace {
// Tick positions along one axis: short lines across it, centred on it.
std::set<double> TickPositions(const std::vector<UserLine>& lines, bool vertical) {
  std::set<double> at;
  for (const UserLine& l : lines) {
    if (vertical && Near(l.X1, l.X2) && Near(l.Y1, -l.Y2, 1e-9) && l.Y1 != l.Y2)
      at.insert(std::round(l.X1 * 1e6) / 1e6);
    if (!vertical && Near(l.Y1, l.Y2) && Near(l.X1, -l.X2, 1e-9) && l.X1 != l.X2)
      at.insert(std::round(l.Y1 * 1e6) / 1e6);
  }
  return at;
}

bool Finite(const PlaneScale& s) {
  for (double v : {s.XMin, s.XMax, s.YMin, s.YMax, s.KX, s.KY})
    if (!std::isfinite(v)) return false;
  return s.XMax > s.XMin && s.YMax > s.YMin;
}

bool AllRecordedFinite(const Surface& surface) {
  for (const SurfaceOp& op : surface.Recorded())
    for (double v : {op.X1, op.Y1, op.X2, op.Y2})
      if (!std::isfinite(v)) return false;
  return true;
}
}  // namespace

class PlaneTests : public QObject {
  Q_OBJECT

 private slots:
  void WindowWidensToTheSurfaceProportions() {
    PlaneScale s;
    Surface wide(4000, 2000);
    SetPlaneWindow(s, wide, -5, -5, 5, 5);
    QCOMPARE(s.XMin, -10.0);
    QCOMPARE(s.XMax, 10.0);
    QCOMPARE(s.YMin, -5.0);
    QCOMPARE(s.YMax, 5.0);
    QCOMPARE(s.KX, 200.0);
    QCOMPARE(s.KY, 200.0);
    QCOMPARE(MapX(s, 0), 2000.0);
    QCOMPARE(MapY(s, 0), 1000.0);
    QCOMPARE(MapY(s, 5), 0.0);  // y upwards on the plane, downwards on the surface

    Surface tall(2000, 4000);
    SetPlaneWindow(s, tall, -5, -5, 5, 5);
    QCOMPARE(s.XMin, -5.0);
    QCOMPARE(s.XMax, 5.0);
    QCOMPARE(s.YMin, -10.0);
    QCOMPARE(s.YMax, 10.0);

    // A window already in proportion stays as asked, even off centre.
    Surface square(1500, 1500);
    SetPlaneWindow(s, square, 1, 2, 3, 4);
    QCOMPARE(s.XMin, 1.0);
    QCOMPARE(s.YMax, 4.0);
    QCOMPARE(s.KX, 750.0);
  }

  void DegenerateWindowsAndSurfacesStayUsable() {
    Surface square(1500, 1500);
    PlaneScale s;
    SetPlaneWindow(s, square, 2, -3, 2, 3);  // no width: the height decides
    QVERIFY(Finite(s));
    QCOMPARE(s.XMin, -1.0);
    QCOMPARE(s.XMax, 5.0);
    SetPlaneWindow(s, square, -4, 1, 4, 1);  // no height
    QVERIFY(Finite(s));
    QCOMPARE(s.YMin, -3.0);
    QCOMPARE(s.YMax, 5.0);
    SetPlaneWindow(s, square, 0, 0, 0, 0);  // a single point
    QVERIFY(Finite(s));
    QVERIFY(s.XMin < 0 && s.XMax > 0);

    const double inf = std::numeric_limits<double>::infinity();
    SetPlaneWindow(s, square, -inf, -inf, inf, inf);
    QVERIFY(Finite(s));
    SetPlaneWindow(s, square, std::nan(""), 0, 1, 1);
    QVERIFY(Finite(s));

    // Every such window draws a finite, finished plane, also on a surface without area.
    for (double w : {0.0, 1500.0}) {
      Surface surface(w, 1500 - w);
      surface.StartRecording();
      NewPlane(surface, 0, 0, 0, 0);
      NewPlane(surface, -inf, -inf, inf, inf);
      NewPlane(surface, -1e308, -1e308, 1e308, 1e308);
      const PlaneScale far = NewPlane(surface, 1000, 1000, 1001, 1001);  // the ticks start near the origin
      PlaneArrow(far, surface, 0, 0, 3, 4);
      QVERIFY(AllRecordedFinite(surface));
      QVERIFY(surface.Recorded().size() < 2000);
    }
  }

  void ArrowHeadsHaveTwoBarbsTwentyDegreesOffTheShaft() {
    struct Case {
      double x2, y2;
      double barb1, barb2;  // directions of the barbs from the tip, degrees
      double length;
    };
    const Case cases[] = {
        {0, 0, -70, -110, 10.0 / 80},      // no shaft: the shortest barbs, pointing down
        {-3, 0, 20, -20, 0.75},            // pointing left: barbs back to the right
        {4, 3, -123.130102, -163.130102, 1.25},
        {0, -2, 110, 70, 0.5},             // straight down
        {0.1, 0, -160, 160, 10.0 / 80},    // short arrows keep the shortest barb length
    };
    for (const Case& c : cases) {
      Surface square(1500, 1500);
      PlaneScale s;
      SetPlaneWindow(s, square, -5, -5, 5, 5);
      square.StartRecording();
      PlaneArrow(s, square, 0, 0, c.x2, c.y2);
      const auto lines = UserLines(square, s);
      QCOMPARE(lines.size(), size_t(3));
      QVERIFY(Near(lines[0].X1, 0) && Near(lines[0].Y1, 0));
      QVERIFY(Near(lines[0].X2, c.x2) && Near(lines[0].Y2, c.y2));
      for (int i = 1; i <= 2; ++i) {
        QVERIFY2(Near(lines[i].X1, c.x2) && Near(lines[i].Y1, c.y2), "a barb starts at the tip");
        QVERIFY2(Near(lines[i].Length(), c.length, 1e-9), qPrintable(QString::number(lines[i].Length())));
      }
      QVERIFY2(SameAngle(lines[1].Angle(), c.barb1), qPrintable(QString::number(lines[1].Angle())));
      QVERIFY2(SameAngle(lines[2].Angle(), c.barb2), qPrintable(QString::number(lines[2].Angle())));
    }
  }

  void DottedLineUsesItsScaleAndRestoresTheStyle() {
    Surface square(1500, 1500);
    PlaneScale scale;
    SetPlaneWindow(scale, square, -5, -5, 5, 5);
    square.StartRecording();
    DottedLine(scale, square, 1, 0, 1, 2);
    QVERIFY(!square.Dotted());
    square.SetDotted(true);
    DottedLine(scale, square, 0, 2, 1, 2);
    QVERIFY(square.Dotted());
    square.SetDotted(false);
    PlaneArrow(scale, square, 0, 0, 1, 2);
    const auto& ops = square.Recorded();
    QCOMPARE(ops.size(), size_t(5));
    QVERIFY(ops[0].Dotted && ops[1].Dotted && !ops[2].Dotted);
    QCOMPARE(ops[0].X1, MapX(scale, 1));
    QCOMPARE(ops[0].Y2, MapY(scale, 2));
  }

  void DecimalStepIsTheNearestPowerOfTen() {
    const struct {
      double v, step;
    } cases[] = {{1, 1}, {3.1, 1}, {3.2, 10}, {0.05, 0.1}, {0.048, 0.1}, {2, 1}, {-3.2, -10},
                 {250, 100}, {400, 1000}, {1e-7, 1e-7}};
    for (const auto& c : cases) QVERIFY2(Near(DecimalStep(c.v), c.step, std::fabs(c.step) * 1e-12), qPrintable(QString::number(c.v)));
    QCOMPARE(Log10(1000), 3.0);
  }

  // The ticks' floor and ceil are the library's to the sign of a zero, for halves, whole numbers,
  // numbers past any fraction, infinities and not-a-number.
  void TickFloorAndCeilAreTheLibrarys() {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {0.0, -0.0, 0.5, -0.5, 1.0, -1.0, 2.5, -2.5, 1e-300, -1e-300, 4503599627370495.5,
                     -4503599627370495.5, 0x1p52, -0x1p52, 1e300, -1e300, inf, -inf}) {
      for (const auto& [ours, library] : {std::pair{TickFloor(x), std::floor(x)}, std::pair{TickCeil(x), std::ceil(x)}})
        QVERIFY2(ours == library && std::signbit(ours) == std::signbit(library), qPrintable(QString::number(x, 'g', 17)));
    }
    QVERIFY(std::isnan(TickFloor(std::nan(""))) && std::isnan(TickCeil(std::nan(""))));
  }

  // Found by comparison where it can be, the step is the logarithm's to the last bit, next to the
  // rounding points too.
  void DecimalStepAgreesWithTheLogarithmToTheLastBit() {
    const auto byLogarithm = [](double v) {
      const double step = std::pow(10.0, std::round(Log10(std::fabs(v))));
      return v < 0 ? -step : step;
    };
    for (int k = -21; k <= 21; ++k) {
      for (double m : {1.0, 1.5, 2.9, 3.1622776601683795, 4.0, 9.99}) {
        const double v = m * std::pow(10.0, k);
        for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300), -v})
          QVERIFY2(DecimalStep(w) == byLogarithm(w), qPrintable(QString::number(w, 'g', 17)));
      }
    }
  }

  void TicksAreSymmetricOneStepApart() {
    Surface square(1500, 1500);
    square.StartRecording();
    const PlaneScale scale = NewPlane(square, -5, -5, 5, 5);
    QCOMPARE(square.Recorded().front().What, SurfaceOp::Kind::Clear);
    const auto lines = UserLines(square, scale);
    QCOMPARE(lines.size(), size_t(2 + 12 + 12));  // axes, then the origin's tick twice on each axis
    QVERIFY(Near(lines[0].X1, -5) && Near(lines[0].X2, 5) && Near(lines[0].Y1, 0));
    QVERIFY(Near(lines[1].Y1, -5) && Near(lines[1].Y2, 5) && Near(lines[1].X1, 0));
    const std::set<double> expected = {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5};
    QCOMPARE(TickPositions(lines, true), expected);
    QCOMPARE(TickPositions(lines, false), expected);
    QVERIFY(Near(lines[2].Length(), 2.0 / 14));

    square.StartRecording();
    const PlaneScale narrow = NewPlane(square, -0.24, -0.24, 0.24, 0.24);
    const std::set<double> small = {-0.2, -0.1, 0, 0.1, 0.2};
    QCOMPARE(TickPositions(UserLines(square, narrow), true), small);
    QCOMPARE(TickPositions(UserLines(square, narrow), false), small);

    // A wide surface: ticks reach ±XMax across and ±YMax upwards, never beyond.
    Surface wide(4000, 2000);
    wide.StartRecording();
    const PlaneScale wideScale = NewPlane(wide, -5, -5, 5, 5);
    const auto wideLines = UserLines(wide, wideScale);
    QCOMPARE(*TickPositions(wideLines, true).rbegin(), 10.0);
    QCOMPARE(*TickPositions(wideLines, false).rbegin(), 5.0);
    QCOMPARE(*TickPositions(wideLines, false).begin(), -5.0);
  }

  // Numbers at the ticks they name, as many as stand apart: every whole number of −5..5 on a
  // wide picture, halves of −1..1 on a small one, fewer on a tiny one; none on another.
  void AxesAreNumberedAtAReadableDensity() {
    const struct {
      double side, half;
      QStringList x;
    } cases[] = {
        {6000, 5.5, {"\u22125", "\u22124", "\u22123", "\u22122", "\u22121", "1", "2", "3", "4", "5"}},
        {3000, 1.2, {"\u22121", "\u22120.5", "0.5", "1"}},
        {1500, 6, {"\u22125", "5"}},
    };
    for (const auto& c : cases) {
      Surface square(c.side, c.side);
      square.StartRecording();
      const PlaneScale scale = NewPlane(square, -c.half, -c.half, c.half, c.half);
      QStringList x;
      std::vector<QRectF> boxes;
      for (const SurfaceOp& op : square.Recorded()) {
        if (op.What != SurfaceOp::Kind::Text) continue;
        const QRectF box(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2));
        for (const QRectF& other : boxes) QVERIFY(!other.intersects(box));
        QVERIFY(QRectF(0, 0, c.side, c.side).contains(box));
        boxes.push_back(box);
        // The real axis's numbers stand under it, centred on their ticks.
        const double under = op.Y1 - MapY(scale, 0);
        if (under > 0 && under < op.Y2 - op.Y1 && op.Text != QLatin1String("0")) {
          x << op.Text;
          const double value = QString(op.Text).replace(QChar(0x2212), QLatin1Char('-')).toDouble();
          QVERIFY(Near((op.X1 + op.X2) / 2, MapX(scale, value), 1e-6));
        }
      }
      QCOMPARE(x.join(' '), c.x.join(' '));
    }
  }

  void FarLinesAreCutNotLost() {
    Surface square(1500, 1500);
    PlaneScale s;
    SetPlaneWindow(s, square, -1, -1, 1, 1);
    square.StartRecording();
    PlaneLine(s, square, -1e9, 0, 1e9, 0);  // crosses the picture
    PlaneLine(s, square, 1e9, 1e9, 2e9, 2e9);  // wholly far away
    PlaneLine(s, square, 0, 0, std::numeric_limits<double>::infinity(), 0);
    QCOMPARE(square.Recorded().size(), size_t(1));
    const SurfaceOp& op = square.Recorded()[0];
    QVERIFY(op.X1 < 0 && op.X2 > 1500);
    QCOMPARE(op.Y1, 750.0);
    QCOMPARE(op.Y2, 750.0);
  }
};

ZORBIT_WINDOW_TEST_MAIN(PlaneTests)
#include "tst_plane.moc"
