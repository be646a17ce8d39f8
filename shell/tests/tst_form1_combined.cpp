// SPDX-License-Identifier: MIT
// The combined operations panel as the user works it: the keypad and the letter selector build
// the string, "=" or Enter evaluates it, a result is taken back, and the help opens.
#include <QAction>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

#include "panel_actions.h"
#include "platform/testing/typing.h"
#include "shell/help_window.h"
#include "platform/testing/environment.h"

namespace {

HelpWindow* OpenHelpWindow(Form1& f) { return f.findChild<HelpWindow*>(QStringLiteral("HelpWindow")); }

}  // namespace

class CombinedPanelTests : public QObject {
  Q_OBJECT

 private slots:
  // a*b+c' from the keypad, the letter selector and a double-click on the string.
  void TheKeypadAndTheSelectorBuildTheString() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0", "0, 3"});
    Form1& f = *d.form;
    QCOMPARE(f.LstZ[4]->currentText(), QStringLiteral("a"));
    QVERIFY(f.Combined->TxtOp->text().isEmpty());  // the store's selections insert nothing

    DoubleClickBox(f.Combined->TxtOp);  // the letter last picked goes in at the caret
    Key(f, 14);
    Pick(f, 4, 'b');
    Key(f, 12);
    Pick(f, 4, 'c');
    Key(f, 17);
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a*b+c'"));
    f.Graph->surface().StartRecording();
    QTest::mouseClick(f.Combined->OkCmb, Qt::LeftButton);
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("2-1i"));
    // The value is drawn in the graph panel, captioned and its arrow labelled with the formula.
    QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("a*b+c'"));
    bool arrow = false;
    bool label = false;
    for (const SurfaceOp& op : f.Graph->surface().Recorded()) {
      label = label || (op.What == SurfaceOp::Kind::Text && op.Text == QStringLiteral("a*b+c'"));
      arrow = arrow || (op.What == SurfaceOp::Kind::Line && op.X1 == MapX(f.Graph->Scale, 0) &&
                        std::abs(op.X2 - MapX(f.Graph->Scale, 2)) < 1e-6 && std::abs(op.Y2 - MapY(f.Graph->Scale, -1)) < 1e-6);
    }
    QVERIFY(arrow && label);
    QCOMPARE(f.Combined->IdRes[1]->text(), QStringLiteral("2.24 , -26.6\u00b0"));
    QVERIFY(f.Combined->BtGC->isEnabled());
    QVERIFY(f.OpG[3]->isEnabled());
    // The hint is as long as the text it belongs to.
    QCOMPARE(f.Combined->IdRes[0]->toolTip(), QStringLiteral("dbl "));
    QCOMPARE(f.Combined->IdRes[1]->toolTip(), QStringLiteral("dbl click: in"));  // 13 characters

    // (a+b)^2: the keys replace the selection, and Enter evaluates.
    f.Combined->TxtOp->setFocus();
    f.Combined->TxtOp->selectAll();
    Key(f, 18);
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("("));
    QVERIFY(f.Combined->IdRes[0]->text().isEmpty());
    QVERIFY(!f.Combined->BtGC->isEnabled());
    QVERIFY(f.OpG[3]->isEnabled());
    Pick(f, 4, 'a');
    Key(f, 12);
    Pick(f, 4, 'b');
    for (int key : {19, 16, 2}) Key(f, key);
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("(a+b)^2"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("8+6i"));

    // A double-click on the string replaces the word under the pointer with the letter.
    TypeFormula(f.Combined->TxtOp, QStringLiteral("2*a"));
    const QFontMetrics metrics = f.Combined->TxtOp->fontMetrics();
    const int overA = 4 + metrics.horizontalAdvance(QStringLiteral("2*")) + metrics.horizontalAdvance(QLatin1Char('a')) / 2;
    QTest::mouseDClick(f.Combined->TxtOp, Qt::LeftButton, Qt::NoModifier, QPoint(overA, f.Combined->TxtOp->height() / 2));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("2*b"));
  }

  void EditingTheStringEmptiesTheResult() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0"});
    Form1& f = *d.form;
    TypeFormula(f.Combined->TxtOp, QStringLiteral("a*b"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
    QCOMPARE(f.Combined->IdRes[1]->text(), QStringLiteral("2.83 , 45\u00b0"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Backspace);
    QVERIFY(f.Combined->IdRes[0]->text().isEmpty());
    QVERIFY(f.Combined->IdRes[1]->toolTip().isEmpty());
    QVERIFY(!f.Combined->BtGC->isEnabled());
    DoubleClickBox(f.Combined->IdRes[0]);
    QCOMPARE(f.Stored->Store().Count(), 2);
  }

  // A value stays on show when the store changes; a double-click keeps that very value, even
  // after an evaluation over the changed store has failed.
  void TheValueOnShowIsTheOneTakenBack() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0", "0, 1"});
    Form1& f = *d.form;
    TypeFormula(f.Combined->TxtOp, QStringLiteral("a*b/c"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("2-2i"));
    // c becomes 0: the string now divides by zero.
    d.ClickRow(1, 2);
    d.Enter(0, QStringLiteral("0, 0"));
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a*b/c"));
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("2-2i"));
    QTest::mouseClick(f.Combined->OkCmb, Qt::LeftButton);
    QCOMPARE(d.messages.LastText(), QStringLiteral("Wrong string\ndivision by zero"));
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("2-2i"));
    DoubleClickBox(f.Combined->IdRes[1]);
    QCOMPARE(f.Stored->Store().Count(), 4);
    QCOMPARE(d.Column(1).last(), QStringLiteral("2-2i"));
  }

  // An empty string is passed over. After the message the part at fault is selected in the
  // string (or the caret stands where something is missing), also behind characters of more than
  // one byte.
  void TheFaultIsShownInTheString() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 0"});
    Form1& f = *d.form;
    QTest::mouseClick(f.Combined->OkCmb, Qt::LeftButton);
    QVERIFY(d.messages.Shown.isEmpty());
    struct Case {
      const char* Formula;
      const char* Cause;
      const char* Selected;
      int Caret;
    };
    const Case cases[] = {
        {"a+b*d", "the letter d is not stored", "d", 5},
        {"\u00b7a+d", "", "\u00b7", 1},
        {"a*(b+a", "missing \u201C)\u201D", "(", -1},
    };
    for (const Case& c : cases) {
      d.messages.Shown.clear();
      TypeFormula(f.Combined->TxtOp, QString::fromUtf8(c.Formula));
      QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
      QCOMPARE(d.messages.Shown.size(), 1);
      QCOMPARE(d.messages.LastTitle(), QStringLiteral("Error"));
      QVERIFY(f.Combined->IdRes[0]->text().isEmpty());
      if (*c.Cause) QCOMPARE(d.messages.LastText(), QStringLiteral("Wrong string\n") + QString::fromUtf8(c.Cause));
      QVERIFY(f.Combined->TxtOp->hasFocus());
      if (*c.Selected) QCOMPARE(f.Combined->TxtOp->selectedText(), QString::fromUtf8(c.Selected));
      if (c.Caret >= 0) QCOMPARE(f.Combined->TxtOp->cursorPosition(), c.Caret);
      // The string itself is left as typed.
      QCOMPARE(f.Combined->TxtOp->text(), QString::fromUtf8(c.Formula));
    }
  }

  void TheResetEmptiesThePanel() {
    Form1Driver d;
    StoreAll(d, {"1, 1"});
    Form1& f = *d.form;
    TypeFormula(f.Combined->TxtOp, QStringLiteral("a'"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
    QCOMPARE(f.Combined->IdRes[0]->text(), QStringLiteral("1-1i"));
    QTest::mouseClick(f.Stored->Btrst, Qt::LeftButton);
    QVERIFY(f.Combined->TxtOp->text().isEmpty());
    QVERIFY(f.Combined->IdRes[0]->text().isEmpty());
    QVERIFY(!f.Combined->BtGC->isEnabled());
    QVERIFY(f.OpG[3]->isEnabled());
  }

  void HelpStartsTheViewerWithTheTopic() {
    Form1Driver d;
    QTest::mouseClick(d.form->Combined->BtHCmb, Qt::LeftButton);
    QCOMPARE(d.processes.Started.size(), 1);
    QCOMPARE(d.processes.LastCommandLine(), CompanionFileName(QStringLiteral("Mirva")) +
                                                 QStringLiteral(" Combined operations,OpsCmb,0"));
    QCOMPARE(d.processes.Started.last().Style, WindowStyle::NormalFocus);
    QVERIFY(OpenHelpWindow(*d.form) == nullptr);
  }

  // Without the viewer the program's own help opens, once, and every example in it is what the
  // panel answers for it.
  void OwnHelpOpensWhenTheViewerCannotStart() {
    Form1Driver d;
    d.processes.Succeed = false;
    Form1& f = *d.form;
    QTest::mouseClick(f.Combined->BtHCmb, Qt::LeftButton);
    HelpWindow* help = OpenHelpWindow(f);
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QTest::mouseClick(f.Combined->BtHCmb, Qt::LeftButton);
    QCOMPARE(f.findChildren<HelpWindow*>().size(), 1);

    const QString page = help->Text->toPlainText();
    for (const char* topic : {"left to right", "from the right", "conjugate", "a^-1", "blanks", "2*a"})
      QVERIFY2(page.contains(QLatin1String(topic)), topic);

    for (const auto& letter : CombinedHelpLetters)
      d.Enter(0, QStringLiteral("%1, %2").arg(letter[0]).arg(letter[1]));
    QVERIFY(page.contains(QStringLiteral("a = 1+2i, b = 3-1i and c = 2+0i")));
    for (const CombinedHelpExample& example : CombinedHelpExamples()) {
      QVERIFY2(page.contains(example.Formula), qPrintable(example.Formula));
      d.messages.Shown.clear();
      TypeFormula(f.Combined->TxtOp, example.Formula);
      QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
      // A refused formula: the message's first line, its reason under it.
      const QString answer = d.messages.Shown.isEmpty() ? f.Combined->IdRes[0]->text()
                                                        : d.messages.LastText().section(QLatin1Char('\n'), 0, 0);
      QVERIFY2(answer == example.Value, qPrintable(example.Formula + " gives " + answer));
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(CombinedPanelTests)
#include "tst_form1_combined.moc"
