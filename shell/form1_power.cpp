// SPDX-License-Identifier: MIT
// The power and root panels.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>

#include "core/power_root.h"
#include "graphics/operation_graphs.h"
#include "platform/picture_box.h"
#include "platform/qtext.h"
#include "shell/form1.h"
#include "text/complex_text.h"
#include "text/parse.h"

namespace {

const QString IncorporateHint = QStringLiteral("dbl click: incorpora");

// A real exponent as a plain number: 2, 0.5, 0.333333333333333.
QString PlainNumber(double v) { return QLocale::c().toString(v, 'g', 15); }

// Why a power could not be calculated, in the user's terms.
QString PowerFailureReason(const Cplx& base, double n) {
  if (base.Mod == 0 && n < 0) return QStringLiteral("0 has no power with a negative exponent.");
  return QStringLiteral("The result is too large to be calculated.");
}

// The root index as typed: a whole number once rounded (halves to the even one), within the range
// of a 16-bit integer. False for anything else.
bool ReadRootIndex(const QString& text, std::int16_t& n) {
  QString t = text.trimmed();
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(value)) return false;
  const double rounded = std::nearbyint(value);
  if (rounded < INT16_MIN || rounded > INT16_MAX) return false;
  n = static_cast<std::int16_t>(rounded);
  return true;
}

}  // namespace

// ---- power

void Form1::LstZ_ClickPower(const Cplx& z, bool userPick) {
  // A Z picked by hand starts the panel afresh; the program's selections keep the results.
  if (userPick) RstPot();
  for (int f = 0; f < 2; ++f) IdZ[f]->setText(ToQ(CplxText(z, 2, static_cast<std::int16_t>(f))));
}

void Form1::LstNp_Click() {
  PZ[0]->clear();
  PZ[1]->clear();
}

void Form1::OkPot_Click() {
  const int a = LstZ[2]->currentIndex();
  if (a < 0) return;
  const Cplx base = Store.At(a + 1);
  double exponent = 0;
  if (!ParseReal(FromQ(LstNp->currentText()), exponent)) return;
  try {
    Last.Power = CalcPower(base, exponent);
  } catch (const ArithmeticError&) {
    // The panel is left without a result: nothing shown, nothing to keep, no exercise to write.
    PZ[0]->clear();
    PZ[1]->clear();
    BtGP->setEnabled(false);
    seams_.Messages->Show(QStringLiteral("Z^n cannot be calculated. ") + PowerFailureReason(base, exponent),
                          QStringLiteral("Not feasible"), MsgButtons::Ok, MsgIcon::Information);
    return;
  }
  const PowerCalc& power = Last.Power;
  for (int f = 0; f < 2; ++f) {
    PZ[f]->setText(ToQ(CplxText(power.Result, 2, static_cast<std::int16_t>(f))));
    PZ[f]->setToolTip(QStringLiteral("Incorporar: doble click"));
  }
  BtGP->setEnabled(true);
  OpG[1]->setEnabled(true);
  ShowInGraphPanel(power.Result);
  EtZ->setText(QStringLiteral("(") + ToQ(CartText(power.Base, 2)) + QStringLiteral(")^") + PlainNumber(power.Exponent));
}

// The hint grows with the text it belongs to: an empty box has none.
void Form1::PZ_Change() {
  for (QLineEdit* box : PZ) box->setToolTip(IncorporateHint.left(box->text().size()));
}

void Form1::PZ_DblClick(int index) {
  if (index < 0 || index > 1 || PZ[index]->text().isEmpty()) return;
  IncorporateCplx(Last.Power.Result);
}

void Form1::RstPot() {
  IdZ[0]->clear();
  IdZ[1]->clear();
  PZ[0]->clear();
  PZ[1]->clear();
  BtGP->setEnabled(false);
}

// ---- roots

void Form1::LstZ_ClickRoot(const Cplx& z, bool userPick) {
  if (userPick) RstRel();
  for (int f = 0; f < 2; ++f) ZR[f]->setText(ToQ(CplxText(z, 2, static_cast<std::int16_t>(f))));
}

void Form1::LstNr_Click() {
  LstRels[0]->clear();
  LstRels[1]->clear();
}

void Form1::OkRel_Click() {
  const int a = LstZ[3]->currentIndex();
  if (a < 0) return;
  const auto wrongIndex = [this] {
    seams_.Messages->Show(QStringLiteral("Only integers >= 2"), QStringLiteral("Wrong index"), MsgButtons::Ok,
                          MsgIcon::Warning);
  };
  const Cplx radicand = Store.At(a + 1);
  const QString typed = LstNr->currentText();
  if (typed.contains(QLatin1Char('.'))) return wrongIndex();
  std::int16_t n = 0;
  if (!ReadRootIndex(typed, n)) return wrongIndex();
  if (n < 2) return wrongIndex();
  try {
    Last.Roots = CalcRoots(radicand, n);
  } catch (const ArithmeticError&) {
    return wrongIndex();  // a radicand of modulus 0
  }
  const RootsCalc& roots = Last.Roots;

  LstRels[0]->clear();
  LstRels[1]->clear();
  for (int k = 0; k < roots.Index; ++k) {
    const Cplx root = roots.Root(k);
    LstRels[0]->addItem(ToQ(CartText(root, 2)));
    LstRels[1]->addItem(ToQ(PolarText(root, 2)));
  }
  DrawRootsGraph(PBox0->surface(), roots.First, roots.Step, roots.Index);
  BtGR->setEnabled(true);
  OpG[2]->setEnabled(true);
  for (QListWidget* list : LstRels) list->setToolTip(QStringLiteral("Incorporar: doble click"));
  EtZ->setText(QStringLiteral("R") + QString::number(roots.Index) + QStringLiteral("(") +
               ToQ(CartText(roots.Radicand, 2)) + QStringLiteral(")"));
}

// Both lists select and show the same rows.
void Form1::LstRels_Click(int index) {
  if (index < 0 || index > 1) return;
  QListWidget* other = LstRels[1 - index];
  const int row = LstRels[index]->currentRow();
  if (other->currentRow() != row) other->setCurrentRow(row);
  LstRels_Scroll(index);
}

void Form1::LstRels_Scroll(int index) {
  if (index < 0 || index > 1) return;
  QScrollBar* other = LstRels[1 - index]->verticalScrollBar();
  const int first = LstRels[index]->verticalScrollBar()->value();
  if (other->value() != first) other->setValue(first);
}

// The root is computed again at full precision; the texts are not read back.
void Form1::LstRels_DblClick(int index) {
  if (index < 0 || index > 1) return;
  const int k = LstRels[index]->currentRow();
  if (k < 0 || k >= LstRels[index]->count()) return;
  IncorporateCplx(Last.Roots.Root(k));
}

void Form1::RstRel() {
  ZR[0]->clear();
  ZR[1]->clear();
  LstRels[0]->clear();
  LstRels[1]->clear();
  BtGR->setEnabled(false);
}
