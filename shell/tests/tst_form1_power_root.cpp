// SPDX-License-Identifier: MIT
// The power and root panels as the user works them: typed exponents and indices, the results,
// their hints, taking a result back, the roots drawn in the graph panel, and the refusals.
#include <QAction>
#include <QToolButton>

#include "graphics/operation_graphs.h"
#include "graphics/plane.h"
#include "panel_actions.h"
#include "platform/testing/environment.h"

namespace {

void CalculatePower(Form1& f, const QString& exponent) {
  TypeInto(f.Power->LstNp, exponent);
  QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
}

void CalculateRoots(Form1& f, const QString& index) {
  TypeInto(f.Roots->LstNr, index);
  QTest::mouseClick(f.Roots->OkRel, Qt::LeftButton);
}

// The arrows drawn since the surface started recording, by their colour: each arrow is a line
// from the origin of the plane.
int ArrowsFromOrigin(const Surface& s, const PlaneScale& scale, const QColor& color) {
  int n = 0;
  for (const SurfaceOp& op : s.Recorded()) {
    if (op.What != SurfaceOp::Kind::Line || op.Color != color || op.Dotted) continue;
    if (std::abs(op.X1 - MapX(scale, 0)) < 1 && std::abs(op.Y1 - MapY(scale, 0)) < 1) ++n;
  }
  return n;
}

}  // namespace

class PowerRootTests : public QObject {
  Q_OBJECT

