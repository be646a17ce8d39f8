// SPDX-License-Identifier: MIT
#include "shell/roots_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>

#include "graphics/operation_graphs.h"
#include "platform/qtext.h"
#include "shell/graph_panel.h"
#include "shell/panel_widgets.h"
#include "shell/store_panel.h"
#include "text/complex_text.h"
#include "text/parse.h"

namespace {

// The root index as typed, a real expression: a whole number once rounded (halves to the even
// one), within the range of a 16-bit integer. False for anything else; error says why when the
// text is no expression at all.
bool ReadRootIndex(const QString& text, std::int16_t& n, ExprError& error) {
  double value = 0;
  if (!ParseReal(FromQ(text), value, &error)) return false;
  const double rounded = std::nearbyint(value);
  if (rounded < INT16_MIN || rounded > INT16_MAX) return false;
  n = static_cast<std::int16_t>(rounded);
  return true;
}

}  // namespace

RootsPanel::RootsPanel(StorePanel& store, GraphPanel& graph, Seams seams, QWidget* parent)
    : QGroupBox(QStringLiteral("n Root             "), parent), store_(store), graph_(graph), seams_(seams) {
  setObjectName(QStringLiteral("PRoot"));
  PlaceTwips(this, 3960, 330, 3720, 3360);
  Label(this, QStringLiteral("Z"), 150, 420, 210, 300);
  LstZ = Combo(this, Indexed("LstZ", 3), false, 360, 390, 720);
  Label(this, QStringLiteral("n ="), 1170, 420, 390, 300);
  LstNr = Combo(this, QStringLiteral("LstNr"), true, 1530, 390, 720);
  LstNr->setToolTip(QStringLiteral("Index: a whole number of at least 2"));
  OkRel = PictureButton(this, QStringLiteral("OkRel"), ButtonPicture::Calculate,
                        QStringLiteral("Calculate the n roots"), 2370, 360);
  BtGR = PictureButton(this, QStringLiteral("BtGR"), ButtonPicture::Exercise, QStringLiteral("Exercise of the roots"),
                       2940, 360);
  BtGR->setEnabled(false);
  Label(this, QStringLiteral("Z ="), 150, 960, 450, 300);
  ZR[0] = Box(this, Indexed("ZR", 0), 660, 930, 1380, true);
  ZR[1] = Box(this, Indexed("ZR", 1), 2100, 930, 1470, true);
  Label(this, QStringLiteral("cartesian"), 150, 1410, 1650, 270);
  Label(this, QStringLiteral("polar"), 1860, 1410, 1650, 270);
  for (int i = 0; i < 2; ++i) {
    LstRels[i] = Named(new QListWidget(this), Indexed("LstRels", i));
    LstRels[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  PlaceTwips(LstRels[0], 150, 1680, 1710, 1560);
  PlaceTwips(LstRels[1], 1860, 1680, 1710, 1560);
  for (int n = 2; n <= 9; ++n) LstNr->addItem(QString::number(n));
  LstNr->setCurrentIndex(0);

  connect(LstZ, &QComboBox::currentIndexChanged, this, [this] { ShowOperand(false); });
  connect(LstZ, &QComboBox::activated, this, [this] { ShowOperand(true); });
  connect(LstNr, &QComboBox::currentIndexChanged, this, &RootsPanel::LstNr_Click);
  connect(OkRel, &QToolButton::clicked, this, &RootsPanel::OkRel_Click);
  connect(BtGR, &QToolButton::clicked, this, &RootsPanel::ExerciseAsked);
  for (int i = 0; i < 2; ++i) {
    connect(LstRels[i], &QListWidget::currentRowChanged, this, [this, i] { LstRels_Click(i); });
    connect(LstRels[i]->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, i] { LstRels_Scroll(i); });
    connect(LstRels[i], &QListWidget::itemDoubleClicked, this, [this, i] { LstRels_DblClick(i); });
  }
}

void RootsPanel::ShowOperand(bool userPick) {
  if (userPick) RstRel();
  const Cplx z = store_.Selected(LstZ);
  for (int f = 0; f < 2; ++f) ZR[f]->setText(ToQ(CplxText(z, 2, static_cast<std::int16_t>(f))));
}

void RootsPanel::LstNr_Click() {
  LstRels[0]->clear();
  LstRels[1]->clear();
}

void RootsPanel::OkRel_Click() {
  const int a = LstZ->currentIndex();
  if (a < 0) return;
  ExprError error;
  const auto wrongIndex = [this, &error] {
    QString text = QStringLiteral("Only integers >= 2");
    if (!error.Cause.empty()) text += QStringLiteral("\n") + ToQ(error.Cause);
    seams_.Messages->Show(text, QStringLiteral("Wrong index"), MsgButtons::Ok, MsgIcon::Warning);
  };
  const Cplx radicand = store_.Store().At(a + 1);
  const QString typed = LstNr->currentText();
  if (typed.contains(QLatin1Char('.'))) return wrongIndex();
  std::int16_t n = 0;
  if (!ReadRootIndex(typed, n, error) || n < 2) return wrongIndex();
  try {
    Last = CalcRoots(radicand, n);
  } catch (const ArithmeticError&) {
    return wrongIndex();  // a radicand of modulus 0
  }

  LstRels[0]->clear();
  LstRels[1]->clear();
  for (int k = 0; k < Last.Index; ++k) {
    const Cplx root = Last.Root(k);
    LstRels[0]->addItem(ToQ(CartText(root, 2)));
    LstRels[1]->addItem(ToQ(PolarText(root, 2)));
  }
  DrawRootsGraph(graph_.surface(), Last.First, Last.Step, Last.Index);
  BtGR->setEnabled(true);
  emit Calculated();
  for (QListWidget* list : LstRels) list->setToolTip(QStringLiteral("Incorporar: doble click"));
  graph_.SetCaption(QStringLiteral("R") + QString::number(Last.Index) + QStringLiteral("(") +
                    ToQ(CartText(Last.Radicand, 2)) + QStringLiteral(")"));
}

// Both lists select and show the same rows.
void RootsPanel::LstRels_Click(int index) {
  if (index < 0 || index > 1) return;
  QListWidget* other = LstRels[1 - index];
  const int row = LstRels[index]->currentRow();
  if (other->currentRow() != row) other->setCurrentRow(row);
  LstRels_Scroll(index);
}

void RootsPanel::LstRels_Scroll(int index) {
  if (index < 0 || index > 1) return;
  QScrollBar* other = LstRels[1 - index]->verticalScrollBar();
  const int first = LstRels[index]->verticalScrollBar()->value();
  if (other->value() != first) other->setValue(first);
}

// The root is computed again at full precision; the texts are not read back.
void RootsPanel::LstRels_DblClick(int index) {
  if (index < 0 || index > 1) return;
  const int k = LstRels[index]->currentRow();
  if (k < 0 || k >= LstRels[index]->count()) return;
  store_.IncorporateCplx(Last.Root(k));
}

void RootsPanel::RstRel() {
  ZR[0]->clear();
  ZR[1]->clear();
  LstRels[0]->clear();
  LstRels[1]->clear();
  BtGR->setEnabled(false);
}
