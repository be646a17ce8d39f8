// SPDX-License-Identifier: MIT
// What a student pastes into each box that reads numbers, through the real window: the value it
// stores or shows, or the refusal with what to type and the part at fault selected.
#include <QClipboard>
#include <QToolButton>

#include "panel_actions.h"
#include "platform/testing/environment.h"

// Pastes text into box as the user does, with Ctrl+V, after emptying it.
static void Paste(QLineEdit* box, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  box->clear();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

class EntryReadingTests : public QObject {
  Q_OBJECT

 private slots:
  // Per row: the box, the text, then the stored complex, or the cause and the part selected.
  void EachEntryBoxReadsAsMeantOrSaysWhatToType() {
    const char* const cases[][4] = {
        {"0", "2,5; \u22123,5", "2.5-3.5i", ""},
        {"0", "5, 53.13\u00b0", "the \u201C\u00b0\u201D belongs in the polar box r, \u03c6\u00b0: type 5, 53.13\u00b0 there",
         "\u00b0"},
        {"1", "5\u222053,13", "3+4i", ""},
        {"1", "2, pi/4", "pi in an argument in degrees: write the degrees, 45, or switch the angle unit to radians",
         "pi/4"},
    };
    for (const auto& [index, typed, shown, selected] : cases) {
      Form1Driver d;
      QLineEdit* box = d.form->Entry->EdN[index[0] - '0'];
      Paste(box, QString::fromUtf8(typed));
      QTest::keyClick(box, Qt::Key_Return);
      if (*selected == '\0') {
        QVERIFY2(d.messages.Shown.isEmpty(), typed);
        QCOMPARE(d.Column(1), QStringList{QString::fromUtf8(shown)});
        continue;
      }
      QCOMPARE(d.messages.LastText(), QStringLiteral("wrong expression\n") + QString::fromUtf8(shown));
      QVERIFY(box->hasFocus() && d.form->Stored->Store().Count() == 0);
      QCOMPARE(box->selectedText(), QString::fromUtf8(selected));
    }
  }

  void TheExponentBoxReadsPastedSignsAndSelectsThePartAtFault() {
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
};

ZORBIT_WINDOW_TEST_MAIN(EntryReadingTests)
#include "tst_entry_reading.moc"
