// SPDX-License-Identifier: MIT
#include "shell/entry_panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <cmath>

#include "core/random.h"
#include "lang/language.h"
#include "platform/processes.h"
#include "platform/qtext.h"
#include "shell/graph_panel.h"
#include "shell/help_window.h"
#include "shell/panel_widgets.h"
#include "shell/store_panel.h"
#include "text/complex_text.h"
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

EntryPanel::EntryPanel(Seams seams, QWidget* parent)
    : QGroupBox(QStringLiteral(" Entry / edition of  Z"), parent),
      seams_(seams) {
  MakePanel(this, "PEdN", PanelColors::Entry, 90, 90, 3900, 2370);
  setToolTip(QStringLiteral(" Enter cartesian or polar and press Intro"));

  Label(this, QStringLiteral("a,b"), 150, 390, 450, 300);
  EdN[0] = Box(this, Indexed("EdN", 0), 630, 360, 2790, false);
  EdN[0]->setToolTip(QStringLiteral("real,imaginary"));
  BtInc = PictureButton(this, QStringLiteral("BtInc"), ButtonPicture::Incorporate, QStringLiteral("Incorporate"), 3450,
                        330, 390, 390);

  Label(this, QStringLiteral("r ,"), 150, 840, 450, 300);
  EdN[1] = Box(this, Indexed("EdN", 1), 630, 810, 2790, false);
  EdN[1]->setToolTip(QStringLiteral("modulus,argument\u00b0"));
  Label(this, QStringLiteral("\u03c6\u00b0"), 3480, 840, 360, 300);

  BtRnd = PictureButton(this, QStringLiteral("BtRnd"), ButtonPicture::Random, QStringLiteral("Random number"), 150,
                        1320);
  Label(this, QStringLiteral("n ="), 720, 1365, 390, 300);
  LstN = Combo(this, QStringLiteral("LstN"), true, 1110, 1350, 780);
  LstN->setToolTip(QStringLiteral("How many random complexes"));
  Label(this, QStringLiteral("decimals "), 2070, 1365, 900, 300);
  IdX = Combo(this, QStringLiteral("IdX"), false, 2940, 1350, 780);
  for (int i = 1; i <= 9; ++i) {
    LstN->addItem(QString::number(i));
    IdX->addItem(QString::number(i));
  }

  Hint(this, QStringLiteral("e.g.  3, 4   or   5 , 53.13"), 150, 1890, 3000, 330);
  BtHEntr = PictureButton(this, QStringLiteral("BtHEntr"), ButtonPicture::Help,
                          QStringLiteral("Help: entry and edition of complexes"), 3360, 1830);

  // Two decimals at load, set before the handler listens.
  IdX->setCurrentIndex(1);
  Decimals = static_cast<std::int16_t>(IdX->currentText().toInt());
  LstN->setCurrentIndex(0);

  for (QLineEdit* box : EdN) box->installEventFilter(this);
  connect(BtInc, &QToolButton::clicked, this, &EntryPanel::BtInc_Click);
  connect(BtRnd, &QToolButton::clicked, this, &EntryPanel::BtRnd_Click);
  connect(IdX, &QComboBox::currentIndexChanged, this, &EntryPanel::IdX_Click);
  connect(BtHEntr, &QToolButton::clicked, this, &EntryPanel::BtHEntr_Click);
}

EntryPanel::~EntryPanel() = default;

void EntryPanel::Use(StorePanel& store, GraphPanel& graph) {
  store_ = &store;
  graph_ = &graph;
}

bool EntryPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Enter arrives as Return from the main keyboard and as Enter from the keypad; both are 13.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      for (int i = 0; i < 2; ++i) {
        if (watched == EdN[i]) {
          EdN_KeyDown(i, Qt::Key_Return, static_cast<QKeyEvent*>(event)->modifiers());
          return true;
        }
      }
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

void EntryPanel::EdN_KeyDown(int i, int keyCode, Qt::KeyboardModifiers) {
  if (keyCode != Qt::Key_Return) return;
  Cplx entry = EntryCplx;
  // The text the program wrote for the open complex stands for the stored value itself: Enter
  // without an edit keeps it at full precision, not at the rounded digits on show.
  if (store_->StoredComplexOpen() && !EdN[i]->isModified()) {
    entry = store_->Store().At(store_->EditIndex);
  } else {
    RealPair pair;
    if (!ReadEntryBox(i, pair)) return;
    // A new complex that would be the 27th is refused before anything changes.
    if (!store_->StoredComplexOpen() && store_->RefuseWhenFull(1)) return;
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
      seams_.Messages->Show(QStringLiteral("The number is too large to be calculated."),
                            QStringLiteral("Not feasible"), MsgButtons::Ok, MsgIcon::Information);
      return;
    }
  }
  EntryCplx = entry;
  graph_->ShowInGraphPanel(EntryCplx);
  store_->StoreEntry(EntryCplx);
  store_->AllowReset();
}

// The cartesian box also reads a+bi; of a text of several lines (a stored complex copied with its
// polar form under it) it reads the first. A text that does not read is refused with the reason.
bool EntryPanel::ReadEntryBox(int i, RealPair& pair) {
  std::string text = FromQ(EdN[i]->text());
  if (i == 0) text = text.substr(0, text.find_first_of("\r\n"));
  ExprError error;
  const bool read = i == 0 ? ReadCartEntry(text, pair, &error) : ReadPairEntry(text, pair, &error);
  if (!read)
    seams_.Messages->Show(QStringLiteral("wrong expression\n") + ToQ(error.Cause), QStringLiteral("Zorbit"),
                          MsgButtons::Ok, MsgIcon::Warning);
  return read;
}

void EntryPanel::BtInc_Click() { EdN_KeyDown(0, Qt::Key_Return, Qt::NoModifier); }

void EntryPanel::BtRnd_Click() {
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
  if (store_->RefuseWhenFull(count - (store_->StoredComplexOpen() ? 1 : 0))) return;
  {
    const StorePanel::ChangeBatch oneChange(*store_);
    for (int k = 0; k < count; ++k) {
      EntryCplx = RandomCplx();
      store_->StoreEntry(EntryCplx);
    }
  }
  if (count == 1) graph_->ShowInGraphPanel(EntryCplx);
  store_->AllowReset();
  EdN[0]->setFocus();
}

void EntryPanel::IdX_Click() {
  Decimals = static_cast<std::int16_t>(IdX->currentText().toInt());
  if (store_->StoredComplexOpen()) ShowInEntry(store_->Store().At(store_->EditIndex));
}

void EntryPanel::ShowInEntry(const Cplx& z) {
  EdN[0]->setText(ToQ(PairText(z, Decimals)));
  EdN[1]->setText(ToQ(PolarText(z, Decimals)));
  graph_->ShowInGraphPanel(z);
}

void EntryPanel::ClearEntry() {
  EdN[0]->clear();
  EdN[1]->clear();
  EdN[0]->setFocus();
}

void EntryPanel::BtHEntr_Click() {
  const QString topic = QStringLiteral("Entry/Edition generation of complexes,Entry,") + QString::number(LangIndex());
  if (!seams_.Processes->Start(CompanionCommand(QStringLiteral("Mirva"), topic), WindowStyle::NormalFocus))
    ShowEntryHelpInstead();
}

// Without the help viewer the program's own help window opens on the same topic.
void EntryPanel::ShowEntryHelpInstead() {
  if (entryHelp_ == nullptr) entryHelp_ = new HelpWindow(HelpTopic::Entry, window());
  entryHelp_->show();
  entryHelp_->raise();
  entryHelp_->activateWindow();
}
