// SPDX-License-Identifier: MIT
#include "shell/entry_panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>
#include <QToolButton>
#include <cmath>

#include "core/random.h"
#include "lang/language.h"
#include "platform/processes.h"
#include "platform/qtext.h"
#include "shell/fault_selection.h"
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

// The letter the entry goes under when stored: the open complex's, or the next free one.
QString EntryLetter(const StorePanel& store) {
  return ToQ(LetterOf(store.StoredComplexOpen() ? store.EditIndex : store.Store().Count() + 1));
}
}  // namespace

EntryPanel::EntryPanel(Seams seams, const Language& language, QWidget* parent)
    : QGroupBox(QStringLiteral(" Entry / edition of  Z"), parent),
      seams_(seams),
      language_(language) {
  MakePanel(this, "PEdN", PanelColors::Entry);
  setToolTip(QStringLiteral(" Enter cartesian or polar and press Intro"));

  EdN[0] = Box(this, Indexed("EdN", 0), false);
  EdN[0]->setToolTip(QStringLiteral("real,imaginary"));
  BtInc = PictureButton(this, QStringLiteral("BtInc"), ButtonPicture::Incorporate, QStringLiteral("Incorporate"), 26,
                        26);
  EdN[1] = Box(this, Indexed("EdN", 1), false);
  EdN[1]->setToolTip(QStringLiteral("modulus,argument\u00b0"));

  BtRnd = PictureButton(this, QStringLiteral("BtRnd"), ButtonPicture::Random, QStringLiteral("Random number"));
  LstN = Combo(this, QStringLiteral("LstN"), true, 50);
  LstN->setToolTip(QStringLiteral("How many random complexes"));
  IdX = Combo(this, QStringLiteral("IdX"), false, 50);
  for (int i = 1; i <= 9; ++i) {
    LstN->addItem(QString::number(i));
    IdX->addItem(QString::number(i));
  }
  BtHEntr = PictureButton(this, QStringLiteral("BtHEntr"), ButtonPicture::Help,
                          QStringLiteral("Help: entry and edition of complexes"));

  // The two boxes with their labels, the random row, the example with the help.
  QGridLayout* grid = PanelGrid(this);
  grid->addWidget(Label(this, QStringLiteral("a,b")), 0, 0);
  grid->addWidget(EdN[0], 0, 1);
  grid->addWidget(BtInc, 0, 2, Qt::AlignCenter);
  grid->addWidget(Label(this, QStringLiteral("r ,")), 1, 0);
  grid->addWidget(EdN[1], 1, 1);
  LstUnit = Combo(this, QStringLiteral("LstUnit"), false, 56);
  LstUnit->addItems({QStringLiteral("\u00b0"), QStringLiteral("rad")});
  LstUnit->setToolTip(QStringLiteral("Unit of the argument: degrees or radians"));
  grid->addWidget(LstUnit, 1, 2, Qt::AlignCenter);
  QHBoxLayout* random = Row();
  random->setSpacing(4);
  random->addWidget(BtRnd);
  random->addSpacing(4);
  random->addWidget(Label(this, QStringLiteral("n =")));
  random->addWidget(LstN);
  random->addSpacing(6);
  random->addWidget(Label(this, QStringLiteral("decimals ")));
  random->addWidget(IdX);
  random->addStretch(1);
  grid->addLayout(random, 2, 0, 1, 3);
  grid->setRowMinimumHeight(3, 2);
  grid->setRowStretch(3, 1);
  QHBoxLayout* example = Row();
  example_ = Hint(this, QStringLiteral("e.g.  3, 4   or   5 , 53.13"));
  example->addWidget(example_, 1);
  EtEdit = Label(this, QString(), QStringLiteral("EtEdit"));
  QPalette notice = EtEdit->palette();
  notice.setColor(QPalette::WindowText, QColor(0x8a, 0x4b, 0x00));
  EtEdit->setPalette(notice);
  QFont bold = EtEdit->font();
  bold.setBold(true);
  EtEdit->setFont(bold);
  EtEdit->setWordWrap(true);
  EtEdit->hide();
  example->addWidget(EtEdit, 1);
  example->addWidget(BtHEntr);
  grid->addLayout(example, 4, 0, 1, 3);
  grid->setColumnStretch(1, 1);

  // Two decimals at load, set before the handler listens.
  IdX->setCurrentIndex(1);
  Decimals = static_cast<std::int16_t>(IdX->currentText().toInt());
  LstN->setCurrentIndex(0);

  for (QLineEdit* box : EdN) box->installEventFilter(this);
  connect(BtInc, &QToolButton::clicked, this, &EntryPanel::BtInc_Click);
  connect(BtRnd, &QToolButton::clicked, this, &EntryPanel::BtRnd_Click);
  connect(IdX, &QComboBox::currentIndexChanged, this, &EntryPanel::IdX_Click);
  connect(BtHEntr, &QToolButton::clicked, this, &EntryPanel::BtHEntr_Click);
  connect(LstUnit, &QComboBox::currentIndexChanged, this, &EntryPanel::LstUnit_Click);
}

