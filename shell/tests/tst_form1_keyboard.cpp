// SPDX-License-Identifier: MIT
// The main window from the keyboard: the menus' access keys, Ctrl+Q, F1 for the help of the
// panel at hand, Esc in the secondary windows, and Tab through each panel in reading order.
#include <QCheckBox>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "about/fquant.h"
#include "exercises/fprbls.h"
#include "panel_actions.h"
#include "shell/help_window.h"
#include "platform/testing/environment.h"

namespace {

// The user's keys go to `window`, as they do once the user is looking at it.
bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

HelpWindow* VisibleHelp(Form1& f, const QString& title) {
  for (HelpWindow* window : f.findChildren<HelpWindow*>())
    if (window->isVisible() && window->windowTitle() == title) return window;
  return nullptr;
}

// The text at the top of a help window's visible part.
QString TopLine(HelpWindow* help) {
  return help->Text->cursorForPosition(QPoint(10, 10)).block().text();
}

void PressF1In(QWidget* widget) {
  QVERIFY(Activate(widget->window()));
  widget->setFocus(Qt::TabFocusReason);
  QTest::keyClick(widget, Qt::Key_F1);
}

// The focus goes from `first` on with Tab until it leaves `panel`; the names met on the way.
QStringList TabWalk(QWidget* panel, QWidget* first) {
  first->setFocus(Qt::TabFocusReason);
  QStringList names;
  for (int k = 0; k < 30; ++k) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !panel->isAncestorOf(focus) || names.contains(focus->objectName())) break;
    names << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return names;
}

// The names in `order` of the widgets that can take the focus now (enabled ones).
QStringList Focusable(std::initializer_list<QWidget*> order) {
  QStringList names;
  for (QWidget* w : order)
    if (w->isEnabled() && w->isVisible()) names << w->objectName();
  return names;
}

}  // namespace

class KeyboardTests : public QObject {
  Q_OBJECT

 private slots:
  // Alt+F, Alt+E, Alt+T and Alt+I open their menus from any box, and no letter lands in the box.
  void AltLettersOpenTheMenus() {
    Form1Driver d;
    Form1& f = *d.form;
    const struct {
      Qt::Key key;
      QMenu* menu;
    } menus[] = {{Qt::Key_F, f.OpFtx}, {Qt::Key_E, f.OpEdit}, {Qt::Key_T, f.Tools}, {Qt::Key_I, f.Inf}};
    for (QLineEdit* box : {f.Entry->EdN[0], f.Combined->TxtOp}) {
      for (const auto& m : menus) {
        box->setFocus();
        QTest::keyClick(box, m.key, Qt::AltModifier);
        QTRY_VERIFY(m.menu->isVisible());
        QVERIFY(box->text().isEmpty());
        QTest::keyClick(m.menu, Qt::Key_Escape);
        QTRY_VERIFY(!m.menu->isVisible());
      }
    }
    // Each menu of the bar has a letter of its own.
    QSet<QKeySequence> letters;
    for (QAction* menu : f.menuBar()->actions()) letters.insert(QKeySequence::mnemonic(menu->text()));
    QCOMPARE(letters.size(), f.menuBar()->actions().size());
  }

  // F1 opens the help of the panel that has the focus: the entry and the combined panels start
  // the help viewer on their topics, the others open the manual's pages at their section.
  void F1OpensThePanelsHelp() {
    Form1Driver d;
    Form1& f = *d.form;
    PressF1In(f.Entry->EdN[1]);
    QVERIFY(d.processes.LastCommandLine().contains(QStringLiteral(",Entry,0")));
    PressF1In(f.Stored->LZ[1]);
    QCOMPARE(d.processes.Started.size(), 2);
    QVERIFY(d.processes.LastCommandLine().contains(QStringLiteral(",Entry,0")));
    PressF1In(f.Combined->TxtOp);
    QVERIFY(d.processes.LastCommandLine().contains(QStringLiteral(",OpsCmb,0")));
    QCOMPARE(d.processes.Started.size(), 3);

    PressF1In(f.LstZ[2]);
    HelpWindow* manual = VisibleHelp(f, QStringLiteral("Zorbit manual"));
    QVERIFY(manual != nullptr);
    QTRY_COMPARE(TopLine(manual), QStringLiteral("2. Operations"));
    QVERIFY(Activate(manual));
    QTest::keyClick(manual->Text, Qt::Key_Escape);
    QTRY_VERIFY(!manual->isVisible());
    PressF1In(f.Graph->EtZ);
    QTRY_VERIFY(manual->isVisible());
    QTRY_COMPARE(TopLine(manual), QStringLiteral("3. Graphs and exercises"));
    QCOMPARE(d.processes.Started.size(), 3);

    // Without the viewer the program's own help opens, and Esc closes it.
    d.processes.Succeed = false;
    PressF1In(f.Combined->LstZ);
    HelpWindow* combined = VisibleHelp(f, QStringLiteral("Help: combined operations"));
    QVERIFY(combined != nullptr);
    QVERIFY(Activate(combined));
    QTest::keyClick(combined->Text, Qt::Key_Escape);
    QTRY_VERIFY(!combined->isVisible());
  }

