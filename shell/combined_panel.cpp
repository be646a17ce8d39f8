// SPDX-License-Identifier: MIT
#include "shell/combined_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "calc/eval_combined.h"
#include "lang/language.h"
#include "platform/processes.h"
#include "platform/qtext.h"
#include "platform/twips.h"
#include "shell/fault_selection.h"
#include "shell/help_window.h"
#include "shell/panel_widgets.h"
#include "shell/store_panel.h"
#include "shell/working_button.h"
#include "text/complex_text.h"

CombinedPanel::CombinedPanel(StorePanel& store, Seams seams, const Language& language, QWidget* parent)
    : QGroupBox(QStringLiteral("Combined operations  a,b,..."), parent),
      store_(store),
      seams_(seams),
      language_(language) {
  MakePanel(this, "PComb", PanelColors::Combined);
  TxtOp = Box(this, QStringLiteral("TxtOp"), false);

  static const char* const captions[20] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                           ".", "E", "+", "-", "*", "/", "^", "'", "(", ")"};
  for (int i = 0; i < 20; ++i) {
    BtN[i] = Named(new FixedSize<QPushButton>(QString::fromLatin1(captions[i]), this), Indexed("BtN", i));
    BtN[i]->setFocusPolicy(Qt::NoFocus);  // the caret of the string stays where it was
    BtN[i]->setFixedSize(RowHeight, RowHeight);
  }
  BtN[10]->setToolTip(QStringLiteral("decimal point"));
  BtN[11]->setToolTip(QStringLiteral("10 raised to"));
  BtN[16]->setToolTip(QStringLiteral("power"));
  BtN[17]->setToolTip(QStringLiteral("conjugated"));

  LstZ = Combo(this, Indexed("LstZ", 4), false, 46);
  LstZ->setToolTip(QStringLiteral("Insert a letter"));
  OkCmb = Named(new FixedSize<QPushButton>(QStringLiteral("="), this), QStringLiteral("OkCmb"));
  OkCmb->setToolTip(QStringLiteral("Evaluate"));
  QFont big = OkCmb->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  OkCmb->setFont(big);
  OkCmb->setFixedSize(42, 52);

  IdRes[0] = Box(this, Indexed("IdRes", 0), true);
  IdRes[1] = Box(this, Indexed("IdRes", 1), true);
  BtGC = PictureButton(this, QStringLiteral("BtGC"), ButtonPicture::Exercise,
                       QStringLiteral("Exercise of the combined operation"));
  BtGC->setEnabled(false);
  BtWC = WorkingButton(this, QStringLiteral("BtWC"), BtGC);
  BtHCmb = PictureButton(this, QStringLiteral("BtHCmb"), ButtonPicture::Help,
                         QStringLiteral("Help: combined operations"));

  QGridLayout* grid = PanelGrid(this);
  grid->setContentsMargins(8, 2, 10, 8);
  grid->setVerticalSpacing(4);
  // The operators: two rows of keys left of the string, the lower one level with the digits.
  auto* operators = new QGridLayout;
  operators->setContentsMargins(0, 0, 0, 0);
  operators->setHorizontalSpacing(0);
  operators->setVerticalSpacing(4);
  for (int j = 0; j < 4; ++j) {
    operators->addWidget(BtN[12 + j], 0, j);
    operators->addWidget(BtN[16 + j], 1, j);
  }
  grid->addLayout(operators, 1, 0, 2, 1, Qt::AlignTop);
  grid->setColumnMinimumWidth(0, 4 * RowHeight + 6);
  grid->addWidget(Label(this, QStringLiteral("String of operations")), 0, 1);
  grid->addWidget(TxtOp, 1, 1);
  // Keys 0 to 9, "." and "E" side by side under the string, 40 twips in from its left edge.
  QHBoxLayout* digits = Row();
  digits->setSpacing(0);
  digits->setContentsMargins(TwipsToPixelsRounded(40), 0, 0, 0);
  for (int j = 0; j < 12; ++j) digits->addWidget(BtN[j]);
  digits->addStretch(1);
  grid->addLayout(digits, 2, 1);
  grid->addWidget(LstZ, 1, 2, Qt::AlignTop);
  grid->addWidget(OkCmb, 1, 3, 2, 1, Qt::AlignTop);
  grid->setColumnStretch(1, 1);
  grid->setRowMinimumHeight(3, 4);
  QHBoxLayout* results = Row();
  results->addWidget(Label(this, QStringLiteral("cartesian")));
  results->addWidget(IdRes[0], 140);
  results->addSpacing(4);
  results->addWidget(Label(this, QStringLiteral("polar")));
  results->addWidget(IdRes[1], 152);
  results->addSpacing(2);
  results->addWidget(BtGC);
  results->addWidget(BtWC);
  results->addStretch(28);
  results->addWidget(BtHCmb);
  grid->addLayout(results, 4, 0, 1, 4);
  grid->setRowStretch(5, 1);

  for (int i = 0; i < 20; ++i) connect(BtN[i], &QPushButton::clicked, this, [this, i] { BtN_Click(i); });
  // Only a letter the user picks goes into the string; the store's own re-selections do not.
  connect(LstZ, &QComboBox::activated, this, &CombinedPanel::LstZ_Click);
  connect(TxtOp, &QLineEdit::textChanged, this, &CombinedPanel::TxtOp_Change);
  TxtOp->installEventFilter(this);
  connect(OkCmb, &QPushButton::clicked, this, &CombinedPanel::OkCmb_Click);
  for (QLineEdit* box : IdRes) {
    connect(box, &QLineEdit::textChanged, this, &CombinedPanel::IdRes_Change);
    box->installEventFilter(this);
  }
  connect(BtGC, &QToolButton::clicked, this, &CombinedPanel::ExerciseAsked);
  connect(BtHCmb, &QToolButton::clicked, this, &CombinedPanel::BtHCmb_Click);
}

