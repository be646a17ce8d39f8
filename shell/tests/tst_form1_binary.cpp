// SPDX-License-Identifier: MIT
// The binary operations panel as the user works it: picking Z1 and Z2, calculating, reading the
// results table, taking a row back, and what a change of the store or a reset does to it.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "panel_actions.h"
#include "platform/testing/environment.h"
#include "shell/row_captions.h"

namespace {

// a = 3+4i and b = 1-2i, picked as Z1 and Z2 by the store itself; graphs off to keep the test to
// the panel.
void StoreTheExample(Form1Driver& d) {
  StoreAll(d, {"3, 4", "1, -2"});
  QTest::mouseClick(d.form->Binary->OpGrfs, Qt::LeftButton);
  QVERIFY(!d.form->Binary->GraphsOn);
  d.form->Binary->PBTblOp2->surface().StartRecording();
}

}  // namespace

class BinaryPanelTests : public QObject {
  Q_OBJECT

 private slots:
  void TheTableShowsTheFourResultsInOrder() {
    Form1Driver d;
    StoreTheExample(d);
    Form1& f = *d.form;
    QCOMPARE(f.Binary->IdZ1[0]->text(), QStringLiteral("3+4i"));
    QCOMPARE(f.Binary->IdZ1[1]->text(), QStringLiteral("5 , 53.1\u00b0"));
    QCOMPARE(f.Binary->IdZ2[0]->text(), QStringLiteral("1-2i"));

    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    const TableTexts shown = ShownTable(f);
    QCOMPARE(shown[0][0], QStringLiteral("4+2i"));
    QCOMPARE(shown[1][0], QStringLiteral("2+6i"));
    QCOMPARE(shown[2][0], QStringLiteral("11-2i"));
    QCOMPARE(shown[3][0], QStringLiteral("-1+2i"));
    QCOMPARE(shown[2][1], QStringLiteral("11.18 , -10.3\u00b0"));
    QCOMPARE(shown[3][1], QStringLiteral("2.24 , 116.6\u00b0"));
    QCOMPARE(shown[0][1], QStringLiteral("4.47 , 26.6\u00b0"));

    QVERIFY(f.Binary->BinaryResultsReady);
    QVERIFY(f.Binary->BtG2->isEnabled());
    QVERIFY(f.OpG[0]->isEnabled());
    for (int i = 1; i <= 5; ++i) QVERIFY(f.GGr[i]->isEnabled());
    QCOMPARE(f.Binary->PBTblOp2->toolTip(), QStringLiteral("Dbl Click: incorpora complejo"));
  }