  // Esc closes the About box, the exercise window and the picture shown by Open...
  void EscClosesTheSecondaryWindows() {
    Form1Driver d;
    Form1& f = *d.form;
    f.OpSobre->trigger();
    auto* about = f.findChild<FQuant*>();
    QVERIFY(about != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Escape);
    QTRY_VERIFY(about == nullptr || !about->isVisible());

    // The exercise window is modal: Esc is pressed while it waits.
    QVERIFY(Activate(&f));
    StoreAll(d, {"1, 1"});
    f.Combined->TxtOp->setFocus();
    QTest::keyClicks(f.Combined->TxtOp, QStringLiteral("a'"));
    QTest::keyClick(f.Combined->TxtOp, Qt::Key_Return);
    bool seen = false;
    WhenModal<FPrbls>([&seen](FPrbls* exercise) {
      seen = true;
      QVERIFY(Activate(exercise));
      QTest::keyClick(exercise->focusWidget() ? exercise->focusWidget() : exercise, Qt::Key_Escape);
    });
    QVERIFY(f.Combined->BtGC->isEnabled());
    QTest::mouseClick(f.Combined->BtGC, Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString path = d.folder.filePath(QStringLiteral("pic.jpg"));
    QVERIFY(picture.save(path, "JPG"));
    ChooseInNextDialog(path);
    f.OpObr->trigger();
    FGraf* shown = VisibleSpare(f);
    QVERIFY(shown != nullptr);
    QVERIFY(Activate(shown));
    QTest::keyClick(shown, Qt::Key_Escape);
    QTRY_VERIFY(!shown->isVisible());
  }

  // Tab walks each panel left to right and row by row, as it reads.
  void TabWalksEachPanelInReadingOrder() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 2"});
    Form1& f = *d.form;
    d.ClickRow(0, 1);  // the store's buttons take part too
    QTest::mouseClick(f.Binary->OkOp2, Qt::LeftButton);
    EntryPanel& e = *f.Entry;
    QCOMPARE(TabWalk(&e, e.EdN[0]), Focusable({e.EdN[0], e.BtInc, e.EdN[1], e.LstUnit, e.BtRnd, e.LstN, e.IdX, e.BtHEntr}));
    StorePanel& s = *f.Stored;
    QCOMPARE(TabWalk(&s, s.LZ[0]), Focusable({s.LZ[0], s.LZ[1], s.LZ[2], s.BtNou, s.BtSupr, s.Btrst}));
    BinaryPanel& b = *f.Binary;
    QCOMPARE(TabWalk(&b, b.LstZ[0]), Focusable({b.LstZ[0], b.IdZ1[0], b.IdZ1[1], b.OkOp2, b.BtG2, b.BtW2, b.LstZ[1], b.IdZ2[0],
                                                 b.IdZ2[1], b.OpGrfs}));
    PowerPanel& p = *f.Power;
    QCOMPARE(TabWalk(&p, p.LstZ), Focusable({p.LstZ, p.LstNp, p.OkPot, p.BtGP, p.IdZ[0], p.BtWP, p.IdZ[1], p.PZ[0], p.PZ[1]}));
    RootsPanel& r = *f.Roots;
    QCOMPARE(TabWalk(&r, r.LstZ),
             Focusable({r.LstZ, r.LstNr, r.OkRel, r.BtGR, r.ZR[0], r.ZR[1], r.BtWR, r.LstRels[0], r.LstRels[1]}));
    CombinedPanel& c = *f.Combined;
    QCOMPARE(TabWalk(&c, c.TxtOp),
             Focusable({c.TxtOp, c.LstZ, c.OkCmb, c.IdRes[0], c.IdRes[1], c.BtGC, c.BtWC, c.BtHCmb}));
    // From one panel to the next: the entry's last control leads into the store.
    e.BtHEntr->setFocus(Qt::TabFocusReason);
    QTest::keyClick(e.BtHEntr, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.LZ[0]));
  }

  // Ctrl+Q ends the program from wherever the focus is. Last: once the program has been told to
  // end, no window waits for the user any more.
  void CtrlQExits() {
    Form1Driver d;
    Form1& f = *d.form;
    QSignalSpy exits(f.OpSurt, &QAction::triggered);
    QEventLoop running;
    QTimer::singleShot(0, &f, [&f] {
      f.Combined->TxtOp->setFocus();
      QTest::keyClick(f.Combined->TxtOp, Qt::Key_Q, Qt::ControlModifier);
    });
    QTimer::singleShot(ModalDeadlineMs, &running, [&running] { running.exit(7); });  // a hang guard
    QCOMPARE(running.exec(), 0);
    QCOMPARE(exits.size(), 1);
    QVERIFY(f.Combined->TxtOp->text().isEmpty());
  }
};

ZORBIT_WINDOW_TEST_MAIN(KeyboardTests)
#include "tst_form1_keyboard.moc"
