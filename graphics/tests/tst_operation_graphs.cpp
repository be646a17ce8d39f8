// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cmath>
#include <QRectF>
#include <algorithm>
#include <limits>

#include "graphics/operation_graphs.h"
#include "graphics/plane.h"
#include "platform/testing/plane_lines.h"
#include "platform/testing/environment.h"

namespace {
std::vector<UserLine> LinesIn(const std::vector<UserLine>& lines, const QColor& color, bool dotted) {
  std::vector<UserLine> found;
  for (const UserLine& l : lines)
    if (l.Color == color && l.Dotted == dotted) found.push_back(l);
  return found;
}

// Its two grey dotted projections onto the axes.
bool HasProjectionsOf(const std::vector<UserLine>& lines, double x, double y) {
  bool toReal = false;
  bool toImaginary = false;
  for (const UserLine& l : LinesIn(lines, ProjectionGrey, true)) {
    if (Near(l.X1, x, 1e-9) && Near(l.Y1, 0, 1e-9) && Near(l.X2, x, 1e-9) && Near(l.Y2, y, 1e-9)) toReal = true;
    if (Near(l.X1, 0, 1e-9) && Near(l.Y1, y, 1e-9) && Near(l.X2, x, 1e-9) && Near(l.Y2, y, 1e-9)) toImaginary = true;
  }
  return toReal && toImaginary;
}
// The texts drawn, each checked to lie inside the picture and on no other.
QStringList CheckedTexts(const Surface& surface) {
  QStringList texts;
  std::vector<QRectF> boxes;
  const QRectF picture(0, 0, surface.ScaleWidth(), surface.ScaleHeight());
  for (const SurfaceOp& op : surface.Recorded()) {
    if (op.What != SurfaceOp::Kind::Text) continue;
    const QRectF box(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2));
    if (!picture.contains(box)) return {QStringLiteral("outside: ") + op.Text};
    for (const QRectF& other : boxes)
      if (other.intersects(box)) return {QStringLiteral("on another: ") + op.Text};
    boxes.push_back(box);
    texts << op.Text;
  }
  return texts;
}

// The line ending where a dashed arc of that colour ends, read as an angle about the origin.
std::vector<double> ArcEnds(const std::vector<UserLine>& lines, const QColor& color) {
  std::vector<double> ends;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const UserLine& l = lines[i];
    if (l.Color != color || !l.Dashed) continue;
    const bool last = i + 1 == lines.size() || !Near(lines[i + 1].X1, l.X2) || !Near(lines[i + 1].Y1, l.Y2);
    if (last) ends.push_back(std::atan2(l.Y2, l.X2) * 180 / M_PI);
  }
  return ends;
}

bool HasSide(const std::vector<UserLine>& lines, double x1, double y1, double x2, double y2) {
  for (const UserLine& l : LinesIn(lines, ConstructionGrey, true))
    if (Near(l.X1, x1) && Near(l.Y1, y1) && Near(l.X2, x2) && Near(l.Y2, y2)) return true;
  return false;
}
}  // namespace

class OperationGraphTests : public QObject {
  Q_OBJECT

 private slots:
  void ComplexVectorIsAnArrowWithDottedProjections() {
    Surface surface(1500, 1500);
    PlaneScale scale;
    SetPlaneWindow(scale, surface, -5, -5, 5, 5);
    surface.SetForeColor(PanelBlue);
    surface.StartRecording();
    DrawComplexVector(scale, MakeCplx(3, 4), surface);
    const auto lines = UserLines(surface, scale);
    QCOMPARE(lines.size(), size_t(5));
    QVERIFY(HasArrowTo(lines, PanelBlue, 3, 4));
    QVERIFY(HasProjectionsOf(lines, 3, 4));
    QCOMPARE(surface.ForeColor(), ProjectionGrey);  // axes drawn next are grey
    QVERIFY(!surface.Dotted());
  }