  void TheSameLetterTwiceGivesZeroAndOne() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    d.form->Binary->PBTblOp2->surface().StartRecording();
    QTest::mouseClick(d.form->Binary->OkOp2, Qt::LeftButton);
    const TableTexts shown = ShownTable(*d.form);
    QCOMPARE(shown[1][0], QStringLiteral("0+0i"));
    QCOMPARE(shown[1][1], QStringLiteral("0 , 0\u00b0"));
    QCOMPARE(shown[3][0], QStringLiteral("1+0i"));
    QCOMPARE(shown[3][1], QStringLiteral("1 , 0\u00b0"));
  }

  void WithoutBothOperandsNothingHappens() {
    Form1Driver d;
    d.form->Binary->PBTblOp2->surface().StartRecording();
    QTest::mouseClick(d.form->Binary->OkOp2, Qt::LeftButton);
    QVERIFY(!d.form->Binary->BinaryResultsReady);
    QVERIFY(!d.form->Binary->BtG2->isEnabled());
    QVERIFY(d.messages.Shown.isEmpty());
    QVERIFY(TableIsEmpty(*d.form));
    // Nor does a double-click on the empty table.
    DoubleClickTableRow(*d.form, 0);
    QCOMPARE(d.form->Stored->Store().Count(), 0);
  }

  void ANewZ2EmptiesTheTableButKeepsTheResults() {
    Form1Driver d;
    StoreTheExample(d);
    Form1& f = *d.form;
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    Pick(f, 1, 'a');
    QVERIFY(TableIsEmpty(f));
    QCOMPARE(f.Binary->IdZ2[0]->text(), QStringLiteral("3+4i"));
    QVERIFY(f.Binary->BtG2->isEnabled());
    QVERIFY(f.Binary->BinaryResultsReady);
    // The hidden results still come back: the row of the product.
    DoubleClickTable(f, 2500, 600);
    QCOMPARE(f.Stored->Store().Count(), 3);
    QCOMPARE(d.Column(1).last(), QStringLiteral("11-2i"));
  }

  void ADoubleClickedRowBecomesTheNextLetter() {
    Form1Driver d;
    StoreTheExample(d);
    Form1& f = *d.form;
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    DoubleClickTable(f, 2500, 600);  // row 2, polar column: the column does not matter
    QCOMPARE(f.Binary->ResultsTable->CurRow, 2);
    QCOMPARE(d.Column(0), (QStringList{"a", "b", "c"}));
    QCOMPARE(d.Column(1).last(), QStringLiteral("11-2i"));
    QCOMPARE(f.Stored->Store().At(3).Mod, f.Binary->Last.Results[2].Mod);
    // The store refreshed its selectors, which empties the table.
    QVERIFY(TableIsEmpty(f));

    DoubleClickTableRow(f, 3);
    QCOMPARE(d.Column(1).last(), QStringLiteral("-1+2i"));
  }

  void TheResetEmptiesThePanelAndKeepsTheMenuEntry() {
    Form1Driver d;
    StoreTheExample(d);
    Form1& f = *d.form;
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QTest::mouseClick(f.Stored->Btrst, Qt::LeftButton);
    for (QLineEdit* box : {f.Binary->IdZ1[0], f.Binary->IdZ1[1], f.Binary->IdZ2[0], f.Binary->IdZ2[1]}) QVERIFY(box->text().isEmpty());
    QVERIFY(TableIsEmpty(f));
    QVERIFY(!f.Binary->BtG2->isEnabled());
    QVERIFY(!f.Binary->BinaryResultsReady);
    QVERIFY(f.OpG[0]->isEnabled());
    DoubleClickTableRow(f, 0);
    QCOMPARE(f.Stored->Store().Count(), 0);
  }

  // Z2 = 0: the three results that exist are shown and can be kept; the quotient is "not
  // defined", cannot be kept, and no exercise can be written from the calculation.
  void DivisionByAZeroZ2ShowsTheOtherThreeRows() {
    Form1Driver d;
    StoreAll(d, {"2, 1", "0, 0"});
    Form1& f = *d.form;
    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    f.Binary->PBTblOp2->surface().StartRecording();
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    const TableTexts shown = ShownTable(f);
    QCOMPARE(shown[0][0], QStringLiteral("2+1i"));
    QCOMPARE(shown[1][0], QStringLiteral("2+1i"));
    QCOMPARE(shown[2][0], QStringLiteral("0+0i"));
    QCOMPARE(shown[3][0], QStringLiteral("not defined"));
    QVERIFY(!shown[3][1].contains(QRegularExpression(QStringLiteral("[0-9]\\s*,"))));
    QVERIFY(!f.Binary->BtG2->isEnabled());
    QVERIFY(!f.OpG[0]->isEnabled());
    QVERIFY(d.messages.Shown.isEmpty());

    DoubleClickTableRow(f, 3);
    QCOMPARE(f.Stored->Store().Count(), 2);
    DoubleClickTableRow(f, 0);
    QCOMPARE(f.Stored->Store().Count(), 3);
    QCOMPARE(d.Column(1).last(), QStringLiteral("2+1i"));
    // Even with the table hidden by the refresh, the quotient stays out of reach.
    DoubleClickTableRow(f, 3);
    QCOMPARE(f.Stored->Store().Count(), 3);

    // A good calculation afterwards makes the exercise possible again.
    Pick(f, 1, 'a');
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    QCOMPARE(ShownTable(f)[3][0], QStringLiteral("1+0i"));
    QVERIFY(f.Binary->BtG2->isEnabled());
    QVERIFY(f.OpG[0]->isEnabled());
  }

  // Painted, the names stand where a text box with rows of a fixed height put them, pixel for pixel.
  void TheOperationsNamesStandWhereATextBoxWithFixedRowsPutsThem() {
    const QStringList lines{QStringLiteral(" Z1+Z2"), QStringLiteral(" Z1- Z2"), QStringLiteral(" Z1/Z2")};
    for (const double rowHeight : {TwipsToPixels(GridRowHeight), 20.0, 9.7}) {
      QWidget ground;
      RowCaptions painted(lines, rowHeight, &ground);
      QTextEdit box(&ground);
      box.setFrameShape(QFrame::NoFrame);
      box.viewport()->setAutoFillBackground(false);
      box.document()->setDocumentMargin(0);
      box.setPlainText(lines.join(QLatin1Char('\n')));
      QTextCursor cursor(box.document());
      cursor.select(QTextCursor::Document);
      QTextBlockFormat rows;
      rows.setLineHeight(rowHeight, QTextBlockFormat::FixedHeight);
      cursor.mergeBlockFormat(rows);
      painted.setFixedSize(74, 70);
      box.setFixedSize(74, 70);
      QCOMPARE(painted.grab().toImage(), box.grab().toImage());
    }
  }

  // A product beyond the range of numbers: that row alone is not defined.
  void AProductTooLargeIsNotDefined() {
    Form1Driver d;
    StoreAll(d, {"1e150, 0"});
    Form1& f = *d.form;
    QTest::mouseClick(f.Binary->OpGrfs, Qt::LeftButton);
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);  // 1e300 comes back as b
    QTest::mouseDClick(f.Power->PZ[0], Qt::LeftButton);
    QCOMPARE(f.Stored->Store().Count(), 2);
    Pick(f, 0, 'b');
    f.Binary->PBTblOp2->surface().StartRecording();
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    const TableTexts shown = ShownTable(f);
    QCOMPARE(shown[2][0], QStringLiteral("not defined"));
    QCOMPARE(shown[2][1], QStringLiteral("(too large)"));
    QCOMPARE(shown[3][0], QStringLiteral("1+0i"));
    QVERIFY(!f.Binary->BtG2->isEnabled());
    DoubleClickTableRow(f, 2);
    QCOMPARE(f.Stored->Store().Count(), 2);
  }
};

ZORBIT_WINDOW_TEST_MAIN(BinaryPanelTests)
#include "tst_form1_binary.moc"
