// SPDX-License-Identifier: MIT
// Letters picked by the user in the five selectors: every pick counts, the letter already shown
// included, and the letter of the combined panel replaces the text selected in the string. The
// program's own selections stay silent.
#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

#include "panel_actions.h"
#include "platform/testing/environment.h"

namespace {

using PickWay = void (*)(QComboBox*, const QString&);

// Typing the letter on the focused selector, as Pick does, but without insisting that the
// selection moves.
void PickByTyping(QComboBox* selector, const QString& letter) {
  selector->setFocus(Qt::TabFocusReason);
  selector->view()->keyboardSearch(QString());
  QTest::keyClicks(selector, letter);
}

// Types the formula and selects `selected` characters before its end, with Shift+Left.
void TypeAndSelectEnd(Form1& f, const QString& formula, int selected) {
  QLineEdit* box = f.Combined->TxtOp;
  box->setFocus(Qt::MouseFocusReason);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, formula);
  for (int k = 0; k < selected; ++k) QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
}

}  // namespace

class PickTests : public QObject {
  Q_OBJECT

 private slots:
  void TheShownLetterCountsAsAPick_data() {
    QTest::addColumn<PickWay>("pick");
    QTest::newRow("mouse") << PickWay(&PickFromList);
    QTest::newRow("keys") << PickWay(&PickWithKeys);
    QTest::newRow("typed") << PickWay(&PickByTyping);
  }
  // Right after the first store LstZ(4) shows "a"; picking it inserts it, and b*b takes "b"
  // twice in a row.
  void TheShownLetterCountsAsAPick() {
    QFETCH(PickWay, pick);
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    QCOMPARE(f.LstZ[4]->currentText(), QStringLiteral("a"));
    pick(f.LstZ[4], QStringLiteral("a"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a"));

    StoreAll(d, {"2, 0"});
    TypeAndSelectEnd(f, QString(), 0);
    pick(f.LstZ[4], QStringLiteral("b"));
    Key(f, 14);
    pick(f.LstZ[4], QStringLiteral("b"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("b*b"));
    QTest::mouseClick(f.Combined->OkCmb, Qt::LeftButton);
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("4+0i"));
    // A third complex: the store selects by itself and nothing goes into the string.
    StoreAll(d, {"0, 3"});
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("b*b"));
  }

  // Re-picking the Z already shown starts the power and roots panels afresh and empties the
  // binary results table, as picking another letter does.
  void ThePanelsRunTheirPickOnTheShownLetter_data() { TheShownLetterCountsAsAPick_data(); }
  void ThePanelsRunTheirPickOnTheShownLetter() {
    QFETCH(PickWay, pick);
    Form1Driver d;
    StoreAll(d, {"1, 1", "0, 2"});
    Form1& f = *d.form;
    TypeInto(f.Power->LstNp, QStringLiteral("2"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("0+2i"));
    pick(f.LstZ[2], QStringLiteral("a"));
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
    QVERIFY(!f.Power->BtGP->isEnabled());
    QCOMPARE(f.Power->IdZ[0]->text(), QStringLiteral("1+1i"));

    TypeInto(f.Roots->LstNr, QStringLiteral("2"));
    QTest::mouseClick(f.Roots->OkRel, Qt::LeftButton);
    QCOMPARE(f.Roots->LstRels[0]->count(), 2);
    pick(f.LstZ[3], QStringLiteral("a"));
    QCOMPARE(f.Roots->LstRels[0]->count(), 0);
    QVERIFY(!f.Roots->BtGR->isEnabled());
    QCOMPARE(f.Roots->ZR[0]->text(), QStringLiteral("1+1i"));

    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    f.Binary->PBTblOp2->surface().StartRecording();
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QVERIFY(!TableIsEmpty(f));
    pick(f.LstZ[1], QStringLiteral("b"));
    QVERIFY(TableIsEmpty(f));
    QCOMPARE(f.Binary->IdZ2[0]->text(), QStringLiteral("0+2i"));
    QVERIFY(f.Binary->BinaryResultsReady);
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QVERIFY(!TableIsEmpty(f));
    pick(f.LstZ[0], QStringLiteral("a"));
    QVERIFY(TableIsEmpty(f));
  }

  // The store's own selections leave the results of the power and roots panels in place.
  void TheProgramsSelectionsStaySilent() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    TypeInto(f.Power->LstNp, QStringLiteral("2"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    f.Combined->TxtOp->setFocus();
    StoreAll(d, {"2, 2", "3, 3"});
    d.ClickRow(0, 0);
    d.Enter(0, QStringLiteral("1, 1"));
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("0+2i"));
    QVERIFY(f.Combined->TxtOp->text().isEmpty());
  }

  // With "x" selected in "a+x", picking "a" gives "a+a": the selection survives the trip to the
  // selector, whichever way the user gets there.
  void APickReplacesTheSelectedText_data() { TheShownLetterCountsAsAPick_data(); }
  void APickReplacesTheSelectedText() {
    QFETCH(PickWay, pick);
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0", "0, 3"});
    Form1& f = *d.form;
    TypeAndSelectEnd(f, QStringLiteral("a+x"), 1);
    QCOMPARE(f.Combined->TxtOp->selectedText(), QStringLiteral("x"));
    pick(f.LstZ[4], QStringLiteral("a"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a+a"));
    // The replaced selection is gone: the next pick goes in after the letter.
    pick(f.LstZ[4], QStringLiteral("c"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a+ac"));

    // A selection in the middle, and a caret without a selection.
    TypeAndSelectEnd(f, QStringLiteral("(x+y)*2"), 0);
    f.Combined->TxtOp->setSelection(1, 3);
    pick(f.LstZ[4], QStringLiteral("b"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("(b)*2"));
    TypeAndSelectEnd(f, QStringLiteral("a+b"), 0);
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Home);
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Right);
    pick(f.LstZ[4], QStringLiteral("c"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("ac+b"));
  }

  // A selection the program has since replaced (the reset empties the string) is not brought
  // back.
  void AStaleSelectionIsNotRestored() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    TypeAndSelectEnd(f, QStringLiteral("a+x"), 1);
    QTest::mouseClick(f.Stored->Btrst, Qt::LeftButton);
    StoreAll(d, {"2, 2"});
    QVERIFY(f.Combined->TxtOp->text().isEmpty());
    PickFromList(f.LstZ[4], QStringLiteral("a"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a"));
  }
};

ZORBIT_WINDOW_TEST_MAIN(PickTests)
#include "tst_form1_picks.moc"