bool CombinedPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TxtOp && event->type() == QEvent::FocusOut) {
    left_ = {TxtOp->text(), TxtOp->selectionStart(), static_cast<int>(TxtOp->selectedText().size()),
             TxtOp->cursorPosition()};
  } else if (watched == TxtOp && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      TxtOp_KeyDown(Qt::Key_Return, key->modifiers());
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    for (int i = 0; i < 2; ++i)
      if (watched == IdRes[i]) IdRes_DblClick(i);
    if (watched == TxtOp) {
      // Let the box select the word under the pointer first; the letter then replaces it.
      TxtOp->event(event);
      TxtOp_DblClick();
      return true;
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

// A key's caption replaces the selection of the string, or goes in at its caret, as they were
// when the focus left the string for the key.
void CombinedPanel::BtN_Click(int index) {
  if (index < 0 || index >= static_cast<int>(BtN.size())) return;
  InsertWhereLeft(BtN[index]->text());
}

// A shown value always belongs to the string shown.
void CombinedPanel::TxtOp_Change() {
  IdRes[0]->clear();
  IdRes[1]->clear();
  BtGC->setEnabled(false);
}

void CombinedPanel::TxtOp_KeyDown(int keyCode, Qt::KeyboardModifiers) {
  if (keyCode == Qt::Key_Return) OkCmb_Click();
}

// The letter the user picked replaces the text that was selected in the string when the focus
// went to the selector, or goes in at the caret. A string changed since then keeps its caret.
void CombinedPanel::LstZ_Click() {
  if (LstZ->currentIndex() < 0) return;
  InsertWhereLeft(LstZ->currentText());
}

void CombinedPanel::InsertWhereLeft(const QString& text) {
  if (!TxtOp->hasFocus() && TxtOp->text() == left_.Text) {
    if (left_.Length > 0)
      TxtOp->setSelection(left_.Start, left_.Length);
    else
      TxtOp->setCursorPosition(left_.Caret);
  }
  TxtOp->insert(text);
  left_ = {TxtOp->text(), -1, 0, TxtOp->cursorPosition()};
}

void CombinedPanel::TxtOp_DblClick() {
  if (LstZ->currentIndex() >= 0) TxtOp->insert(LstZ->currentText());
}

void CombinedPanel::OkCmb_Click() {
  const QString text = TxtOp->text();
  if (text.isEmpty()) return;
  // The calculation is kept only when the evaluation succeeds, so the last one stays the value
  // on show even if the store has changed since and a new attempt fails.
  Cplx value;
  ExprError error;
  const std::string typed = FromQ(text);
  if (!EvalCombined(typed, store_.Store(), value, &error)) {
    seams_.Messages->Show(QStringLiteral("Wrong string\n") + ToQ(error.Cause), QStringLiteral("Error"), MsgButtons::Ok,
                          MsgIcon::Warning);
    SelectFault(TxtOp, typed, error);
    return;
  }
  Last = {FromQ(text), value, store_.Store()};
  IdRes[0]->setText(ToQ(CartText(value, 2)));
  IdRes[1]->setText(ToQ(PolarText(value, 2, unit_)));
  BtGC->setEnabled(true);
  emit Calculated();
  emit Evaluated(value, text);
}

void CombinedPanel::IdRes_Change() {
  static const QString hint = QStringLiteral("dbl click: incorpora");
  for (QLineEdit* box : IdRes) box->setToolTip(hint.left(box->text().size()));
}

void CombinedPanel::IdRes_DblClick(int index) {
  if (index < 0 || index > 1 || IdRes[index]->text().isEmpty()) return;
  store_.IncorporateCplx(Last.Result);
}

void CombinedPanel::BtHCmb_Click() {
  const QString topic = QStringLiteral("Combined operations,OpsCmb,") + QString::number(language_.Index());
  if (!seams_.Processes->Start(CompanionCommand(QStringLiteral("Mirva"), topic), WindowStyle::NormalFocus))
    ShowCombinedHelpInstead();
}

// Without the help viewer the program's own help window opens on the same topic.
void CombinedPanel::ShowCombinedHelpInstead() {
  if (combinedHelp_ == nullptr) combinedHelp_ = new HelpWindow(HelpTopic::CombinedOperations, window());
  combinedHelp_->show();
  combinedHelp_->raise();
  combinedHelp_->activateWindow();
}

void CombinedPanel::SetAngleUnit(AngleUnit unit) {
  unit_ = unit;
  if (!IdRes[1]->text().isEmpty()) IdRes[1]->setText(ToQ(PolarText(Last.Result, 2, unit_)));
}

void CombinedPanel::RstCmb() {
  TxtOp->clear();
  IdRes[0]->clear();
  IdRes[1]->clear();
  BtGC->setEnabled(false);
}