  void GraphPanelScalesToTheComplex() {
    const struct {
      double re, im;
      double halfX, halfY;  // the window asked for
    } cases[] = {{3, 4, 3.6, 4.8}, {2, 0, 2.4, 2.4}, {0, 5, 6, 6}, {-1e-3, 2e-3, 1.2e-3, 2.4e-3}};
    for (const auto& c : cases) {
      Surface panel(3000, 2000);
      panel.StartRecording();
      const std::optional<PlaneScale> drawn = ShowInGraphPanel(panel, MakeCplx(c.re, c.im));
      QVERIFY(drawn);
      const PlaneScale& scale = *drawn;
      // The fit widens one direction only: the other one is the asked one.
      const bool widened = (c.halfX / c.halfY) < 1.5;
      if (widened) QVERIFY(Near(scale.YMax, c.halfY, 1e-12));
      else QVERIFY(Near(scale.XMax, c.halfX, 1e-12));
      QVERIFY(Near(scale.XMin, -scale.XMax, 1e-12));
      const auto lines = UserLines(panel, scale);
      QVERIFY(HasArrowTo(lines, PanelBlue, c.re, c.im));
      QVERIFY(HasProjectionsOf(lines, c.re, c.im));
    }
  }

  void GraphPanelKeepsItsPictureForZero() {
    Surface panel(3000, 2000);
    const PlaneScale scale = ResetGraphPanel(panel);
    QCOMPARE(scale.YMax, 5.0);
    QCOMPARE(scale.XMax, 7.5);
    const QImage before = panel.Image();
    panel.StartRecording();
    QVERIFY(!ShowInGraphPanel(panel, MakeCplx(0, 0)));
    QVERIFY(panel.Recorded().empty());
    QCOMPARE(panel.Image(), before);
  }

  void BinaryGraphShowsOperandsAndResult() {
    Surface surface(1500, 1500);
    surface.StartRecording();
    const Cplx z1 = MakeCplx(1, 1);
    const Cplx z2 = MakeCplx(1, -1);
    const PlaneScale scale = DrawBinaryGraph(surface, z1, z2, CplxOp(OpMultiply, z1, z2));
    QVERIFY(Near(scale.XMax, 2.2, 1e-12));
    QVERIFY(Near(scale.YMin, -2.2, 1e-12));
    const auto lines = UserLines(surface, scale);
    // Axes and ticks in grey, then Z1 and Z2 in operand blue and the product in red.
    QCOMPARE(lines.front().Color, ProjectionGrey);
    QVERIFY(!lines.front().Dotted);
    QVERIFY(HasArrowTo(lines, OperandBlue, 1, 1));
    QVERIFY(HasArrowTo(lines, OperandBlue, 1, -1));
    QVERIFY(HasArrowTo(lines, ResultRed, 2, 0));
    QCOMPARE(LinesIn(lines, OperandBlue, false).size(), size_t(6));
    QCOMPARE(LinesIn(lines, ResultRed, false).size(), size_t(3));
    QVERIFY(HasProjectionsOf(lines, 1, 1));
    QVERIFY(HasProjectionsOf(lines, 2, 0));
    QCOMPARE(LinesIn(lines, ProjectionGrey, true).size(), size_t(6));
  }

  void BinaryGraphOfZerosShowsTheDefaultPlane() {
    Surface surface(1500, 1500);
    surface.StartRecording();
    const Cplx zero = MakeCplx(0, 0);
    const PlaneScale scale = DrawBinaryGraph(surface, zero, zero, zero);
    QCOMPARE(scale.XMax, 5.0);
    const auto lines = UserLines(surface, scale);
    QCOMPARE(lines.size(), size_t(26));
    QVERIFY(LinesIn(lines, OperandBlue, false).empty());
    QVERIFY(LinesIn(lines, ResultRed, false).empty());

    // Results far beyond the largest double's reach still give a finished, finite graph.
    surface.StartRecording();
    const Cplx huge{1.7e308, -1.7e308, 0, 0};
    const Cplx unbounded{std::numeric_limits<double>::infinity(), 0, 0, 0};
    const PlaneScale far = DrawBinaryGraph(surface, huge, huge, unbounded);
    QVERIFY(std::isfinite(far.KX) && far.KX > 0);
    QVERIFY(surface.Recorded().size() < 200);
  }

