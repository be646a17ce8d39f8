// SPDX-License-Identifier: MIT
// The round steps a dragged point snaps to, and the point read as the entry boxes read it.
#include <QtTest>

#include "graphics/plane_view.h"

class PlaneViewTests : public QObject {
  Q_OBJECT

 private slots:
  void SnapStepFollowsTheTicksInSight() {
    // Window width, then the step: the ticks one power of ten apart (the nearest to a tenth of the
    // width), kept while ten or more are in sight, halved while four or more are, else tenths.
    const struct {
      double width;
      double step;
    } cases[] = {{10, 1}, {20, 1}, {31, 1}, {7, 0.5}, {4, 0.5}, {3.5, 0.1}, {3, 0.1}, {40, 5}, {0.5, 0.05}};
    for (const auto& c : cases) {
      PlaneScale scale;
      scale.XMin = -c.width / 2;
      scale.XMax = c.width / 2;
      QCOMPARE(SnapStep(scale), c.step);
    }
    QCOMPARE(Snapped(QPointF(1.26, -0.74), 0.5), QPointF(1.5, -0.5));
  }

  void APointIsReadAtTheDecimalsShown() {
    const std::optional<Cplx> z = EntryValue(QPointF(2.345, -0.04), 1);
    QVERIFY(z.has_value());
    QCOMPARE(z->Re, 2.3);
    QCOMPARE(z->Im, 0.0);
    QCOMPARE(z->Mod, 2.3);
    QVERIFY(!EntryValue(QPointF(qQNaN(), 1), 2).has_value());
  }
};

QTEST_GUILESS_MAIN(PlaneViewTests)
#include "tst_plane_view.moc"
