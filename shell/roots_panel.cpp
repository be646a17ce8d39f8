// SPDX-License-Identifier: MIT
#include "shell/roots_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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
#include "shell/working_button.h"
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
  MakeInnerPanel(this);
  LstZ = Combo(this, Indexed("LstZ", 3), false, 48);
  LstNr = Combo(this, QStringLiteral("LstNr"), true, 48);
  LstNr->setToolTip(QStringLiteral("Index: a whole number of at least 2"));
  OkRel = PictureButton(this, QStringLiteral("OkRel"), ButtonPicture::Calculate,
                        QStringLiteral("Calculate the n roots"));
  BtGR = PictureButton(this, QStringLiteral("BtGR"), ButtonPicture::Exercise, QStringLiteral("Exercise of the roots"));
  BtGR->setEnabled(false);
  BtWR = WorkingButton(this, QStringLiteral("BtWR"), BtGR);
  ZR[0] = Box(this, Indexed("ZR", 0), true);
  ZR[1] = Box(this, Indexed("ZR", 1), true);
  for (int i = 0; i < 2; ++i) {
    LstRels[i] = Named(new QListWidget(this), Indexed("LstRels", i));
    LstRels[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LstRels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    LstRels[i]->setMinimumSize(80, 60);
  }

  // The selectors and buttons, Z in both forms, the roots in two columns under their captions.
  QGridLayout* grid = PanelGrid(this);
  grid->setHorizontalSpacing(0);
  QHBoxLayout* top = Row();
  top->addWidget(Label(this, QStringLiteral("Z")));
  top->addWidget(LstZ);
  top->addSpacing(4);
  top->addWidget(Label(this, QStringLiteral("n =")));
  top->addWidget(LstNr);
  top->addSpacing(4);
  top->addWidget(OkRel);
  top->addWidget(BtGR);
  top->addStretch(1);
  grid->addLayout(top, 0, 0, 1, 2);
  grid->setRowMinimumHeight(1, 2);
  QHBoxLayout* operand = Row();
  QLabel* is = Label(this, QStringLiteral("Z ="));
  is->setFixedWidth(28);
  operand->addWidget(is);
  operand->addWidget(ZR[0], 92);
  operand->addWidget(ZR[1], 98);
  // The top row has no room left: the working button stands under the exercise button.
  operand->addWidget(BtWR);
  grid->addLayout(operand, 2, 0, 1, 2);
  grid->setRowMinimumHeight(3, 4);
  grid->addWidget(Label(this, QStringLiteral("cartesian")), 4, 0);
  grid->addWidget(Label(this, QStringLiteral("polar")), 4, 1);
  grid->addWidget(LstRels[0], 5, 0);
  grid->addWidget(LstRels[1], 5, 1);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
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
  for (int f = 0; f < 2; ++f) ZR[f]->setText(ToQ(CplxText(z, 2, f == 0 ? TextForm::Cartesian : TextForm::Polar, unit_)));
}

void RootsPanel::SetAngleUnit(AngleUnit unit) {
  unit_ = unit;
  if (!ZR[1]->text().isEmpty()) ZR[1]->setText(ToQ(PolarText(store_.Selected(LstZ), 2, unit_)));
  // The lists hold the last roots until they are emptied.
  if (LstRels[1]->count() != Last.Index) return;
  for (int k = 0; k < Last.Index; ++k) LstRels[1]->item(k)->setText(ToQ(PolarText(Last.Root(k), 2, unit_)));
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
    LstRels[1]->addItem(ToQ(PolarText(root, 2, unit_)));
  }
  graph_.ShowRoots(Last.First, Last.Step, Last.Index);
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
