// SPDX-License-Identifier: MIT
// What a student types or pastes into each box that reads numbers, through the real window: the
// value it stores or shows, or the refusal with what to type and the part at fault selected.
#include <QClipboard>
#include <QToolButton>

#include "panel_actions.h"

namespace {

// Pastes text into box as the user does, with Ctrl+V, after emptying it.
void Paste(QLineEdit* box, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  box->setFocus();
  box->clear();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(box->text(), text);
}

}  // namespace

class EntryReadingTests : public QObject {
  Q_OBJECT

 private slots:
  void EachEntryBoxReadsAsMeantOrSaysWhatToType() {
    struct Case {
      int Box;
      const char* Typed;
      const char* Stored;    // the cartesian column, or nothing for a refusal
      const char* Cause;     // the message's second line
      const char* Selected;  // the part at fault
    };
    const Case cases[] = {
        {0, "2,5; \u22123,5", "2.5-3.5i", "", ""},
        {0, "5, 53.13\u00b0", nullptr,
         "the \u201C\u00b0\u201D belongs in the polar box r, \u03c6\u00b0: type 5, 53.13\u00b0 there", "\u00b0"},
        {1, "5\u222053,13", "3+4i", "", ""},
        {1, "2, pi/4", nullptr,
         "pi in an argument in degrees: write the degrees, 45, or switch the angle unit to radians", "pi/4"},
    };
    for (const Case& c : cases) {
      Form1Driver d;
      QLineEdit* box = d.form->Entry->EdN[c.Box];
      Paste(box, QString::fromUtf8(c.Typed));
      QTest::keyClick(box, Qt::Key_Return);
      if (c.Stored != nullptr) {
        QVERIFY2(d.messages.Shown.isEmpty(), c.Typed);
        QCOMPARE(d.Column(1), QStringList{QString::fromUtf8(c.Stored)});
        continue;
      }
      QCOMPARE(d.messages.LastText(), QStringLiteral("wrong expression\n") + QString::fromUtf8(c.Cause));
      QCOMPARE(d.form->Stored->Store().Count(), 0);
      QCOMPARE(box->text(), QString::fromUtf8(c.Typed));
      QVERIFY(box->hasFocus());
      QCOMPARE(box->selectedText(), QString::fromUtf8(c.Selected));
    }
  }

  void TheExponentBoxSelectsThePartAtFault() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"1, 1"});
    TypeInto(f.Power->LstNp, QStringLiteral("2**3"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    QCOMPARE(d.messages.LastText(), QStringLiteral("wrong expression\nfor a power write 2^3"));
    QCOMPARE(f.Power->LstNp->lineEdit()->selectedText(), QStringLiteral("**"));
    Paste(f.Power->LstNp->lineEdit(), QStringLiteral("\u22122\u00f72"));
    QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
    QCOMPARE(f.Power->PZ[0]->text(), QStringLiteral("0.5-0.5i"));
  }

  void TheFormulaBoxQuotesTheWholeFactor() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"1, 2", "3, -1"});
    f.Combined->TxtOp->setFocus();
    QTest::keyClicks(f.Combined->TxtOp, QStringLiteral("a^(2)b"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
    QCOMPARE(d.messages.LastText(), QStringLiteral("Wrong string\nwrite a^(2)*b for a product"));
    QCOMPARE(f.Combined->TxtOp->selectedText(), QStringLiteral("b"));
  }
};

QTEST_MAIN(EntryReadingTests)
#include "tst_entry_reading.moc"
