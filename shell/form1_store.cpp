// SPDX-License-Identifier: MIT
// The store of complexes: its three list columns, the five selectors, opening, deleting and the
// reset.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "platform/picture_box.h"
#include "platform/qtext.h"
#include "shell/form1.h"
#include "text/complex_text.h"

bool Form1::StoredComplexOpen() const { return Store.Holds(EditIndex); }

bool Form1::RefuseWhenFull(int added) {
  if (Store.Fits(added)) return false;
  seams_.Messages->Show(QStringLiteral("No more than 26 complexes"), QStringLiteral("Not feasible"), MsgButtons::Ok,
                        MsgIcon::Information);
  return true;
}

bool Form1::StoreEntry(const Cplx& z) {
  // After a reset EditIndex may still name a slot that no longer exists: the value then comes in
  // as a new complex rather than into a slot beyond Count.
  if (!StoredComplexOpen()) EditIndex = 0;
  if (EditIndex == 0) {
    if (RefuseWhenFull(1)) return false;
    EditIndex = static_cast<std::int16_t>(Store.Append(z));
  } else {
    Store.Replace(EditIndex, z);
  }
  RefreshStoreLists();
  if (Store.Count() == 1) {
    for (int i = 0; i < 5; ++i) SelectStoreRow(i, 0);
  } else if (Store.Count() == 2) {
    SelectStoreRow(1, 1);
  }
  ClearEntry();
  return true;
}

bool Form1::IncorporateCplx(const Cplx& z) {
  if (RefuseWhenFull(1)) return false;
  EditIndex = 0;
  return StoreEntry(z);
}

void Form1::SuprCplx() {
  if (EditIndex == 0) return;
  if (!StoredComplexOpen()) {
    // A slot left open across a reset: there is nothing to delete, only the entry to close.
    ClearEntry();
    return;
  }
  Store.Remove(EditIndex);
  RefreshStoreLists();
  ClearEntry();
  PBox0->surface().Clear();
}

void Form1::RefreshStoreLists() {
  std::array<int, 5> remembered{};
  for (int i = 0; i < 5; ++i) remembered[i] = LstZ[i]->currentIndex();

  ++programSelecting_;
  for (QListWidget* column : LZ) column->clear();
  for (QComboBox* selector : LstZ) selector->clear();
  for (int k = 1; k <= Store.Count(); ++k) {
    const QString letter = ToQ(LetterOf(k));
    const Cplx& z = Store.At(k);
    LZ[0]->addItem(letter);
    LZ[1]->addItem(ToQ(CartText(z, 2)));
    LZ[2]->addItem(ToQ(PolarText(z, 2)));
    for (QComboBox* selector : LstZ) selector->addItem(letter);
  }
  for (QComboBox* selector : LstZ) selector->setCurrentIndex(-1);
  --programSelecting_;

  if (Store.Empty()) return;
  for (int i = 0; i < 5; ++i) {
    if (remembered[i] < 0) continue;
    // A selector whose complex has gone (the last one was deleted) is left without a selection,
    // and its panel is told so.
    SelectStoreRow(i, remembered[i] < Store.Count() ? remembered[i] : -1);
  }
}

void Form1::SelectStoreRow(int i, int row) {
  ++programSelecting_;
  LstZ[i]->setCurrentIndex(row);
  --programSelecting_;
  ++programPick_;
  LstZ_Click(i);
  --programPick_;
}

Cplx Form1::SelectedCplx(int i) const {
  const int row = LstZ[i]->currentIndex();
  if (row < 0 || !Store.Holds(row + 1)) return Store.At(0);
  return Store.At(row + 1);
}

bool Form1::UserPick(int i) const {
  if (programPick_ > 0) return false;
  const QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return false;
  // The focused control shows the same text as the selector: in practice the user has just
  // picked in that selector, which therefore has the focus.
  QString shown;
  if (const auto* combo = qobject_cast<const QComboBox*>(focus))
    shown = combo->currentText();
  else if (const auto* box = qobject_cast<const QLineEdit*>(focus))
    shown = box->text();
  else if (const auto* button = qobject_cast<const QAbstractButton*>(focus))
    shown = button->text();
  else
    return false;
  return shown == LstZ[i]->currentText();
}

void Form1::LstZ_Click(int i) {
  const Cplx z = SelectedCplx(i);
  switch (i) {
    case 0:
    case 1: LstZ_ClickBinary(i, z); break;
    case 2: LstZ_ClickPower(z, UserPick(2)); break;
    case 3: LstZ_ClickRoot(z, UserPick(3)); break;
    case 4: LstZ_ClickCombined(UserPick(4)); break;
    default: break;
  }
}

void Form1::SelCplx(std::int16_t k) {
  if (!Store.Holds(k)) return;
  EditIndex = k;
  ShowInEntry(Store.At(k));
  BtNou->setEnabled(true);
  BtSupr->setEnabled(true);
}

void Form1::ShowInEntry(const Cplx& z) {
  EdN[0]->setText(ToQ(PairText(z, Decimals)));
  EdN[1]->setText(ToQ(PolarText(z, Decimals)));
  ShowInGraphPanel(z);
}

void Form1::ClearEntry() {
  EdN[0]->clear();
  EdN[1]->clear();
  EdN[0]->setFocus();
  EditIndex = 0;
  BtNou->setEnabled(false);
  BtSupr->setEnabled(false);
}

void Form1::LZ_Click(int i) {
  const int row = LZ[i]->currentRow();
  if (row < 0) return;
  ++programSelecting_;
  for (QListWidget* column : LZ) column->setCurrentRow(row);
  --programSelecting_;
  SelCplx(static_cast<std::int16_t>(row + 1));
  LZ_Scroll(i);
}

void Form1::LZ_Scroll(int i) {
  ++programSelecting_;
  const int first = LZ[i]->verticalScrollBar()->value();
  for (int j = 0; j < 3; ++j)
    if (j != i) LZ[j]->verticalScrollBar()->setValue(first);
  --programSelecting_;
}

void Form1::LZ_KeyDown(int, int keyCode, Qt::KeyboardModifiers) {
  if (keyCode == Qt::Key_Delete) SuprCplx();
}

void Form1::BtNou_Click() {
  ++programSelecting_;
  for (QListWidget* column : LZ) {
    column->setCurrentRow(-1);
    column->clearSelection();
  }
  --programSelecting_;
  ClearEntry();
  EditIndex = 0;
  ResetGraphPanel();
}

void Form1::BtSupr_Click() {
  if (seams_.Messages->Show(QStringLiteral("Eliminate item?"), QStringLiteral("Confirm elimination"),
                            MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes)
    SuprCplx();
}

void Form1::Btrst_Click() {
  Store.Clear();
  ++programSelecting_;
  for (QListWidget* column : LZ) column->clear();
  for (QComboBox* selector : LstZ) selector->clear();
  --programSelecting_;
  RstPot();
  RstRel();
  RstBin();
  RstCmb();
  PBox0->surface().Clear();
  PBTblOp2->setToolTip(QString());
  EtZ->clear();
  BtGrf->setEnabled(false);
  Btrst->setEnabled(false);
}
