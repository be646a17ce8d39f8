// SPDX-License-Identifier: MIT
// The combined operations panel and its keypad.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "calc/eval_combined.h"
#include "platform/processes.h"
#include "platform/qtext.h"
#include "shell/form1.h"
#include "shell/help_window.h"
#include "lang/language.h"
#include "text/complex_text.h"

// A key's caption replaces the selection of the string, or goes in at its caret.
void Form1::BtN_Click(int index) {
  if (index < 0 || index >= static_cast<int>(BtN.size())) return;
  TxtOp->insert(BtN[index]->text());
}

// Only a letter the user picks goes into the string; the store's own re-selections do not.
void Form1::LstZ_ClickCombined(bool userPick) {
  if (userPick && LstZ[4]->currentIndex() >= 0) TxtOp->insert(LstZ[4]->currentText());
}

// A shown value always belongs to the string shown.
void Form1::TxtOp_Change() {
  IdRes[0]->clear();
  IdRes[1]->clear();
  BtGC->setEnabled(false);
}

void Form1::TxtOp_KeyDown(int keyCode, Qt::KeyboardModifiers) {
  if (keyCode == Qt::Key_Return) OkCmb_Click();
}

void Form1::TxtOp_DblClick() {
  if (LstZ[4]->currentIndex() >= 0) TxtOp->insert(LstZ[4]->currentText());
}

void Form1::OkCmb_Click() {
  const QString text = TxtOp->text();
  if (text.isEmpty()) return;
  // The calculation is kept only when the evaluation succeeds, so the last one stays the value
  // on show even if the store has changed since and a new attempt fails.
  Cplx value;
  if (!EvalCombined(FromQ(text), Store, value)) {
    seams_.Messages->Show(QStringLiteral("Wrong string"), QStringLiteral("Error"), MsgButtons::Ok,
                          MsgIcon::Warning);
    return;
  }
  Last.Combined = {FromQ(text), value, Store};
  IdRes[0]->setText(ToQ(CartText(value, 2)));
  IdRes[1]->setText(ToQ(PolarText(value, 2)));
  BtGC->setEnabled(true);
  OpG[3]->setEnabled(true);
}

void Form1::IdRes_Change() {
  static const QString hint = QStringLiteral("dbl click: incorpora");
  for (QLineEdit* box : IdRes) box->setToolTip(hint.left(box->text().size()));
}

void Form1::IdRes_DblClick(int index) {
  if (index < 0 || index > 1 || IdRes[index]->text().isEmpty()) return;
  IncorporateCplx(Last.Combined.Result);
}

void Form1::BtHCmb_Click() {
  const QString topic = QStringLiteral("Combined operations,OpsCmb,") + QString::number(LangIndex());
  if (!seams_.Processes->Start(CompanionCommand(QStringLiteral("Mirva"), topic), WindowStyle::NormalFocus))
    ShowCombinedHelpInstead();
}

// Without the help viewer the program's own help window opens on the same topic.
void Form1::ShowCombinedHelpInstead() {
  if (combinedHelp_ == nullptr) combinedHelp_ = new HelpWindow(HelpTopic::CombinedOperations, this);
  combinedHelp_->show();
  combinedHelp_->raise();
  combinedHelp_->activateWindow();
}

void Form1::RstCmb() {
  TxtOp->clear();
  IdRes[0]->clear();
  IdRes[1]->clear();
  BtGC->setEnabled(false);
}
