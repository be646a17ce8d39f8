// SPDX-License-Identifier: MIT
// The store kept between runs, undo and redo of its changes, and copying a stored complex, all
// driven through the real window.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "panel_actions.h"
#include "platform/testing/complex_values.h"
#include "session/session_file.h"
#include "session/session_keeper.h"
#include "platform/testing/environment.h"
#include "platform/testing/file_bytes.h"

namespace {

// The keys go where the user's keyboard goes: to the widget with the focus.
void Keys(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus != nullptr);
  QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}
void Undo() { Keys(Qt::Key_Z, Qt::ControlModifier); }
void Redo() { Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

// The complexes as the session file holds them now.
std::vector<Cplx> OnDisk(const Form1Driver& d) {
  std::vector<Cplx> complexes;
  if (ParseSession(ReadAll(d.folder.filePath(QString::fromLatin1(SessionFileName))), complexes) != SessionFault::None)
    complexes.clear();
  return complexes;
}

}  // namespace

class Form1SessionTests : public QObject {
  Q_OBJECT

 private slots:
  void AtStartNothingCanBeUndoneOrCopied() {
    Form1Driver d;
    QVERIFY(!d.form->OpUndo->isEnabled());
    QVERIFY(!d.form->OpRedo->isEnabled());
    QVERIFY(!d.form->OpCopy->isEnabled());
    QCOMPARE(d.form->OpUndo->text(), QStringLiteral("Undo"));
    QCOMPARE(d.form->OpRedo->shortcuts(),
             (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));
    QCOMPARE(d.form->OpCopy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QVERIFY(d.messages.Shown.isEmpty());
    QVERIFY(!QFile::exists(d.folder.filePath(QString::fromLatin1(SessionFileName))));
  }

  // Each change is one step, whatever made it, and the file follows every step.
  void EveryKindOfChangeIsUndoneAndRedone() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"3, 4", "1, -2"});
    QVERIFY(f.OpUndo->isEnabled());
    QVERIFY(!f.OpRedo->isEnabled());
    QCOMPARE(OnDisk(d).size(), std::size_t(2));

    // An edit in place.
    d.ClickRow(1, 0);
    d.Enter(0, QStringLiteral("5, 5"));
    QCOMPARE(d.Column(1), (QStringList{"5+5i", "1-2i"}));
    // A deletion with the Delete key.
    d.ClickRow(2, 0);
    QTest::keyClick(f.Stored->LZ[2], Qt::Key_Delete);
    QCOMPARE(d.Column(1), (QStringList{"1-2i"}));
    // Random complexes: three of one click are one step.
    SetUniformSource(std::make_unique<QueuedSource>(DrawsFor({{2, 2}, {-1, 0}, {0, 7}})));
    f.Entry->LstN->setEditText(QStringLiteral("3"));
    f.Entry->BtRnd->click();
    SetUniformSource(nullptr);
    QCOMPARE(d.Column(1), (QStringList{"1-2i", "2+2i", "-1+0i", "0+7i"}));
    // A result taken back.
    f.Combined->TxtOp->setText(QStringLiteral("a*b"));
    f.Combined->OkCmb->click();
    DoubleClickBox(f.Combined->IdRes[0]);
    QCOMPARE(d.Column(1).last(), QStringLiteral("6-2i"));
    // The reset.
    QTest::mouseClick(f.Stored->Btrst, Qt::LeftButton);
    QVERIFY(d.Column(1).isEmpty());
    QVERIFY(OnDisk(d).empty());

    const QList<QStringList> steps{{"1-2i", "2+2i", "-1+0i", "0+7i", "6-2i"},
                                   {"1-2i", "2+2i", "-1+0i", "0+7i"},
                                   {"1-2i"},
                                   {"5+5i", "1-2i"},
                                   {"3+4i", "1-2i"},
                                   {"3+4i"},
                                   {}};
    // Back to the start with Ctrl+Z, wherever the focus stands: the reset button, an empty box.
    for (const QStringList& step : steps) {
      Undo();
      QCOMPARE(d.Column(1), step);
      QCOMPARE(d.Column(0).size(), step.size());
      QCOMPARE(d.Selector(4).size(), step.size());
      QCOMPARE(OnDisk(d).size(), static_cast<std::size_t>(step.size()));
    }
    QVERIFY(!f.OpUndo->isEnabled());
    QVERIFY(f.OpRedo->isEnabled());
    // And forward again with Ctrl+Shift+Z, then Ctrl+Y.
    for (int i = static_cast<int>(steps.size()) - 2; i >= 0; --i) {
      if (i % 2) Redo();
      else Keys(Qt::Key_Y, Qt::ControlModifier);
      QCOMPARE(d.Column(1), steps[i]);
    }
    Redo();
    QVERIFY(d.Column(1).isEmpty());
    QVERIFY(!f.OpRedo->isEnabled());
    QVERIFY(f.OpUndo->isEnabled());
    // Undone, the reset gives the selectors back as a store sets them.
    f.OpUndo->trigger();
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 1, 0, 0, 0}));
    QCOMPARE(f.Binary->IdZ2[0]->text(), QStringLiteral("2+2i"));
  }

  // Undo puts back the very values, closes the open complex and empties the results on show.
  void UndoPutsBackTheBitsAndEmptiesTheResults() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(1, QStringLiteral("2 , 400"));
    d.Enter(0, QStringLiteral("1/3, -pi"));
    const std::vector<Cplx> before = f.Stored->Contents();
    f.Binary->PBTblOp2->surface().StartRecording();
    f.Binary->OkOp2->click();
    QVERIFY(!TableIsEmpty(f));
    f.Power->OkPot_Click();
    f.Combined->TxtOp->setText(QStringLiteral("a+b"));
    f.Combined->OkCmb->click();
    QVERIFY(!f.Power->PZ[0]->text().isEmpty());
    QVERIFY(!f.Combined->IdRes[0]->text().isEmpty());
    d.ClickRow(0, 1);
    d.Enter(0, QStringLiteral("7, 7"));
    d.ClickRow(0, 0);  // "a" open while the change is undone
    QCOMPARE(f.Stored->EditIndex, std::int16_t(1));
    f.OpUndo->trigger();
    QVERIFY(SameBits(f.Stored->Contents(), before));
    QVERIFY(SameBits(OnDisk(d), before));
    QCOMPARE(f.Stored->EditIndex, std::int16_t(0));
    QVERIFY(f.Entry->EdN[0]->text().isEmpty());
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
    QVERIFY(f.Combined->IdRes[0]->text().isEmpty());
    QCOMPARE(f.Combined->TxtOp->text(), QStringLiteral("a+b"));  // the formula is the student's
    QVERIFY(TableIsEmpty(f));
  }

  // In a box with text, Ctrl+Z undoes the typing; the store is left alone.
  void ABoxWithTextKeepsItsOwnUndo() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(0, QStringLiteral("3, 4"));
    QLineEdit* box = f.Entry->EdN[0];
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("12"));
    Undo();
    QCOMPARE(d.Column(1), (QStringList{"3+4i"}));
    QVERIFY(box->text().size() < 2);
    box->clear();
    Undo();
    QVERIFY(d.Column(1).isEmpty());
  }

  void TheNextStartShowsTheSameStoreBitForBit() {
    Form1Driver d;
    d.Enter(1, QStringLiteral("2 , 400"));
    d.Enter(1, QStringLiteral("1 , -90"));
    d.Enter(0, QStringLiteral("1/3, -pi"));
    d.Enter(0, QStringLiteral("-0, 1e-300"));
    SetUniformSource(std::make_unique<QueuedSource>(DrawsFor({{1, 1}})));
    d.form->Entry->BtRnd->click();
    SetUniformSource(nullptr);
    const std::vector<Cplx> left = d.form->Stored->Contents();
    const QStringList polar = d.Column(2);
    QCOMPARE(polar[0], QStringLiteral("2 , 400\u00b0"));
    // A start builds its window before it owns the folder: unloaded, it has read nothing of it.
    Form1 unloaded(Seams{&d.messages, &d.processes}, nullptr, {}, false);
    QVERIFY(unloaded.Stored->Contents().empty());
    unloaded.Load();
    QVERIFY(SameBits(unloaded.Stored->Contents(), left));

    d.Open();
    Form1& f = *d.form;
    QVERIFY(SameBits(f.Stored->Contents(), left));
    QCOMPARE(d.Column(2), polar);
    QCOMPARE(d.Column(0), (QStringList{"a", "b", "c", "d", "e"}));
    // The selectors as after a store, the panels empty, nothing to undo.
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 1, 0, 0, 0}));
    QCOMPARE(f.Binary->IdZ1[0]->text(), QStringLiteral("1.53+1.29i"));
    QVERIFY(f.Power->PZ[0]->text().isEmpty());
    QVERIFY(f.Combined->IdRes[0]->text().isEmpty());
    QVERIFY(f.Entry->EdN[0]->text().isEmpty());
    QVERIFY(f.Stored->Btrst->isEnabled());
    QVERIFY(!f.OpUndo->isEnabled());
    QVERIFY(d.messages.Shown.isEmpty());
    // The restored store goes on like any other.
    d.ClickRow(0, 4);
    QTest::keyClick(f.Stored->LZ[0], Qt::Key_Delete);
    QCOMPARE(OnDisk(d).size(), std::size_t(4));
    f.OpUndo->trigger();
    QVERIFY(SameBits(f.Stored->Contents(), left));
  }

  // The session's own table holds every kind of damage; here a version from another release.
  void ADamagedFileIsSetAsideWithAMessage() {
    const QByteArray damaged = SessionBytes({MakeCplx(1, 1)}).replace("\"Version\": 1", "\"Version\": 7");
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    WriteAll(d.folder.filePath(QString::fromLatin1(SessionFileName)), damaged);
    d.messages.Shown.clear();
    d.Open();
    QCOMPARE(d.messages.Shown.size(), 1);
    QCOMPARE(d.messages.LastText(), SessionSetAsideText());
    QCOMPARE(d.messages.LastTitle(), SessionMessageTitle());
    QCOMPARE(d.form->Stored->Store().Count(), 0);
    QCOMPARE(ReadAll(d.folder.filePath(QString::fromLatin1(SessionBadName))), damaged);
    // The next change writes a good file again.
    d.Enter(0, QStringLiteral("2, 2"));
    QCOMPARE(OnDisk(d).size(), std::size_t(1));
  }

  // Ctrl+C on a selected row of the store copies it; pasted into the cartesian box it enters the
  // same complex.
  void ACopiedComplexPastesBackAsTheSame() {
    Form1Driver d;
    Form1& f = *d.form;
    d.Enter(1, QStringLiteral("5 , -36.86989764584402"));
    d.Enter(0, QStringLiteral("-2.5, 0.25"));
    QVERIFY(!f.OpCopy->isEnabled());
    d.ClickRow(1, 1);
    QVERIFY(f.Stored->LZ[1]->hasFocus());
    QVERIFY(f.OpCopy->isEnabled());
    QGuiApplication::clipboard()->clear();
    Keys(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-2.5+0.25i\n2.51 , 174.3\u00b0"));
    // Edit > Copy of the first row, picked with the mouse, then a new complex pasted from it.
    d.ClickRow(2, 0);
    QMenuBar* bar = f.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(f.OpEdit->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(f.OpEdit));
    QVERIFY(f.OpCopy->isEnabled());
    QTest::mouseClick(f.OpEdit, Qt::LeftButton, Qt::NoModifier, f.OpEdit->actionGeometry(f.OpCopy).center());
    QTRY_VERIFY(!f.OpEdit->isVisible());
    QCOMPARE(QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0), QStringLiteral("4-3i"));
    QTest::mouseClick(f.Stored->BtNou, Qt::LeftButton);
    f.Entry->EdN[0]->setFocus();
    QVERIFY(!f.OpCopy->isEnabled());
    Keys(Qt::Key_V, Qt::ControlModifier);
    // The box holds both lines as pasted; Enter reads the first.
    QCOMPARE(f.Entry->EdN[0]->text(), QGuiApplication::clipboard()->text());
    QTest::keyClick(f.Entry->EdN[0], Qt::Key_Return);
    QVERIFY2(d.messages.Shown.isEmpty(), qPrintable(d.messages.LastText()));
    QCOMPARE(d.Column(1), (QStringList{"4-3i", "-2.5+0.25i", "4-3i"}));
    const Cplx& pasted = f.Stored->Store().At(3);
    QCOMPARE(pasted.Re, 4.0);
    QCOMPARE(pasted.Im, -3.0);
  }

  // A box's own copy is left to it: Ctrl+C in a result box copies its selection, even with a
  // store row selected.
  void TheResultBoxesKeepTheirCopy() {
    Form1Driver d;
    Form1& f = *d.form;
    StoreAll(d, {"1, 1", "2, 0"});
    f.Combined->TxtOp->setText(QStringLiteral("a*b"));
    f.Combined->OkCmb->click();
    d.ClickRow(1, 0);
    QVERIFY(f.OpCopy->isEnabled());
    f.Combined->IdRes[1]->setFocus();
    QVERIFY(!f.OpCopy->isEnabled());
    f.Combined->IdRes[1]->selectAll();
    QGuiApplication::clipboard()->clear();
    Keys(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2.83 , 45\u00b0"));
    // And the cartesian result pastes back into the entry box as the same value.
    f.Combined->IdRes[0]->setFocus();
    f.Combined->IdRes[0]->selectAll();
    Keys(Qt::Key_C, Qt::ControlModifier);
    QTest::mouseClick(f.Stored->BtNou, Qt::LeftButton);
    f.Entry->EdN[0]->setFocus();
    Keys(Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f.Entry->EdN[0], Qt::Key_Return);
    QCOMPARE(d.Column(1), (QStringList{"1+1i", "2+0i", "2+2i"}));
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1SessionTests)
#include "tst_form1_session.moc"
