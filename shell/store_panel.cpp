// SPDX-License-Identifier: MIT
#include "shell/store_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "platform/qtext.h"
#include "shell/panel_widgets.h"
#include "text/complex_text.h"

namespace {

QListWidget* StoreColumn(QWidget* parent, const QString& name, bool scrollBar) {
  auto* list = Named(new QListWidget(parent), name);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  // The columns share the panel's width in their fixed proportions, whatever their contents.
  list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  list->setMinimumSize(26, 90);
  return list;
}

}  // namespace

StorePanel::StorePanel(Seams seams, QWidget* parent) : QGroupBox(QStringLiteral("Zs"), parent), seams_(seams) {
  MakePanel(this, "PLst", PanelColors::Store);
  LZ[0] = StoreColumn(this, Indexed("LZ", 0), false);
  LZ[1] = StoreColumn(this, Indexed("LZ", 1), false);
  LZ[2] = StoreColumn(this, Indexed("LZ", 2), true);
  LZ[0]->setFixedWidth(26);
  LZ[1]->setMinimumWidth(80);
  LZ[2]->setMinimumWidth(96);

  BtNou = Named(new FixedSize<QPushButton>(QStringLiteral("+"), this), QStringLiteral("BtNou"));
  BtNou->setToolTip(QStringLiteral("New complex"));
  BtNou->setFixedSize(40, 20);
  BtSupr = Named(new FixedSize<QPushButton>(QStringLiteral("-"), this), QStringLiteral("BtSupr"));
  BtSupr->setToolTip(QStringLiteral("Delete the open complex"));
  BtSupr->setFixedSize(40, 20);
  Btrst = Named(new FixedSize<QPushButton>(QStringLiteral("rst"), this), QStringLiteral("Btrst"));
  Btrst->setToolTip(QStringLiteral("Empty the list and every panel"));
  Btrst->setFixedSize(48, 20);

  // The three columns side by side under their captions, the buttons below them.
  QGridLayout* grid = PanelGrid(this);
  grid->setContentsMargins(8, 2, 8, 8);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(2);
  QLabel* cartesian = Label(this, QStringLiteral("cart."));
  QLabel* polar = Label(this, QStringLiteral("polar"));
  cartesian->setIndent(2);
  polar->setIndent(2);
  grid->addWidget(cartesian, 0, 1);
  grid->addWidget(polar, 0, 2);
  for (int i = 0; i < 3; ++i) grid->addWidget(LZ[i], 1, i);
  grid->setColumnStretch(1, 100);
  grid->setColumnStretch(2, 118);
  grid->setRowStretch(1, 1);
  QHBoxLayout* buttons = Row();
  buttons->setContentsMargins(0, 4, 0, 0);
  buttons->addWidget(BtNou);
  buttons->addWidget(BtSupr);
  buttons->addStretch(1);
  buttons->addWidget(Btrst);
  grid->addLayout(buttons, 2, 0, 1, 3);
  BtNou->setEnabled(false);
  BtSupr->setEnabled(false);
  Btrst->setEnabled(false);

  for (int i = 0; i < 3; ++i) {
    LZ[i]->installEventFilter(this);
    // The program's own changes of the columns are made under a signal blocker.
    connect(LZ[i], &QListWidget::currentRowChanged, this, [this, i](int row) {
      if (row >= 0) LZ_Click(i);
    });
    // A click on the row that is already current changes nothing in the list, and opens that
    // complex again all the same; a click on another row has opened it as the row changed.
    LZ[i]->viewport()->installEventFilter(this);
    connect(LZ[i], &QListWidget::itemClicked, this, [this, i](QListWidgetItem*) {
      if (pressedCurrentRow_) LZ_Click(i);
    });
    connect(LZ[i]->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, i] { LZ_Scroll(i); });
  }
  connect(BtNou, &QPushButton::clicked, this, &StorePanel::BtNou_Click);
  connect(BtSupr, &QPushButton::clicked, this, &StorePanel::BtSupr_Click);
  connect(Btrst, &QPushButton::clicked, this, &StorePanel::Btrst_Click);
}

void StorePanel::SetSelectors(const std::array<QComboBox*, 5>& selectors) {
  selectors_ = selectors;
  for (QComboBox* selector : selectors_) selector->installEventFilter(this);
}

