// SPDX-License-Identifier: MIT
#include "shell/tab_order.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <initializer_list>

#include "shell/binary_panel.h"
#include "shell/combined_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"
#include "shell/graph_panel.h"
#include "shell/power_panel.h"
#include "shell/roots_panel.h"
#include "shell/store_panel.h"

namespace {

// Tab goes from each widget to the next one of the list.
void Chain(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

// Each returns the panel's last widget in the chain, where the next panel follows on.

QWidget* EntryOrder(EntryPanel& p) {
  Chain({p.EdN[0], p.BtInc, p.EdN[1], p.BtRnd, p.LstN, p.IdX, p.BtHEntr});
  return p.BtHEntr;
}

QWidget* StoreOrder(StorePanel& p, QWidget* before) {
  Chain({before, p.LZ[0], p.LZ[1], p.LZ[2], p.BtNou, p.BtSupr, p.Btrst});
  return p.Btrst;
}

QWidget* GraphOrder(GraphPanel& p, QWidget* before) {
  Chain({before, p.EtZ, p.BtGrf});
  return p.BtGrf;
}

// Z1's row, then Z2's row: the calculate button stands at the end of the first.
QWidget* BinaryOrder(BinaryPanel& p, QWidget* before) {
  Chain({before, p.LstZ[0], p.IdZ1[0], p.IdZ1[1], p.OkOp2, p.BtG2, p.BtW2, p.LstZ[1], p.IdZ2[0], p.IdZ2[1], p.OpGrfs});
  return p.OpGrfs;
}

QWidget* PowerOrder(PowerPanel& p, QWidget* before) {
  Chain({before, p.LstZ, p.LstNp, p.OkPot, p.BtGP, p.IdZ[0], p.BtWP, p.IdZ[1], p.PZ[0], p.PZ[1]});
  return p.PZ[1];
}

QWidget* RootsOrder(RootsPanel& p, QWidget* before) {
  Chain({before, p.LstZ, p.LstNr, p.OkRel, p.BtGR, p.ZR[0], p.ZR[1], p.BtWR, p.LstRels[0], p.LstRels[1]});
  return p.LstRels[1];
}

// The keypad keys take no focus: the caret stays in the string.
QWidget* CombinedOrder(CombinedPanel& p, QWidget* before) {
  Chain({before, p.TxtOp, p.LstZ, p.OkCmb, p.IdRes[0], p.IdRes[1], p.BtGC, p.BtWC, p.BtHCmb});
  return p.BtHCmb;
}

}  // namespace

void SetReadingTabOrder(Form1& form) {
  QWidget* last = EntryOrder(*form.Entry);
  last = StoreOrder(*form.Stored, last);
  last = GraphOrder(*form.Graph, last);
  last = BinaryOrder(*form.Binary, last);
  last = PowerOrder(*form.Power, last);
  last = RootsOrder(*form.Roots, last);
  CombinedOrder(*form.Combined, last);
}