  void RootsGraphDrawsEveryRootOnTheCircle() {
    Surface panel(1500, 1500);
    panel.StartRecording();
    // The fourth roots of 16: first root 2 + 0i, 90 degrees apart.
    const PlaneScale scale = DrawRootsGraph(panel, MakeCplx(2, 0), 90, 4);
    QVERIFY(Near(scale.XMax, 2.1, 1e-12));
    const auto lines = UserLines(panel, scale);
    QCOMPARE(LinesIn(lines, PanelBlue, false).size(), size_t(12));
    for (const auto& [x, y] : {std::pair{0.0, 2.0}, {-2.0, 0.0}, {0.0, -2.0}, {2.0, 0.0}}) {
      QVERIFY(HasArrowTo(lines, PanelBlue, x, y));
      QVERIFY(HasProjectionsOf(lines, x, y));
    }
    // The last arrow is the first root again: its argument is r0's plus a full turn.
    const UserLine& lastShaft = LinesIn(lines, PanelBlue, false)[9];
    QVERIFY(Near(lastShaft.X2, 2, 1e-9) && Near(lastShaft.Y2, 0, 1e-9));
  }

  void RootsOfZeroShowTheDefaultPlane() {
    Surface panel(1500, 1500);
    panel.StartRecording();
    const PlaneScale scale = DrawRootsGraph(panel, MakeCplx(0, 0), 120, 3);
    QCOMPARE(scale.XMax, 5.0);
    QVERIFY(LinesIn(UserLines(panel, scale), PanelBlue, false).empty());
  }

  // z1 = 3 + 4i, z2 = 1 − 2i: the sum's fourth corner is 4 + 2i, reached from z1 and from z2;
  // the difference's is 2 + 6i, reached from z1 and from −z2 = −1 + 2i, drawn dashed.
  void SumAndDifferenceShowTheirParallelograms() {
    const Cplx z1 = MakeCplx(3, 4);
    const Cplx z2 = MakeCplx(1, -2);
    Surface surface(5400, 4200);
    surface.StartRecording();
    PlaneScale scale = DrawBinaryGraph(surface, OpAdd, z1, z2, CplxOp(OpAdd, z1, z2));
    auto lines = UserLines(surface, scale);
    QVERIFY(HasSide(lines, 3, 4, 4, 2) && HasSide(lines, 1, -2, 4, 2));
    QCOMPARE(CheckedTexts(surface).filter(QStringLiteral("z")),
             (QStringList{QStringLiteral("z\u2081"), QStringLiteral("z\u2082"), QStringLiteral("z\u2081 + z\u2082")}));

    surface.StartRecording();
    scale = DrawBinaryGraph(surface, OpSubtract, z1, z2, CplxOp(OpSubtract, z1, z2));
    lines = UserLines(surface, scale);
    QVERIFY(HasSide(lines, 3, 4, 2, 6) && HasSide(lines, -1, 2, 2, 6));
    const auto dashed = std::find_if(surface.Recorded().begin(), surface.Recorded().end(),
                                     [](const SurfaceOp& op) { return op.Dashed && op.Color == OperandBlue; });
    QVERIFY(dashed != surface.Recorded().end());
    QVERIFY(Near(UserX(scale, dashed->X2), -1) && Near(UserY(scale, dashed->Y2), 2));
    QVERIFY(CheckedTexts(surface).contains(QStringLiteral("\u2212z\u2082")));
  }