// Typing the letter a selector already shows picks it again, as choosing it from the open list
// does: the selector's own search would find nothing new and stay silent.
bool StorePanel::RepickTypedLetter(QComboBox* selector, const QKeyEvent& key) {
  const int row = selector->currentIndex();
  if (row < 0 || key.text().size() != 1 || (key.modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) return false;
  if (key.text().compare(selector->currentText(), Qt::CaseInsensitive) != 0) return false;
  emit selector->activated(row);
  return true;
}

bool StorePanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (QListWidget* column : LZ) {
      if (watched != column->viewport()) continue;
      const int row = column->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).row();
      pressedCurrentRow_ = row >= 0 && row == column->currentRow();
    }
  }
  if (event->type() == QEvent::KeyPress) {
    for (QComboBox* selector : selectors_)
      if (watched == selector && RepickTypedLetter(selector, *static_cast<QKeyEvent*>(event))) return true;
  }
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    for (QListWidget* column : LZ) {
      if (watched == column) {
        SuprCplx();
        return true;
      }
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

Cplx StorePanel::Selected(const QComboBox* selector) const {
  const int row = selector->currentIndex();
  if (row < 0 || !store_.Holds(row + 1)) return store_.At(0);
  return store_.At(row + 1);
}

bool StorePanel::RefuseWhenFull(int added) {
  if (store_.Fits(added)) return false;
  seams_.Messages->Show(QStringLiteral("No more than 26 complexes"), QStringLiteral("Not feasible"), MsgButtons::Ok,
                        MsgIcon::Information);
  return true;
}

bool StorePanel::StoreEntry(const Cplx& z) {
  // After a reset EditIndex may still name a slot that no longer exists: the value then comes in
  // as a new complex rather than into a slot beyond the count.
  if (!StoredComplexOpen()) EditIndex = 0;
  if (EditIndex == 0) {
    if (RefuseWhenFull(1)) return false;
    EditIndex = static_cast<std::int16_t>(store_.Append(z));
  } else {
    store_.Replace(EditIndex, z);
  }
  RefreshStoreLists();
  if (store_.Count() == 1) {
    for (int i = 0; i < 5; ++i) SelectStoreRow(i, 0);
  } else if (store_.Count() == 2) {
    SelectStoreRow(1, 1);
  }
  CloseEntry();
  AnnounceChange();
  return true;
}

bool StorePanel::ReplaceCplx(int k, const Cplx& z) {
  if (!store_.Replace(k, z)) return false;
  RefreshStoreLists();
  if (EditIndex == k) emit Opened(z);
  AnnounceChange();
  return true;
}

bool StorePanel::IncorporateCplx(const Cplx& z) {
  if (RefuseWhenFull(1)) return false;
  EditIndex = 0;
  return StoreEntry(z);
}

void StorePanel::SuprCplx() {
  if (EditIndex == 0) return;
  // A slot left open across a reset has nothing to delete, only the entry to close.
  if (store_.Remove(EditIndex)) {
    RefreshStoreLists();
    CloseEntry();
    emit Deleted();
    AnnounceChange();
  } else {
    CloseEntry();
  }
}

void StorePanel::RefreshStoreLists() {
  std::array<int, 5> remembered{};
  for (int i = 0; i < 5; ++i) remembered[i] = selectors_[i]->currentIndex();
  RewriteLists([this] {
    for (int k = 1; k <= store_.Count(); ++k) {
      const QString letter = ToQ(LetterOf(k));
      const Cplx& z = store_.At(k);
      LZ[0]->addItem(letter);
      LZ[1]->addItem(ToQ(CartText(z, 2)));
      LZ[2]->addItem(ToQ(PolarText(z, 2, unit_)));
      for (QComboBox* selector : selectors_) selector->addItem(letter);
    }
    for (QComboBox* selector : selectors_) selector->setCurrentIndex(-1);
  });
  if (store_.Empty()) return;
  for (int i = 0; i < 5; ++i) {
    if (remembered[i] < 0) continue;
    // A selector whose complex has gone (the last one was deleted) is left without a selection,
    // and its panel is told so.
    SelectStoreRow(i, remembered[i] < store_.Count() ? remembered[i] : -1);
  }
}

void StorePanel::SetAngleUnit(AngleUnit unit) {
  unit_ = unit;
  for (int k = 1; k <= store_.Count(); ++k) LZ[2]->item(k - 1)->setText(ToQ(PolarText(store_.At(k), 2, unit_)));
}

void StorePanel::RewriteLists(const std::function<void()>& fill) {
  const std::array<QSignalBlocker, 8> quiet{QSignalBlocker(LZ[0]),          QSignalBlocker(LZ[1]),
                                            QSignalBlocker(LZ[2]),          QSignalBlocker(selectors_[0]),
                                            QSignalBlocker(selectors_[1]), QSignalBlocker(selectors_[2]),
                                            QSignalBlocker(selectors_[3]), QSignalBlocker(selectors_[4])};
  for (QListWidget* column : LZ) column->clear();
  for (QComboBox* selector : selectors_) selector->clear();
  if (fill) fill();
}

void StorePanel::SelectStoreRow(int i, int row) {
  {
    const QSignalBlocker quiet(selectors_[i]);
    selectors_[i]->setCurrentIndex(row);
  }
  emit OperandSelected(i);
}

void StorePanel::SelCplx(std::int16_t k) {
  if (!store_.Holds(k)) return;
  EditIndex = k;
  emit Opened(store_.At(k));
  BtNou->setEnabled(true);
  BtSupr->setEnabled(true);
}

void StorePanel::CloseEntry() {
  EditIndex = 0;
  emit EntryClosed();
  BtNou->setEnabled(false);
  BtSupr->setEnabled(false);
}

void StorePanel::AllowReset() const { Btrst->setEnabled(true); }

void StorePanel::LZ_Click(int i) {
  const int row = LZ[i]->currentRow();
  if (row < 0) return;
  {
    const std::array<QSignalBlocker, 3> quiet{QSignalBlocker(LZ[0]), QSignalBlocker(LZ[1]), QSignalBlocker(LZ[2])};
    for (QListWidget* column : LZ) column->setCurrentRow(row);
  }
  SelCplx(static_cast<std::int16_t>(row + 1));
  LZ_Scroll(i);
}

void StorePanel::LZ_Scroll(int i) {
  const int first = LZ[i]->verticalScrollBar()->value();
  // A column already in place sends nothing, so the columns settle after one round.
  for (QListWidget* column : LZ)
    if (column->verticalScrollBar()->value() != first) column->verticalScrollBar()->setValue(first);
}

void StorePanel::BtNou_Click() {
  {
    const std::array<QSignalBlocker, 3> quiet{QSignalBlocker(LZ[0]), QSignalBlocker(LZ[1]), QSignalBlocker(LZ[2])};
    for (QListWidget* column : LZ) {
      column->setCurrentRow(-1);
      column->clearSelection();
    }
  }
  CloseEntry();
  emit NewEntryAsked();
}

void StorePanel::BtSupr_Click() {
  if (seams_.Messages->Show(QStringLiteral("Eliminate item?"), QStringLiteral("Confirm elimination"),
                            MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes)
    SuprCplx();
}

void StorePanel::Btrst_Click() {
  store_.Clear();
  RewriteLists();
  emit Emptied();
  Btrst->setEnabled(false);
  AnnounceChange();
}

void StorePanel::AnnounceChange() {
  if (batchDepth_ > 0) {
    changedInBatch_ = true;
    return;
  }
  emit Changed();
}

StorePanel::ChangeBatch::~ChangeBatch() {
  if (--store_.batchDepth_ == 0 && store_.changedInBatch_) {
    store_.changedInBatch_ = false;
    emit store_.Changed();
  }
}

std::vector<Cplx> StorePanel::Contents() const {
  std::vector<Cplx> complexes;
  for (int k = 1; k <= store_.Count(); ++k) complexes.push_back(store_.At(k));
  return complexes;
}

void StorePanel::PutBack(const std::vector<Cplx>& complexes) {
  store_.Clear();
  for (const Cplx& z : complexes)
    if (store_.Append(z) == 0) break;  // never more than the letters
  RefreshStoreLists();
  // The selectors a store would have set: "a" everywhere, "b" as Z2 once there are two.
  for (int i = 0; i < 5 && !store_.Empty(); ++i) {
    if (selectors_[i]->currentIndex() >= 0) continue;
    SelectStoreRow(i, i == 1 && store_.Count() >= 2 ? 1 : 0);
  }
  CloseEntry();
  Btrst->setEnabled(!store_.Empty());
}