EntryPanel::~EntryPanel() = default;

void EntryPanel::Use(StorePanel& store, GraphPanel& graph) {
  store_ = &store;
  graph_ = &graph;
  // Esc leaves editing from the boxes and from the store's columns, where the complex was opened;
  // the keys stay free while nothing is open.
  escape_ = {new QShortcut(QKeySequence(Qt::Key_Escape), this), new QShortcut(QKeySequence(Qt::Key_Escape), &store)};
  for (QShortcut* escape : escape_) {
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    escape->setEnabled(false);
    connect(escape, &QShortcut::activated, this, &EntryPanel::LeaveEditing);
  }
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
      SyncCplx(entry, i == 0 ? SyncFrom::Cartesian : SyncFrom::Polar);
    } catch (const ArithmeticError&) {
      // A number such as 1e200 reads well, but its modulus is beyond the doubles: nothing changes.
      seams_.Messages->Show(QStringLiteral("The number is too large to be calculated."),
                            QStringLiteral("Not feasible"), MsgButtons::Ok, MsgIcon::Information);
      return;
    }
  }
  EntryCplx = entry;
  graph_->ShowInGraphPanel(EntryCplx, EntryLetter(*store_));
  store_->StoreEntry(EntryCplx);
  store_->AllowReset();
}

// The cartesian box also reads a+bi; of a text of several lines (a stored complex copied with its
// polar form under it) it reads the first. A text that does not read is refused with the reason
// and what to type, and the part at fault is selected.
bool EntryPanel::ReadEntryBox(int i, RealPair& pair) {
  std::string text = FromQ(EdN[i]->text());
  if (i == 0) text = text.substr(0, text.find_first_of("\r\n"));
  ExprError error;
  const bool read = i == 0 ? ReadCartEntry(text, pair, &error) : ReadPairEntry(text, pair, &error, Unit);
  if (!read) {
    seams_.Messages->Show(QStringLiteral("wrong expression\n") + ToQ(error.Cause), QStringLiteral("Zorbit"),
                          MsgButtons::Ok, MsgIcon::Warning);
    SelectFault(EdN[i], text, error);
  }
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
  const QString letter = EntryLetter(*store_);
  {
    const StorePanel::ChangeBatch oneChange(*store_);
    for (int k = 0; k < count; ++k) {
      EntryCplx = RandomCplx();
      store_->StoreEntry(EntryCplx);
    }
  }
  if (count == 1) graph_->ShowInGraphPanel(EntryCplx, letter);
  store_->AllowReset();
  EdN[0]->setFocus();
}

void EntryPanel::IdX_Click() {
  Decimals = static_cast<std::int16_t>(IdX->currentText().toInt());
  if (store_->StoredComplexOpen()) ShowInEntry(store_->Store().At(store_->EditIndex));
}

void EntryPanel::LstUnit_Click() {
  Unit = LstUnit->currentIndex() == 1 ? AngleUnit::Radians : AngleUnit::Degrees;
  EdN[1]->setToolTip(Unit == AngleUnit::Radians ? QStringLiteral("modulus,argument in radians")
                                                : QStringLiteral("modulus,argument\u00b0"));
  if (store_ != nullptr && store_->StoredComplexOpen()) ShowInEntry(store_->Store().At(store_->EditIndex));
  emit AngleUnitChanged(Unit);
}

void EntryPanel::ShowInEntry(const Cplx& z) {
  EdN[0]->setText(ToQ(PairText(z, Decimals)));
  EdN[1]->setText(ToQ(PolarText(z, Decimals, Unit)));
  graph_->ShowInGraphPanel(z, EntryLetter(*store_));
  if (!store_->StoredComplexOpen()) return;
  EtEdit->setText(QStringLiteral("Editing %1 \u2014 Esc to add a new one instead").arg(ToQ(LetterOf(store_->EditIndex))));
  example_->hide();
  EtEdit->show();
  for (QShortcut* escape : escape_) escape->setEnabled(true);
}

void EntryPanel::ClearEntry() {
  EdN[0]->clear();
  EdN[1]->clear();
  EdN[0]->setFocus();
  EtEdit->hide();
  example_->show();
  for (QShortcut* escape : escape_)
    if (escape != nullptr) escape->setEnabled(false);
}

void EntryPanel::LeaveEditing() {
  if (store_->EditIndex != 0) store_->CloseEntry();
}

void EntryPanel::BtHEntr_Click() {
  const QString topic = QStringLiteral("Entry/Edition generation of complexes,Entry,") + QString::number(language_.Index());
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
