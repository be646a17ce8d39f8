// SPDX-License-Identifier: MIT
// The store of complexes as the user sees it: the three columns, the five selectors, opening,
// replacing, deleting, the reset and the limit of 26 letters.
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QWheelEvent>

#include "panel_actions.h"
#include "platform/picture_box.h"
#include "platform/testing/environment.h"

namespace {

bool AllWhite(const QImage& image) {
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3)
      if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
  return true;
}

// Fills the store with n known complexes k + 1i, k = 1..n, through the random button.
void FillWithRandom(Form1Driver& d, int n) {
  std::deque<double> draws;
  for (int k = 1; k <= n; ++k) {
    draws.push_back(((k % 15) + 0.5) / 15);  // Re = k % 15 - 5
    draws.push_back((6 + 0.5) / 15);         // Im = 1
  }
  SetUniformSource(std::make_unique<QueuedSource>(draws));
  d.form->Entry->LstN->setEditText(QString::number(n));
  d.form->Entry->BtRnd->click();
  SetUniformSource(nullptr);
}

// The row at the top of a column's visible part.
int FirstVisibleRow(const QListWidget* column) { return column->indexAt(QPoint(4, 2)).row(); }

// The three columns show the same rows, and the polar column's scroll bar stands where the
// others are scrolled to.
void ExpectAligned(const Form1& f) {
  const auto& lz = f.Stored->LZ;
  const int first = FirstVisibleRow(lz[2]);
  const auto lastVisibleRow = [](const QListWidget* column) {
    return column->indexAt(QPoint(4, column->viewport()->height() - 2)).row();
  };
  QCOMPARE(FirstVisibleRow(lz[0]), first);
  QCOMPARE(FirstVisibleRow(lz[1]), first);
  QCOMPARE(lastVisibleRow(lz[0]), lastVisibleRow(lz[2]));
  QCOMPARE(lastVisibleRow(lz[1]), lastVisibleRow(lz[2]));
  for (const QListWidget* column : lz) QCOMPARE(column->verticalScrollBar()->value(), lz[2]->verticalScrollBar()->value());
}

// A turn of the mouse wheel over a column, `notches` towards the end of the list.
void Wheel(QListWidget* column, int notches) {
  const QPoint at = column->viewport()->rect().center();
  QWheelEvent wheel(at, column->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(column->viewport(), &wheel);
}

// Drags the scroll bar's handle by `dy` pixels with the mouse.
void DragHandle(QScrollBar* bar, int dy) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.pageStep = bar->pageStep();
  option.singleStep = bar->singleStep();
  const QPoint from = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
  for (int step = 1; step <= 4; ++step) {
    const QPointF at(from.x(), from.y() + dy * step / 4);
    QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(from.x(), from.y() + dy));
}

}  // namespace

class Form1StoreTests : public QObject {
  Q_OBJECT

