// SPDX-License-Identifier: MIT
#include <QtTest>
#include <cmath>
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