  // z1 = 1 + i (45°), z2 = 2i (90°): the arcs end at 45°, 90° and 135° for the product, at −45° for
  // the quotient; the power z³ of 1 + i has θ = 45° and 3θ = 135°.
  void ProductQuotientAndPowerMarkTheirAngles() {
    const Cplx z1 = MakeCplx(1, 1);
    const Cplx z2 = MakeCplx(0, 2);
    const QString t1 = QStringLiteral("\u03b8\u2081");
    const QString t2 = QStringLiteral("\u03b8\u2082");
    const struct {
      OpCode op;
      double result;
      QString label;
    } cases[] = {{OpMultiply, 135, t1 + QStringLiteral(" + ") + t2}, {OpDivide, -45, t1 + QStringLiteral(" \u2212 ") + t2}};
    for (const auto& c : cases) {
      Surface surface(5400, 4200);
      surface.StartRecording();
      const PlaneScale scale = DrawBinaryGraph(surface, c.op, z1, z2, CplxOp(c.op, z1, z2));
      const auto lines = UserLines(surface, scale);
      const auto blue = ArcEnds(lines, OperandBlue);
      QCOMPARE(blue.size(), size_t(2));
      QVERIFY(SameAngle(blue[0], 45) && SameAngle(blue[1], 90));
      const auto red = ArcEnds(lines, ResultRed);
      QVERIFY(red.size() == 1 && SameAngle(red[0], c.result));
      const QStringList texts = CheckedTexts(surface);
      QVERIFY(texts.contains(t1) && texts.contains(t2) && texts.contains(c.label));
    }
    Surface surface(5400, 4200);
    surface.StartRecording();
    const PlaneScale scale = DrawPowerGraph(surface, z1, 3, MakeCplx(-2, 2));
    const auto lines = UserLines(surface, scale);
    QVERIFY(SameAngle(ArcEnds(lines, OperandBlue).at(0), 45) && SameAngle(ArcEnds(lines, ResultRed).at(0), 135));
    QVERIFY(HasArrowTo(lines, ResultRed, -2, 2));
    const QStringList texts = CheckedTexts(surface);
    for (const char* label : {"z", "z\u00b3", "\u03b8", "3\u03b8"}) QVERIFY2(texts.contains(QString::fromUtf8(label)), label);
  }

  // The fifth roots of −32 + 0i (2∠36° first): the faint circle of radius 2 and the pentagon
  // through the roots, every root named.
  void RootsStandOnTheirCircleAndPolygon() {
    Surface surface(4500, 4500);
    surface.StartRecording();
    const PlaneScale scale = DrawRootsGraph(surface, MakePolarCplx(2, 36), 72, 5);
    const auto lines = UserLines(surface, scale);
    const auto circle = LinesIn(lines, FaintGrey, true);
    QVERIFY(circle.size() > 40);
    for (const UserLine& l : circle) QVERIFY(Near(std::hypot(l.X1, l.Y1), 2, 1e-9));
    const auto sides = LinesIn(lines, ConstructionGrey, false);
    QCOMPARE(sides.size(), size_t(5));
    for (std::size_t k = 0; k < 5; ++k) {
      const double a = (36 + 72.0 * static_cast<double>(k)) * M_PI / 180;
      QVERIFY(Near(sides[k].X1, 2 * std::cos(a)) && Near(sides[k].Y1, 2 * std::sin(a)));
      QVERIFY(Near(sides[k].Length(), 4 * std::sin(M_PI / 5)));
    }
    const QStringList named = CheckedTexts(surface).filter(QStringLiteral("w"));
    QCOMPARE(named, (QStringList{QStringLiteral("w\u2080"), QStringLiteral("w\u2081"), QStringLiteral("w\u2082"),
                                 QStringLiteral("w\u2083"), QStringLiteral("w\u2084")}));
  }

  void GraphWindowPapersKeepTheGraphsReadable() {
    // The result must stand out from the paper of the red window, the operands from the blue one.
    const auto distance = [](const QColor& a, const QColor& b) {
      return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    QVERIFY(distance(BinaryGraphPaper(2), ResultRed) > 250);
    QVERIFY(distance(BinaryGraphPaper(3), OperandBlue) > 250);
  }
};

ZORBIT_WINDOW_TEST_MAIN(OperationGraphTests)
#include "tst_operation_graphs.moc"