 private slots:
  void TheFirstTwoComplexesBecomeTheOperands() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("3, 4"));
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 0, 0, 0, 0}));
    d.Enter(0, QStringLiteral("1, -2"));
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 1, 0, 0, 0}));
    d.Enter(0, QStringLiteral("5, 5"));
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 1, 0, 0, 0}));
    for (int i = 0; i < 5; ++i) QCOMPARE(d.Selector(i), (QStringList{"a", "b", "c"}));
    QCOMPARE(d.Column(0), (QStringList{"a", "b", "c"}));
    QCOMPARE(d.Column(1), (QStringList{"3+4i", "1-2i", "5+5i"}));
    QCOMPARE(d.Column(2)[0], QStringLiteral("5 , 53.1\u00b0"));
  }

  void DeletingRenamesTheFollowingLetters() {
    Form1Driver d;
    for (const char* z : {"1, 1", "2, 2", "3, 3", "4, 4"}) d.Enter(0, QString::fromLatin1(z));
    d.ClickRow(1, 1);
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(2));
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("2 , 2"));
    QVERIFY(d.form->Stored->BtSupr->isEnabled());

    d.messages.QueueAnswer(MsgAnswer::No);
    d.form->Stored->BtSupr->click();
    QCOMPARE(d.messages.LastText(), QStringLiteral("Eliminate item?"));
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Confirm elimination"));
    QCOMPARE(d.messages.Shown.last().Buttons, MsgButtons::YesNo);
    QCOMPARE(d.form->Stored->Store().Count(), 4);

    d.messages.QueueAnswer(MsgAnswer::Yes);
    d.form->Stored->BtSupr->click();
    QCOMPARE(d.Column(0), (QStringList{"a", "b", "c"}));
    QCOMPARE(d.Column(1), (QStringList{"1+1i", "3+3i", "4+4i"}));
    QCOMPARE(d.Selector(4), (QStringList{"a", "b", "c"}));
    QVERIFY(d.form->Entry->EdN[0]->text().isEmpty());
    QVERIFY(d.form->Entry->EdN[1]->text().isEmpty());
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
    QVERIFY(!d.form->Stored->BtNou->isEnabled());
    QVERIFY(!d.form->Stored->BtSupr->isEnabled());
    QVERIFY(AllWhite(d.form->Graph->PBox0->surface().Image()));
  }

  void TheDeleteKeyDeletesAtOnceAndASelectorOfAVanishedRowIsLeftEmpty() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    d.Enter(0, QStringLiteral("2, 2"));
    d.ClickRow(0, 1);
    QTest::keyClick(d.form->Stored->LZ[0], Qt::Key_Delete);
    QVERIFY(d.messages.Shown.isEmpty());
    QCOMPARE(d.Column(1), (QStringList{"1+1i"}));
    // Z2 had picked "b", which is gone.
    QCOMPARE(d.SelectedRows(), (QList<int>{0, -1, 0, 0, 0}));
    // With nothing open the key does nothing.
    QTest::keyClick(d.form->Stored->LZ[0], Qt::Key_Delete);
    QCOMPARE(d.form->Stored->Store().Count(), 1);
  }

  void StoringAnOpenComplexReplacesItInItsSlot() {
    Form1Driver d;
    for (const char* z : {"1, 1", "2, 2", "3, 3"}) d.Enter(0, QString::fromLatin1(z));
    d.ClickRow(2, 1);
    d.Enter(0, QStringLiteral("7, -7"));
    QCOMPARE(d.Column(1), (QStringList{"1+1i", "7-7i", "3+3i"}));
    QCOMPARE(d.form->Stored->Store().Count(), 3);
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 1, 0, 0, 0}));
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
    QVERIFY(d.form->Entry->EdN[0]->hasFocus());
  }

  void ClickingARowMarksItInAllColumns() {
    Form1Driver d;
    FillWithRandom(d, 20);
    QCOMPARE(d.form->Stored->Store().Count(), 20);
    d.ClickRow(2, 3);
    for (QListWidget* column : d.form->Stored->LZ) QCOMPARE(column->currentRow(), 3);
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(4));
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("-1 , 1"));  // slot 4: Re = 4 - 5
    // The arrow keys move the selection and open the complex under it.
    QTest::keyClick(d.form->Stored->LZ[1], Qt::Key_Down);
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(5));
    QCOMPARE(d.form->Stored->LZ[0]->currentRow(), 4);
  }

  void ATakenBackResultIsAlwaysANewLetter() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    d.ClickRow(0, 0);
    QVERIFY(d.form->Stored->IncorporateCplx(MakeCplx(9, 9)));
    QCOMPARE(d.Column(1), (QStringList{"1+1i", "9+9i"}));
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
  }

  void NewEntryButtonClosesTheOpenComplex() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("3, 4"));
    d.ClickRow(0, 0);
    d.form->Stored->BtNou->click();
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
    QVERIFY(d.form->Entry->EdN[0]->text().isEmpty());
    for (QListWidget* column : d.form->Stored->LZ) QCOMPARE(column->currentRow(), -1);
    QVERIFY(!d.form->Stored->BtSupr->isEnabled());
    QVERIFY(!AllWhite(d.form->Graph->PBox0->surface().Image()));  // the default plane
    d.Enter(0, QStringLiteral("5, 5"));
    QCOMPARE(d.Column(1), (QStringList{"3+4i", "5+5i"}));
  }

  void ResetEmptiesEverythingButTheEntry() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    d.Enter(0, QStringLiteral("2, 2"));
    d.ClickRow(0, 1);
    QVERIFY(d.form->Stored->Btrst->isEnabled());
    d.form->Stored->Btrst->click();
    QCOMPARE(d.form->Stored->Store().Count(), 0);
    for (QListWidget* column : d.form->Stored->LZ) QCOMPARE(column->count(), 0);
    for (QComboBox* selector : d.form->LstZ) QCOMPARE(selector->count(), 0);
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("2 , 2"));
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(2));
    QVERIFY(!d.form->Stored->Btrst->isEnabled());
    QVERIFY(!d.form->Graph->BtGrf->isEnabled());
    QVERIFY(d.form->Graph->EtZ->text().isEmpty());
    QVERIFY(AllWhite(d.form->Graph->PBox0->surface().Image()));
  }

  void AfterResetTheStaleOpenSlotNeverCorruptsTheStore() {
    Form1Driver d;
    d.Enter(0, QStringLiteral("1, 1"));
    d.Enter(0, QStringLiteral("2, 2"));
    d.ClickRow(0, 1);
    d.form->Stored->Btrst->click();
    // Deleting the vanished slot deletes nothing and closes the entry.
    d.form->Stored->BtSupr->click();
    QCOMPARE(d.form->Stored->Store().Count(), 0);
    QCOMPARE(d.form->Stored->EditIndex, std::int16_t(0));
    QVERIFY(!d.form->Stored->BtSupr->isEnabled());

    d.Enter(0, QStringLiteral("1, 1"));
    d.Enter(0, QStringLiteral("2, 2"));
    d.ClickRow(0, 1);
    d.form->Stored->Btrst->click();
    // Storing with the stale slot open appends "a" instead of writing slot 2 beyond Count.
    d.Enter(0, QStringLiteral("5, 6"));
    QCOMPARE(d.form->Stored->Store().Count(), 1);
    QCOMPARE(d.Column(0), (QStringList{"a"}));
    QCOMPARE(d.Column(1), (QStringList{"5+6i"}));
    QCOMPARE(d.SelectedRows(), (QList<int>{0, 0, 0, 0, 0}));
  }

  void ATwentySeventhComplexIsRefusedAndNothingChanges() {
    Form1Driver d;
    FillWithRandom(d, 26);
    QCOMPARE(d.form->Stored->Store().Count(), 26);
    QCOMPARE(d.Column(0).last(), QStringLiteral("z"));
    const QStringList before = d.Column(1);

    d.Enter(0, QStringLiteral("3, 4"));
    QCOMPARE(d.messages.LastText(), QStringLiteral("No more than 26 complexes"));
    QCOMPARE(d.messages.LastTitle(), QStringLiteral("Not feasible"));
    QCOMPARE(d.form->Entry->EdN[0]->text(), QStringLiteral("3, 4"));
    QCOMPARE(d.form->Stored->Store().Count(), 26);

    d.messages.Shown.clear();
    QVERIFY(!d.form->Stored->IncorporateCplx(MakeCplx(1, 2)));
    QCOMPARE(d.messages.LastText(), QStringLiteral("No more than 26 complexes"));
    QCOMPARE(d.Column(1), before);
    QCOMPARE(d.Selector(0).size(), 26);

    // An open complex can still be replaced: no new letter is needed.
    d.ClickRow(0, 25);
    d.Enter(0, QStringLiteral("8, 8"));
    QCOMPARE(d.Column(1).last(), QStringLiteral("8+8i"));
    QCOMPARE(d.messages.Shown.size(), 1);
  }

  void RandomComplexesThatWouldNotAllFitAreNotDrawn() {
    Form1Driver d;
    FillWithRandom(d, 25);
    d.form->Entry->LstN->setEditText(QStringLiteral("2"));
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.messages.LastText(), QStringLiteral("No more than 26 complexes"));
    QCOMPARE(d.form->Stored->Store().Count(), 25);
    // With a complex open, the first one replaces it, so two fit.
    d.ClickRow(0, 0);
    d.form->Entry->BtRnd->click();
    QCOMPARE(d.form->Stored->Store().Count(), 26);
  }

  // A second click on the open row opens it again: an unsaved edit of the boxes is dropped and
  // the graph panel shows the complex once more.
  void ClickingTheOpenRowOpensItAgain() {
    Form1Driver d;
    StoreAll(d, {"1, 1", "2, 3"});
    Form1& f = *d.form;
    for (int column = 0; column < 3; ++column) {
      d.ClickRow(column, 1);
      QCOMPARE(f.Entry->EdN[0]->text(), QStringLiteral("2 , 3"));
      const QString polar = f.Entry->EdN[1]->text();
      QVERIFY(polar.startsWith(QStringLiteral("3.61 , ")));
      f.Entry->EdN[0]->selectAll();
      QTest::keyClicks(f.Entry->EdN[0], QStringLiteral("7, 7"));
      // Another panel draws on the graph panel meanwhile.
      TypeInto(f.Power->LstNp, QStringLiteral("2"));
      QTest::mouseClick(f.Power->OkPot, Qt::LeftButton);
      QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("(1+1i)^2"));
      d.ClickRow(column, 1);
      QCOMPARE(f.Stored->EditIndex, std::int16_t(2));
      QCOMPARE(f.Entry->EdN[0]->text(), QStringLiteral("2 , 3"));
      QCOMPARE(f.Entry->EdN[1]->text(), polar);
      QCOMPARE(f.Graph->EtZ->text(), QStringLiteral("2+3i"));
      QVERIFY(f.Stored->BtSupr->isEnabled());
    }
    QCOMPARE(d.Column(1), (QStringList{"1+1i", "2+3i"}));
  }

  void TheColumnsScrollTogether_data() {
    QTest::addColumn<int>("count");
    for (int n : {10, 12, 20, 26}) QTest::addRow("%d complexes", n) << n;
  }
  // The scroll bar, the wheel over any column and the keys all move the three columns alike,
  // down to the last letter and back.
  void TheColumnsScrollTogether() {
    QFETCH(int, count);
    Form1Driver d;
    FillWithRandom(d, count);
    Form1& f = *d.form;
    const auto& lz = f.Stored->LZ;
    QScrollBar* bar = lz[2]->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(bar->maximum() > 0);
    // Pages down through the polar column's scroll bar, clicked below its handle.
    for (int k = 0; k < 30 && bar->value() < bar->maximum(); ++k) {
      QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - bar->width() - 3));
      ExpectAligned(f);
    }
    QCOMPARE(bar->value(), bar->maximum());
    for (const QListWidget* column : lz)
      QVERIFY(column->viewport()->rect().contains(column->visualItemRect(column->item(count - 1))));
    // The handle dragged to the top, then half-way down.
    DragHandle(bar, -bar->height());
    QCOMPARE(bar->value(), 0);
    ExpectAligned(f);
    DragHandle(bar, bar->height() / 3);
    QVERIFY(bar->value() > 0);
    ExpectAligned(f);
    // The wheel over the letters and over the cartesian column.
    for (int column : {0, 1}) {
      for (int k = 0; k < 10; ++k) Wheel(lz[column], -1);
      QCOMPARE(bar->value(), 0);
      ExpectAligned(f);
      Wheel(lz[column], 1);
      QVERIFY(bar->value() > 0);
      ExpectAligned(f);
    }
    // The keys: the last letter and back to the first.
    d.ClickRow(0, 0);
    QTest::keyClick(lz[0], Qt::Key_End);
    QCOMPARE(f.Stored->EditIndex, std::int16_t(count));
    ExpectAligned(f);
    QVERIFY(lz[1]->viewport()->rect().contains(lz[1]->visualItemRect(lz[1]->item(count - 1))));
    QTest::keyClick(lz[1], Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
    ExpectAligned(f);
  }
};

ZORBIT_WINDOW_TEST_MAIN(Form1StoreTests)
#include "tst_form1_store.moc"
