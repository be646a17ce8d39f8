// SPDX-License-Identifier: MIT
// The entry panel driven from the keyboard and its buttons: typed complexes, wrong entries,
// random complexes, the decimals and the help command.
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

#include "form1_driver.h"
#include "platform/picture_box.h"
#include "shell/help_window.h"
#include "text/complex_text.h"
#include "text/parse.h"
#include "platform/testing/environment.h"

namespace {

bool HasPanelBlue(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 80 && c.green() < 80) return true;
    }
  return false;
}

}  // namespace

class Form1EntryTests : public QObject {
  Q_OBJECT

 private slots:
  void ACartesianPairIsStoredDrawnAndTheBoxesEmptied() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("3, 4"));
    QCOMPARE(d.Column(0), (QStringList{"a"}));
    QCOMPARE(d.Column(1), (QStringList{"3+4i"}));
    QCOMPARE(d.Column(2), (QStringList{QStringLiteral("5 , 53.1\u00b0")}));
    QVERIFY(d.form->Entry->EdN[0]->text().isEmpty());
    QVERIFY(d.form->Entry->EdN[1]->text().isEmpty());
    QVERIFY(d.form->Entry->EdN[0]->hasFocus());
    QCOMPARE(d.form->Graph->EtZ->text(), QStringLiteral("3+4i"));
    QVERIFY(HasPanelBlue(d.form->Graph->PBox0->surface().Image()));
    QVERIFY(d.form->Stored->Btrst->isEnabled());
    QVERIFY(d.form->Graph->BtGrf->isEnabled());
    QVERIFY(d.messages.Shown.isEmpty());
  }

  void PolarEntriesKeepTheArgumentAsTyped() {
    Form1Driver d;
    d.Enter(1, QStringLiteral("2 , 90"));
    const Cplx& b = d.form->Stored->Store().At(1);
    QCOMPARE(b.Re, 0.0);
    QCOMPARE(b.Im, 2.0);
    QCOMPARE(b.Arg, 90.0);
    QCOMPARE(d.Column(1)[0], QStringLiteral("0+2i"));
    d.Enter(1, QStringLiteral("1 , 450"));
    QCOMPARE(d.form->Stored->Store().At(2).Arg, 450.0);
    QCOMPARE(d.Column(1)[1], QStringLiteral("0+1i"));
    QCOMPARE(d.Column(2)[1], QStringLiteral("1 , 450\u00b0"));
  }

  void AWrongExpressionChangesNothing() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    d.ClickRow(0, 0);
    for (const char* text : {"", "3, x"}) {
      d.messages.Shown.clear();
      d.Enter(0, QString::fromLatin1(text));
      QCOMPARE(d.messages.LastText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("wrong expression"));
      QVERIFY(!d.messages.LastText().section(QLatin1Char('\n'), 1).isEmpty());
      QCOMPARE(d.messages.Shown.last().Buttons, MsgButtons::Ok);
      QCOMPARE(d.form->Entry->EdN[0]->text(), QString::fromLatin1(text));
      QCOMPARE(d.form->Stored->EditIndex, std::int16_t(1));
      QCOMPARE(d.form->Stored->Store().Count(), 1);
      QCOMPARE(d.Column(1), (QStringList{"1+1i"}));
    }
  }

  void ANumberTooLargeForItsModulusIsRefusedWithoutHarm() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    d.Enter(0, QStringLiteral("1.5e308, 1.5e308"));
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Not feasible"));
    QCOMPARE(d.form->Stored->Store().Count(), 1);
    QCOMPARE(d.Column(1), (QStringList{"1+1i"}));
    // The panel goes on working afterwards.
    d.form->Entry->EdN[0]->clear();
    d.Enter(0, QStringLiteral("2, 0"));
    QCOMPARE(d.Column(1), (QStringList{"1+1i", "2+0i"}));
  }

  void TheIncorporateButtonReadsOnlyTheCartesianBox() {
    Form1Driver d;
    QTest::keyClicks(d.form->Entry->EdN[1], QStringLiteral("2 , 90"));
    d.form->Entry->BtInc->click();
    QCOMPARE(d.messages.LastText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("wrong expression"));
    QCOMPARE(d.form->Stored->Store().Count(), 0);
    QTest::keyClicks(d.form->Entry->EdN[0], QStringLiteral("-1, 2"));
    d.form->Entry->BtInc->click();
    QCOMPARE(d.Column(1), (QStringList{"-1+2i"}));
  }

  // The box shows "0 , 5", and 0 is a number like any other.
  void AnOpenedComplexWithZeroRealPartIsConfirmedFromTheCartesianBox() {
    Form1Driver d;
    d.Enter(1, QStringLiteral("5 , 90"));
    d.ClickRow(0, 0);
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("0 , 5"));
    QTest::keyClick(d.form->Entry->EdN[0], Qt::Key_Return);
    QVERIFY(d.messages.Shown.isEmpty());
    QCOMPARE(d.form->Stored->Store().Count(), 1);
    QCOMPARE(d.Column(2), (QStringList{QStringLiteral("5 , 90\u00b0")}));
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
  }

  void RandomComplexesAppendOrReplaceTheOpenOne() {
    Form1Driver d;
    SetUniformSource(std::make_unique<QueuedSource>(DrawsFor({{-5, 0}, {9, 9}, {0, 0}, {2, -3}, {4, 4}, {1, 1}})));
    d.form->Entry->LstN->setEditText(QStringLiteral("3"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.Column(1), (QStringList{"-5+0i", "9+9i", "0+0i"}));
    QCOMPARE(d.Column(2)[0], QStringLiteral("5 , 180\u00b0"));
    QVERIFY(d.form->Entry->EdN[0]->hasFocus());
    QVERIFY(d.form->Stored->Btrst->isEnabled());
    // With "b" open, the first new complex replaces it and the others are appended.
    d.ClickRow(0, 1);
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.Column(1), (QStringList{"-5+0i", "2-3i", "0+0i", "4+4i", "1+1i"}));
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
    SetUniformSource(nullptr);
  }

  void OneRandomComplexIsDrawnInTheGraphPanel() {
    Form1Driver d;
    SetUniformSource(std::make_unique<QueuedSource>(DrawsFor({{3, -2}})));
    d.form->Entry->BtRnd->click();
    SetUniformSource(nullptr);
    QCOMPARE(d.Column(1), (QStringList{"3-2i"}));
    QCOMPARE(d.form->Graph->EtZ->text(), QStringLiteral("3-2i"));
  }

  void TheCountOfRandomComplexesIsReadWithCare() {
    Form1Driver d;
    // 0 draws nothing and says nothing, but enables the reset all the same.
    d.form->Entry->LstN->setEditText(QStringLiteral("0"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.form->Stored->Store().Count(), 0);
    QVERIFY(d.messages.Shown.isEmpty());
    QVERIFY(d.form->Stored->Btrst->isEnabled());
    // Halves go to the even number.
    d.form->Entry->LstN->setEditText(QStringLiteral("2.5"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.form->Stored->Store().Count(), 2);
    d.form->Entry->LstN->setEditText(QStringLiteral("27"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.messages.LastText(), QStringLiteral("No more than 26 complexes"));
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Not feasible"));
    d.form->Entry->LstN->setEditText(QStringLiteral("99999"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.messages.LastText(), QStringLiteral("No more than 26 complexes"));
    // A text that is not a number: a message of its own, nothing drawn.
    d.form->Entry->LstN->setEditText(QStringLiteral("many"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Not a number"));
    QVERIFY(d.messages.LastText().contains(QStringLiteral("whole number")));
    QCOMPARE(d.form->Stored->Store().Count(), 2);
  }

  void ATypedCountIsUsedButNotAddedToTheOfferedOnes() {
    Form1Driver d;
    QLineEdit* typed = d.form->Entry->LstN->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("12"));
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(d.form->Entry->LstN->count(), 9);
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.form->Stored->Store().Count(), 12);
  }

  void DecimalsRewriteTheOpenComplexOnly() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1/3, 0"));
    d.ClickRow(0, 0);
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("0.33 , 0"));
    d.form->Entry->IdX->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(d.form->Entry->IdX, Qt::Key_Down);
    QCOMPARE(d.form->Entry->IdX->currentText(), QStringLiteral("5"));
    QCOMPARE(d.form->Entry->Decimals, std::int16_t(5));
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("0.33333 , 0"));
    QCOMPARE(d.form->Entry->EdN[1]->text(), QStringLiteral("0.33333 , 0\u00b0"));
    QCOMPARE(d.Column(1), (QStringList{"0.33+0i"}));
    // A new, unstored entry keeps its text.
    d.form->Stored->BtNou->click();
    QTest::keyClicks(d.form->Entry->EdN[0], QStringLiteral("1/7, 1"));
    d.form->Entry->IdX->setFocus();
    QTest::keyClick(d.form->Entry->IdX, Qt::Key_Up);
    QCOMPARE(d.form->Entry->Decimals, std::int16_t(4));
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("1/7, 1"));
  }

  void HelpStartsTheViewerOnTheEntryTopic() {
    Form1Driver d;
    d.form->Entry->BtHEntr->click();
    QCOMPARE(d.processes.Started.size(), 1);
    QCOMPARE(d.processes.LastCommandLine(), QStringLiteral("Mirva Entry/Edition generation of complexes,Entry,0"));
    QCOMPARE(d.processes.Started[0].Style, WindowStyle::NormalFocus);
    QCOMPARE(d.processes.Started[0].Command.Arguments,
             (QStringList{QStringLiteral("Entry/Edition generation of complexes,Entry,0")}));
    QVERIFY(d.messages.Shown.isEmpty());
  }

  void WithoutTheViewerTheProgramsOwnHelpOpensOnTheEntryTopic() {
    Form1Driver d;
    d.processes.Succeed = false;
    d.form->Entry->BtHEntr->click();
    QVERIFY(d.messages.Shown.isEmpty());
    auto* help = d.form->findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Help: entry and edition of complexes"));
    QVERIFY(help->Text->toPlainText().contains(QStringLiteral("3, 4")));
    // A second click brings the same window back.
    d.form->Entry->BtHEntr->click();
    QCOMPARE(d.form->findChildren<HelpWindow*>().size(), 1);
    d.Enter(0, QStringLiteral("3, 4"));
    QCOMPARE(d.Column(1), (QStringList{"3+4i"}));
  }

  // Every example of the entry help gives what it says, read as its box reads it; the real
  // window's boxes are driven once each way in tst_entry_reading.cpp.
  void TheEntryHelpsExamplesGiveWhatTheySay() {
    for (const EntryHelpExample& e : EntryHelpExamples()) {
      RealPair pair;
      const std::string typed = e.Typed.toStdString();
      if (!(e.Box == 0 ? ReadCartEntry(typed, pair) : ReadPairEntry(typed, pair))) {
        QVERIFY2(e.Value == QStringLiteral("wrong expression"), qPrintable(e.Typed));
        continue;
      }
      const Cplx z = e.Box == 0 ? MakeCplx(pair.First, pair.Second) : MakePolarCplx(pair.First, pair.Second);
      QCOMPARE(QString::fromStdString(CartText(z, 2)), e.Value);
    }
  }

  // Enter on an opened complex without an edit keeps the stored bits; the rounded text on show
  // is read back only once the user has edited it.
  void ReconfirmingAnOpenedComplexKeepsItsBits() {
    Form1Driver d;
    d.Enter(1, QStringLiteral("1/3 , 100/3"));
    const Cplx stored = d.form->Stored->Store().At(1);
    for (int box = 0; box < 2; ++box) {
      d.ClickRow(0, 0);
      QCOMPARE(d.form->Entry->EdN[1]->text(), QStringLiteral("0.33 , 33.3\u00b0"));
      QTest::keyClick(d.form->Entry->EdN[box], Qt::Key_Return);
      QVERIFY(d.messages.Shown.isEmpty());
      const Cplx& again = d.form->Stored->Store().At(1);
      QCOMPARE(d.form->Stored->Store().Count(), 1);
      QCOMPARE(again.Mod, stored.Mod);
      QCOMPARE(again.Arg, stored.Arg);
      QCOMPARE(again.Re, stored.Re);
      QCOMPARE(again.Im, stored.Im);
      QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
    }
    // An edit is read back: a blank typed and taken away still counts as an edit.
    d.ClickRow(0, 0);
    QTest::keyClick(d.form->Entry->EdN[1], Qt::Key_End);
    QTest::keyClick(d.form->Entry->EdN[1], Qt::Key_Space);
    QTest::keyClick(d.form->Entry->EdN[1], Qt::Key_Backspace);
    QTest::keyClick(d.form->Entry->EdN[1], Qt::Key_Return);
    QCOMPARE(d.form->Stored->Store().At(1).Arg, 33.3);
    QCOMPARE(d.form->Stored->Store().At(1).Mod, 0.33);
    // Decimals rewrite the boxes: still the program's text, still the stored value.
    d.Enter(1, QStringLiteral("1/3 , 100/3"));
    d.ClickRow(0, 1);
    d.form->Entry->IdX->setCurrentIndex(4);
    QTest::keyClick(d.form->Entry->EdN[0], Qt::Key_Return);
    QCOMPARE(d.form->Stored->Store().At(2).Arg, stored.Arg);
    QCOMPARE(d.form->Stored->Store().At(2).Re, stored.Re);
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1EntryTests)
#include "tst_form1_entry.moc"
