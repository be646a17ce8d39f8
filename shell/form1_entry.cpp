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
#include "shell/lang/language.h"
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
  if (i == 0) {
    EntryCplx.Re = pair.First;
    EntryCplx.Im = pair.Second;
  } else {
    EntryCplx.Mod = pair.First;
    EntryCplx.Arg = pair.Second;
  }
  SyncCplx(EntryCplx, static_cast<std::int16_t>(i));
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
  if (StoredComplexOpen()) ShowInEntry(Store.StoreSlots[EditIndex]);
}

void Form1::BtHEntr_Click() {
  const QString topic = QStringLiteral("Entry/Edition generation of complexes,Entry,") + QString::number(LangIndex());
  if (!seams_.Processes->Start(CompanionCommand(QStringLiteral("Mirva"), topic), WindowStyle::NormalFocus))
    ShowEntryHelpInstead();
}

void Form1::ShowEntryHelpInstead() {
  seams_.Messages->Show(
      QStringLiteral("The help viewer Mirva could not be started. In short:\n\n"
                     "Cartesian box (a,b): the real part, a comma, the imaginary part.\n"
                     "    3, 4  gives 3+4i;   -1.5, 0.5  gives -1.5+0.5i\n"
                     "Polar box (r , \u03c6\u00b0): the modulus, a comma, the argument in degrees.\n"
                     "    2 , 90  gives 0+2i;   5 , 53.13  gives about 3+4i\n"
                     "Numbers may be small expressions such as pi/4 or 2*3.\n\n"
                     "Press Enter to store the complex under the next letter. Click a row of the list to "
                     "edit it and press Enter to replace it; \"-\" or the Delete key removes it, \"+\" "
                     "starts a new one. The die draws n random complexes; \"decimals\" sets the digits of "
                     "the two boxes."),
      QStringLiteral("Entry / edition of complexes"), MsgButtons::Ok, MsgIcon::Information);
}