 private slots:
  void TheSquareOfOnePlusI() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    QCOMPARE(f.Power->IdZ[0]->text(), QStringLiteral("1+1i"));
    CalculatePower(f, QStringLiteral("2"));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("0+2i"));
    QCOMPARE(f.Power->PZ[1]->text(), QStringLiteral("2 , 90\u00b0"));
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("(1+1i)^2"));
    // Box 0's text comes first, then its hint; box 1's text then rewrites both hints by length.
    QCOMPARE(f.Power->PZ[0]->toolTip(), QStringLiteral("dbl "));
    QCOMPARE(f.Power->PZ[1]->toolTip(), QStringLiteral("Incorporar: doble click"));
    QVERIFY(f.Power->BtGP->isEnabled());
    QVERIFY(f.OpG[1]->isEnabled());
  }

  void ExponentsTypedAsDecimalsAndFractions() {
    Form1Driver d;
    StoreAll(d, {"0, 4", "-8, 0"});
    Form1& f = *d.form;
    CalculatePower(f, QStringLiteral("0.5"));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("1.41+1.41i"));
    QCOMPARE(f.Power->PZ[1]->text(), QStringLiteral("2 , 45\u00b0"));
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("(0+4i)^0.5"));

    Pick(f, 2, 'b');  // a new Z picked by hand starts the panel afresh
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
    QVERIFY(!f.Power->BtGP->isEnabled());
    CalculatePower(f, QStringLiteral("1/3"));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("1+1.73i"));
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("(-8+0i)^0.333333333333333"));
    // Both boxes take back the full-precision value.
    DoubleClickBox(f.Power->PZ[1]);
    QCOMPARE(f.Stored->Store().Count(), 3);
    QCOMPARE(f.Stored->Store().At(3).Re, f.Power->Last.Result.Re);
    QCOMPARE(f.Stored->Store().At(3).Im, f.Power->Last.Result.Im);
  }

  // An exponent that does not read as a number is refused with the reason and changes nothing
  // shown: the last power stays whole.
  void AnUnreadableExponentChangesNothingShown() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    CalculatePower(f, QStringLiteral("2"));
    const Cplx last = f.Power->Last.Result;
    CalculatePower(f, QStringLiteral("x+"));
    QCOMPARE(d.messages.Shown.size(), 1);
    QCOMPARE(d.messages.LastText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("wrong expression"));
    QVERIFY2(d.messages.LastText().contains(QStringLiteral("\u201Cx")), qPrintable(d.messages.LastText()));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("0+2i"));
    QVERIFY(f.Power->BtGP->isEnabled());
    QCOMPARE(f.Power->Last.Exponent, 2.0);
    QCOMPARE(f.Power->Last.Result.Im, last.Im);
  }

  // 0 to a negative power and an overflow cannot be calculated: the user is told why, and the
  // panel is left without a result that could be kept.
  void APowerThatCannotBeCalculatedIsReportedAndLeavesNoResult() {
    Form1Driver d;
    StoreAll(d, {"2, 0", "0, 0", "1e150, 0"});
    Form1& f = *d.form;
    CalculatePower(f, QStringLiteral("3"));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("8+0i"));

    Pick(f, 2, 'b');
    CalculatePower(f, QStringLiteral("3"));  // 0^3 is fine
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("0+0i"));
    CalculatePower(f, QStringLiteral("-1"));
    QCOMPARE(d.messages.Shown.size(), 1);
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Not feasible"));
    QVERIFY(d.messages.LastText().contains(QStringLiteral("negative exponent")));
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
    QVERIFY(f.Power->PZ[1]->text().isEmpty());
    QVERIFY(!f.Power->BtGP->isEnabled());
    DoubleClickBox(f.Power->PZ[0]);
    QCOMPARE(f.Stored->Store().Count(), 3);

    Pick(f, 2, 'c');
    CalculatePower(f, QStringLiteral("3"));
    QCOMPARE(d.messages.Shown.size(), 2);
    QVERIFY(d.messages.LastText().contains(QStringLiteral("too large")));
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
  }

  void ANewExponentEmptiesTheResultButKeepsTheExercise() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    f.Power->LstNp->setFocus();
    QTest::keyClick(f.Power->LstNp, Qt::Key_Down);  // 3
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
    QVERIFY(f.Power->PZ[1]->text().isEmpty());
    QVERIFY(f.Power->PZ[0]->toolTip().isEmpty());
    QVERIFY(f.Power->BtGP->isEnabled());
    DoubleClickBox(f.Power->PZ[0]);
    QCOMPARE(f.Stored->Store().Count(), 1);
  }

  // The store's own re-selections rewrite Z but keep the results; the user's pick resets them.
  void StoringANewComplexKeepsTheResults() {
    Form1Driver d;
    StoreAll(d, {"-8, 0", "1, 1"});
    Form1& f = *d.form;
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    CalculateRoots(f, QStringLiteral("3"));
    d.Enter(0, QStringLiteral("5, 5"));
    QCOMPARE(f.Power->IdZ[0]->text(), QStringLiteral("-8+0i"));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("64+0i"));
    QCOMPARE(f.Roots->LstRels[0]->count(), 3);
    QVERIFY(f.Roots->BtGR->isEnabled());

    Pick(f, 3, 'c');
    QCOMPARE(f.Roots->ZR[0]->text(), QStringLiteral("5+5i"));
    QCOMPARE(f.Roots->LstRels[0]->count(), 0);
    QVERIFY(!f.Roots->BtGR->isEnabled());
    QVERIFY(f.OpG[2]->isEnabled());
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("64+0i"));  // the other panel is not touched
  }

  void TheCubeRootsOfMinusEight() {
    Form1Driver d;
    StoreAll(d, {"-8, 0"});
    Form1& f = *d.form;
    Surface& panel = f.Graph->PBox0->surface();
    panel.StartRecording();
    CalculateRoots(f, QStringLiteral("3"));
    QCOMPARE(Rows(f.Roots->LstRels[0]), (QStringList{"1+1.73i", "-2+0i", "1-1.73i"}));
    QCOMPARE(Rows(f.Roots->LstRels[1]), (QStringList{"2 , 60\u00b0", "2 , 180\u00b0", "2 , 300\u00b0"}));
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("R3(-8+0i)"));
    QCOMPARE(f.Roots->LstRels[0]->toolTip(), QStringLiteral("Incorporar: doble click"));
    QVERIFY(f.Roots->BtGR->isEnabled());
    QVERIFY(f.OpG[2]->isEnabled());
    // Drawn in the graph panel, three blue arrows (the plane that fits them: the graphs' own tests).
    QCOMPARE(ArrowsFromOrigin(panel, f.Graph->Scale, PanelBlue), 3);

    // A click in one list selects the same row in the other.
    QTest::mouseClick(f.Roots->LstRels[1]->viewport(), Qt::LeftButton, Qt::NoModifier,
                      f.Roots->LstRels[1]->visualItemRect(f.Roots->LstRels[1]->item(2)).center());
    QCOMPARE(f.Roots->LstRels[0]->currentRow(), 2);

    DoubleClickListRow(f.Roots->LstRels[0], 1);
    QCOMPARE(d.Column(1), (QStringList{"-8+0i", "-2+0i"}));
    QVERIFY(std::abs(f.Stored->Store().At(2).Re + 2) < 1e-12);
  }

  void RootIndicesThatAreRefused() {
    Form1Driver d;
    StoreAll(d, {"-8, 0"});
    Form1& f = *d.form;
    CalculateRoots(f, QStringLiteral("3"));
    const Cplx first = f.Roots->Last.First;
    for (const char* index : {"2.5", "1", "0", "-3", "40000", "three", "", "4/0"}) {
      d.messages.Shown.clear();
      CalculateRoots(f, QString::fromLatin1(index));
      QCOMPARE(d.messages.Shown.size(), 1);
      QCOMPARE(d.messages.LastText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Only integers >= 2"));
      QCOMPARE(d.messages.LastTitle(), QStringLiteral("Wrong index"));
      QCOMPARE(f.Roots->LstRels[0]->count(), 3);  // the lists keep the last roots
    }
    // The last roots that succeeded stay whole.
    CalculateRoots(f, QStringLiteral("1"));
    QCOMPARE(f.Roots->Last.Index, std::int16_t(3));
    QCOMPARE(f.Roots->Last.First.Arg, first.Arg);
    QVERIFY(f.Roots->BtGR->isEnabled());
    // A text that is no number says why; the index is a small expression like any typed number.
    CalculateRoots(f, QStringLiteral("three"));
    QCOMPARE(d.messages.LastText(), QStringLiteral("Only integers >= 2\nunexpected \u201Cthree\u201D"));
    CalculateRoots(f, QStringLiteral("4/0"));
    QCOMPARE(d.messages.LastText(), QStringLiteral("Only integers >= 2\ndivision by zero"));
    CalculateRoots(f, QStringLiteral("2*2"));
    QCOMPARE(f.Roots->Last.Index, std::int16_t(4));
  }

  void TheRootsOfZeroAreRefusedWithoutHarm() {
    Form1Driver d;
    StoreAll(d, {"0, 0"});
    Form1& f = *d.form;
    CalculateRoots(f, QStringLiteral("4"));
    QCOMPARE(d.messages.LastText(), QStringLiteral("Only integers >= 2"));
    QCOMPARE(f.Roots->LstRels[0]->count(), 0);
    QVERIFY(!f.Roots->BtGR->isEnabled());
  }
};

ZORBIT_WINDOW_TEST_MAIN(PowerRootTests)
#include "tst_form1_power_root.moc"
