// SPDX-License-Identifier: MIT
#include <QtTest>

#include "graphics/draw_formula.h"
#include "platform/testing/environment.h"

namespace {
struct Printed {
  QString Text;
  double X, Y, Size;
};

// The texts printed since recording started, with their positions and sizes.
QList<Printed> PrintedOps(const Surface& surface) {
  QList<Printed> out;
  for (const SurfaceOp& op : surface.Recorded())
    if (op.What == SurfaceOp::Kind::Text) out.push_back({op.Text, op.X1, op.Y1, op.FontSize});
  return out;
}

QString Joined(const QList<Printed>& printed) {
  QString s;
  for (const Printed& p : printed) s += p.Text;
  return s;
}

// "B" for a character at the base size on the line, "^" raised, "_" lowered.
QString Placement(const QList<Printed>& printed, double y, double size) {
  QString s;
  for (const Printed& p : printed) {
    if (qFuzzyCompare(p.Size, size) && qFuzzyCompare(p.Y + 1000, y + 1000)) s += 'B';
    else if (qFuzzyCompare(p.Size, size * 4 / 5) && qFuzzyCompare(p.Y + 1000, y - size * TwipsPerPoint / 5 + 1000)) s += '^';
    else if (qFuzzyCompare(p.Size, size * 4 / 5) && qFuzzyCompare(p.Y + 1000, y + size * TwipsPerPoint * 2 / 3 + 1000)) s += '_';
    else s += '?';
  }
  return s;
}
}  // namespace

class DrawFormulaTests : public QObject {
  Q_OBJECT

