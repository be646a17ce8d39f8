// SPDX-License-Identifier: MIT
// The panels' Working buttons: each follows its exercise button and opens the one working window
// on its panel's last calculation, at the entry's decimals.
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "exercises/fworking.h"
#include "panel_actions.h"
#include "platform/testing/environment.h"

class Form1WorkingTest : public QObject {
  Q_OBJECT

 private slots:
  void EachButtonOpensItsPanelsWorking() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"3, 4", "1, -2", "-8, 0"});
    const std::array<QToolButton*, 4> buttons = {f.Binary->BtW2, f.Power->BtWP, f.Roots->BtWR, f.Combined->BtWC};
    for (QToolButton* button : buttons) QVERIFY(!button->isEnabled());

    Pick(f, 0, 'a');
    Pick(f, 1, 'b');
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    Pick(f, 2, 'a');
    TypeInto(f.Power->LstNp, QStringLiteral("2"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    Pick(f, 3, 'c');
    TypeInto(f.Roots->LstNr, QStringLiteral("3"));
    QTest::mouseClick(f.Roots->OkRel, Qt::LeftButton);
    f.Combined->TxtOp->setFocus();
    QTest::keyClicks(f.Combined->TxtOp, QStringLiteral("a*b+c'"));
    QTest::mouseClick(f.Combined->OkCmb, Qt::LeftButton);

    const std::array<QString, 4> titles = {"Working: binary operations", "Working: power", "Working: roots",
                                           "Working: combined operation"};
    const std::array<QString, 4> steps = {
        "Z₁·Z₂ = (3 + 4i)·(1 − 2i) = 3 − 6i + 4i − 8i² = 11 − 2i, since i² = −1",
        "z² = 25(cos 106.26° + i sin 106.26°) = −7 + 24i",
        "k = 1: θ₁ = (180° + 360°·1)/3 = 180°, w₁ = 2∠180° = −2",
        "result: a·b + c′ = t₃ = 3 − 2i = 3.61∠−33.69°"};
    for (std::size_t k = 0; k < 4; ++k) {
      QVERIFY(buttons[k]->isEnabled());
      QTest::mouseClick(buttons[k], Qt::LeftButton);
      QTRY_VERIFY(f.WorkingWindow != nullptr && f.WorkingWindow->isVisible());
      QCOMPARE(f.WorkingWindow->windowTitle(), titles[k]);
      QVERIFY2(f.WorkingWindow->TxtWorking->toPlainText().split(QLatin1Char('\n')).contains(steps[k]),
               qPrintable(steps[k]));
    }
    QCOMPARE(f.findChildren<FWorking*>().size(), 1);

    // Three decimals in the entry panel: the working follows them.
    f.Entry->IdX->setFocus();
    QTest::keyClick(f.Entry->IdX, Qt::Key_Down);
    QTest::mouseClick(f.Binary->BtW2, Qt::LeftButton);
    QVERIFY(f.WorkingWindow->TxtWorking->toPlainText().contains(QStringLiteral("r = √(1² + (−2)²) = √5 = 2.236")));

    // The store emptied: no calculation is left to explain.
    QTest::mouseClick(f.Stored->Btrst, Qt::LeftButton);
    for (QToolButton* button : buttons) QVERIFY(!button->isEnabled());
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1WorkingTest)
#include "tst_form1_working.moc"
