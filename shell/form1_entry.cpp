// SPDX-License-Identifier: MIT
// The entry panel: typed complexes, random complexes, decimals and the help on entry.
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

#include "core/random.h"
#include "platform/qtext.h"
#include "shell/form1.h"
#include "shell/help_window.h"
#include "lang/language.h"
#include "text/notice.h"
#include "text/parse.h"

namespace {

// The count of random complexes: a number, rounded to the nearest whole one with halves to the
// even one. ok is false for a text that is not a number at all.
double ReadCount(const QString& text, bool& ok) {
  QString t = text.trimmed();
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  const double value = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(value)) {
    ok = false;
    return 0;
  }
  return std::nearbyint(value);
}

}  // namespace

void Form1::EdN_KeyDown(int i, int keyCode, Qt::KeyboardModifiers) {
  if (keyCode != Qt::Key_Return) return;
  RealPair pair;
  if (!ParsePairEntry(FromQ(EdN[i]->text()), pair, *notice_)) return;
  // A new complex that would be the 27th is refused before anything changes.
  if (!StoredComplexOpen() && RefuseWhenFull(1)) return;
  Cplx entry = EntryCplx;
  if (i == 0) {
    entry.Re = pair.First;
    entry.Im = pair.Second;
  } else {
    entry.Mod = pair.First;
    entry.Arg = pair.Second;
  }
  try {
    SyncCplx(entry, static_cast<std::int16_t>(i));
  } catch (const ArithmeticError&) {
    // A number such as 1e200 reads well, but its modulus is beyond the doubles: nothing changes.
    seams_.Messages->Show(QStringLiteral("The number is too large to be calculated."), QStringLiteral("Not feasible"),
                          MsgButtons::Ok, MsgIcon::Information);
    return;
  }
  EntryCplx = entry;
  ShowInGraphPanel(EntryCplx);
  StoreEntry(EntryCplx);
  Btrst->setEnabled(true);
}

void Form1::BtInc_Click() { EdN_KeyDown(0, Qt::Key_Return, Qt::NoModifier); }

void Form1::BtRnd_Click() {
  bool ok = false;
  const double n = ReadCount(LstN->currentText(), ok);
  if (!ok) {
    seams_.Messages->Show(QStringLiteral("Type how many random complexes to draw: a whole number from 1 to 26."),
                          QStringLiteral("Not a number"), MsgButtons::Ok, MsgIcon::Information);
    return;
  }
  if (n > StoreCapacity) {
    seams_.Messages->Show(QStringLiteral("No more than 26 complexes"), QStringLiteral("Not feasible"), MsgButtons::Ok,
                          MsgIcon::Information);
    return;
  }
  const int count = n < 0 ? 0 : static_cast<int>(n);
  // The first one replaces an open complex; the others are new letters, which must all fit.
  if (RefuseWhenFull(count - (StoredComplexOpen() ? 1 : 0))) return;
  for (int k = 0; k < count; ++k) {
    EntryCplx = RandomCplx();
    StoreEntry(EntryCplx);
  }
  if (count == 1) ShowInGraphPanel(EntryCplx);
  Btrst->setEnabled(true);
  EdN[0]->setFocus();
}

void Form1::IdX_Click() {
  Decimals = static_cast<std::int16_t>(IdX->currentText().toInt());
  if (StoredComplexOpen()) ShowInEntry(Store.At(EditIndex));
}

void Form1::BtHEntr_Click() {
  const QString topic = QStringLiteral("Entry/Edition generation of complexes,Entry,") + QString::number(LangIndex());
  if (!seams_.Processes->Start(CompanionCommand(QStringLiteral("Mirva"), topic), WindowStyle::NormalFocus))
    ShowEntryHelpInstead();
}

// Without the help viewer the program's own help window opens on the same topic.
void Form1::ShowEntryHelpInstead() {
  if (entryHelp_ == nullptr) entryHelp_ = new HelpWindow(HelpTopic::Entry, this);
  entryHelp_->show();
  entryHelp_->raise();
  entryHelp_->activateWindow();
}