 private slots:
  void MarkupRaisesAndLowers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("placement");
    QTest::newRow("power") << "z^2" << "z2" << "B^";
    QTest::newRow("digits, then base") << "x^23+1" << "x23+1" << "B^^BB";
    QTest::newRow("point ends it") << "x^2.5" << "x2.5" << "B^BB";
    QTest::newRow("group") << "z^(1/2)" << "z1/2" << "B^^^";
    QTest::newRow("parentheses before") << "(a+b)^2" << "(a+b)2" << "BBBBB^";
    QTest::newRow("subscript") << "z_1" << "z1" << "B_";
    QTest::newRow("subscript group") << "z_(k+1)" << "zk+1" << "B___";
    QTest::newRow("group after digits") << "z^2(3)x" << "z2(3x" << "B^^^B";
    QTest::newRow("lone closing") << ")" << ")" << "B";
    QTest::newRow("cell text") << "11.18 , -10.3°" << "11.18 , -10.3°" << "BBBBBBBBBBBBBB";
  }

  void MarkupRaisesAndLowers() {
    QFETCH(QString, text);
    QFETCH(QString, printed);
    QFETCH(QString, placement);
    Surface surface(6000, 1000);
    surface.SetFontSize(9);
    surface.StartRecording();
    double y = 300;
    DrawFormula(surface, 100, y, text);
    const auto ops = PrintedOps(surface);
    QCOMPARE(Joined(ops), printed);
    QCOMPARE(Placement(ops, 300, 9), placement);
    QCOMPARE(y, 300.0);
    QCOMPARE(surface.FontSize(), 9.0);
    // Characters follow each other: each starts where the previous one ended.
    double x = 100;
    for (const Printed& p : ops) {
      QCOMPARE(p.X, x);
      surface.SetFontSize(p.Size);
      x += surface.TextWidth(p.Text);
    }
  }

  void LayoutIsTheSameOnHighResolutionScreens() {
    QList<Printed> layouts[2];
    int inkWidth[2] = {0, 0};
    const double ratios[2] = {1.0, 2.0};
    for (int i = 0; i < 2; ++i) {
      Surface surface(3000, 400, ratios[i]);
      surface.SetFontSize(9);
      surface.StartRecording();
      double y = 0;
      DrawFormula(surface, 0, y, QStringLiteral("11.18 , -10.3°"));
      layouts[i] = PrintedOps(surface);
      // The ink ends at the same place, measured in device pixels over the ratio.
      const QImage& image = surface.Image();
      for (int x = image.width() - 1; x >= 0 && inkWidth[i] == 0; --x)
        for (int py = 0; py < image.height(); ++py)
          if (image.pixelColor(x, py) != QColor(Qt::white)) {
            inkWidth[i] = x + 1;
            break;
          }
    }
    QCOMPARE(layouts[1].size(), layouts[0].size());
    QCOMPARE(layouts[1].last().X, layouts[0].last().X);
    QVERIFY(inkWidth[0] > 0);
    QVERIFY(std::abs(inkWidth[1] / 2.0 - inkWidth[0]) <= 2);
  }

  void EmptyTextPrintsNothingAndRestoresTheSize() {
    Surface surface(2000, 500);
    surface.SetFontSize(11);
    surface.StartRecording();
    double y = 0;
    DrawFormula(surface, 0, y, QString());
    QVERIFY(surface.Recorded().empty());
    DrawFormula(surface, 0, y, QStringLiteral("a^2"));  // ends raised
    QCOMPARE(surface.FontSize(), 11.0);
  }

  void LongTextWrapsBelowAtTheLeftMargin() {
    Surface surface(1000, 3000);
    surface.SetFontSize(9);
    surface.StartRecording();
    double y = 100;
    const QString text = QStringLiteral("1234567890123456789012345678901234567890");
    DrawFormula(surface, 50, y, text);
    const auto ops = PrintedOps(surface);
    QCOMPARE(Joined(ops), text);
    QVERIFY(y > 100);
    int lines = 1;
    for (int i = 1; i < ops.size(); ++i) {
      if (ops[i].Y == ops[i - 1].Y) continue;
      // A new line starts at x, S points × 1.1 lower, after a character that passed 0.98 of the width.
      ++lines;
      QCOMPARE(ops[i].X, 50.0);
      QVERIFY(qFuzzyCompare(ops[i].Y, ops[i - 1].Y + 9 * TwipsPerPoint * 1.1));
      surface.SetFontSize(9);
      QVERIFY(ops[i - 1].X + surface.TextWidth(ops[i - 1].Text) > 980);
    }
    QVERIFY(lines >= 2);
    QVERIFY(qFuzzyCompare(y, 100 + (lines - 1) * 9 * TwipsPerPoint * 1.1));
    // A raised group is never cut by a wrap.
    surface.StartRecording();
    y = 0;
    DrawFormula(surface, 900, y, QStringLiteral("a^(123456789)b"));
    const auto raised = PrintedOps(surface);
    QCOMPARE(raised[1].Text, QStringLiteral("1"));
    QCOMPARE(raised[9].Text, QStringLiteral("9"));
    QCOMPARE(raised[1].Y, raised[9].Y);
  }

  void SurfaceGrowsUntilTheTextFits() {
    Surface surface(300, 40);
    surface.SetFontSize(9);
    surface.StartRecording();
    double y = 20;
    DrawFormula(surface, 0, y, QStringLiteral("123456789012345678901234567890"));
    QVERIFY(surface.ScaleHeight() - y >= 9 * TwipsPerPoint);
    QVERIFY(surface.Height() > 40);
    // The last pass printed the whole text, starting at the first line again.
    const auto ops = PrintedOps(surface);
    qsizetype lastClear = -1;
    for (std::size_t i = 0; i < surface.Recorded().size(); ++i)
      if (surface.Recorded()[i].What == SurfaceOp::Kind::Clear) lastClear = static_cast<qsizetype>(i);
    QVERIFY(lastClear >= 0);
    QString afterClear;
    for (std::size_t i = static_cast<std::size_t>(lastClear); i < surface.Recorded().size(); ++i)
      afterClear += surface.Recorded()[i].Text;
    QCOMPARE(afterClear, QStringLiteral("123456789012345678901234567890"));
    QCOMPARE(surface.Recorded()[static_cast<std::size_t>(lastClear) + 1].Y1, 20.0);
  }

  void GrowthEndsEvenWithATinyFont() {
    for (double size : {0.3, 0.01, 0.0}) {
      Surface surface(200, 10);
      surface.SetFontSize(size);
      double y = 50;  // starts below the bottom: the surface must grow past it
      DrawFormula(surface, 0, y, QStringLiteral("x^2+1"));  // a growth that never ends meets the test's timeout
      QVERIFY(surface.ScaleHeight() - y >= size * TwipsPerPoint);
      QCOMPARE(surface.FontSize(), size);
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(DrawFormulaTests)
#include "tst_draw_formula.moc"
