// SPDX-License-Identifier: MIT
#include "shell/power_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include "platform/qtext.h"
#include "shell/fault_selection.h"
#include "shell/graph_panel.h"
#include "shell/panel_widgets.h"
#include "shell/store_panel.h"
#include "shell/working_button.h"
#include "text/complex_text.h"
#include "text/parse.h"

namespace {

const QString IncorporateHint = QStringLiteral("dbl click: incorpora");

// A real exponent as a plain number: 2, 0.5, 0.333333333333333.
QString ExponentText(double v) { return QLocale::c().toString(v, 'g', 15); }

// Why a power could not be calculated, in the user's terms.
QString PowerFailureReason(const Cplx& base, double n) {
  if (base.Mod == 0 && n < 0) return QStringLiteral("0 has no power with a negative exponent.");
  return QStringLiteral("The result is too large to be calculated.");
}

}  // namespace

PowerPanel::PowerPanel(StorePanel& store, GraphPanel& graph, Seams seams, QWidget* parent)
    : QGroupBox(QStringLiteral("Power of   Z   "), parent), store_(store), graph_(graph), seams_(seams) {
  setObjectName(QStringLiteral("PPot"));
  MakeInnerPanel(this);
  LstZ = Combo(this, Indexed("LstZ", 2), false, 48);
  LstNp = Combo(this, QStringLiteral("LstNp"), true, 48);
  LstNp->setToolTip(QStringLiteral("Exponent: any real number"));
  OkPot = PictureButton(this, QStringLiteral("OkPot"), ButtonPicture::Calculate, QStringLiteral("Calculate Z^n"));
  BtGP = PictureButton(this, QStringLiteral("BtGP"), ButtonPicture::Exercise, QStringLiteral("Exercise of the power"));
  BtGP->setEnabled(false);
  BtWP = WorkingButton(this, QStringLiteral("BtWP"), BtGP);
  IdZ[0] = Box(this, Indexed("IdZ", 0), true);
  IdZ[1] = Box(this, Indexed("IdZ", 1), true);
  PZ[0] = Box(this, Indexed("PZ", 0), true);
  PZ[1] = Box(this, Indexed("PZ", 1), true);

  // The selectors and buttons, Z in both forms, Z^n in both forms, the hint.
  QGridLayout* grid = PanelGrid(this);
  QHBoxLayout* top = Row();
  top->addWidget(Label(this, QStringLiteral("Z")));
  top->addWidget(LstZ);
  top->addSpacing(4);
  top->addWidget(Label(this, QStringLiteral("n =")));
  top->addWidget(LstNp);
  top->addSpacing(4);
  top->addWidget(OkPot);
  top->addWidget(BtGP);
  top->addStretch(1);
  grid->addLayout(top, 0, 0, 1, 3);
  grid->setRowMinimumHeight(1, 2);
  grid->addWidget(Label(this, QStringLiteral("Z =")), 2, 0);
  grid->addWidget(IdZ[0], 2, 1);
  // The top row has no room left: the working button stands under the exercise button.
  grid->addWidget(BtWP, 2, 2, Qt::AlignRight);
  grid->addWidget(IdZ[1], 3, 1);
  grid->setRowMinimumHeight(4, 8);
  grid->addWidget(Label(this, QStringLiteral("Z\u207f =")), 5, 0);
  grid->addWidget(PZ[0], 5, 1);
  grid->addWidget(PZ[1], 6, 1);
  grid->setRowMinimumHeight(7, 2);
  grid->addWidget(Hint(this, QStringLiteral("Double-click a result to keep it.")), 8, 0, 1, 2);
  grid->setRowStretch(9, 1);
  grid->setColumnStretch(1, 1);
  for (int n = 2; n <= 9; ++n) LstNp->addItem(QString::number(n));
  LstNp->setCurrentIndex(0);

  connect(LstZ, &QComboBox::currentIndexChanged, this, [this] { ShowOperand(false); });
  connect(LstZ, &QComboBox::activated, this, [this] { ShowOperand(true); });
  connect(LstNp, &QComboBox::currentIndexChanged, this, &PowerPanel::LstNp_Click);
  connect(OkPot, &QToolButton::clicked, this, &PowerPanel::OkPot_Click);
  connect(BtGP, &QToolButton::clicked, this, &PowerPanel::ExerciseAsked);
  for (QLineEdit* box : PZ) {
    connect(box, &QLineEdit::textChanged, this, &PowerPanel::PZ_Change);
    box->installEventFilter(this);
  }
}

bool PowerPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (int i = 0; i < 2; ++i)
      if (watched == PZ[i]) PZ_DblClick(i);
  }
  return QGroupBox::eventFilter(watched, event);
}

void PowerPanel::ShowOperand(bool userPick) {
  // A Z picked by hand starts the panel afresh; the program's selections keep the results.
  if (userPick) RstPot();
  const Cplx z = store_.Selected(LstZ);
  for (int f = 0; f < 2; ++f) IdZ[f]->setText(ToQ(CplxText(z, 2, f == 0 ? TextForm::Cartesian : TextForm::Polar, unit_)));
}

void PowerPanel::SetAngleUnit(AngleUnit unit) {
  unit_ = unit;
  if (!IdZ[1]->text().isEmpty()) IdZ[1]->setText(ToQ(PolarText(store_.Selected(LstZ), 2, unit_)));
  if (!PZ[1]->text().isEmpty()) PZ[1]->setText(ToQ(PolarText(Last.Result, 2, unit_)));
}

void PowerPanel::LstNp_Click() {
  PZ[0]->clear();
  PZ[1]->clear();
}

void PowerPanel::OkPot_Click() {
  const int a = LstZ->currentIndex();
  if (a < 0) return;
  const Cplx base = store_.Store().At(a + 1);
  double exponent = 0;
  ExprError error;
  const std::string typed = FromQ(LstNp->currentText());
  if (!ParseReal(typed, exponent, &error)) {
    seams_.Messages->Show(QStringLiteral("wrong expression\n") + ToQ(error.Cause), QStringLiteral("Zorbit"),
                          MsgButtons::Ok, MsgIcon::Warning);
    if (LstNp->lineEdit() != nullptr) SelectFault(LstNp->lineEdit(), typed, error);
    return;
  }
  try {
    Last = CalcPower(base, exponent);
  } catch (const ArithmeticError&) {
    // The panel is left without a result: nothing shown, no exercise to write.
    PZ[0]->clear();
    PZ[1]->clear();
    BtGP->setEnabled(false);
    seams_.Messages->Show(QStringLiteral("Z^n cannot be calculated. ") + PowerFailureReason(base, exponent),
                          QStringLiteral("Not feasible"), MsgButtons::Ok, MsgIcon::Information);
    return;
  }
  for (int f = 0; f < 2; ++f) {
    PZ[f]->setText(ToQ(CplxText(Last.Result, 2, f == 0 ? TextForm::Cartesian : TextForm::Polar, unit_)));
    PZ[f]->setToolTip(QStringLiteral("Incorporar: doble click"));
  }
  BtGP->setEnabled(true);
  emit Calculated();
  graph_.ShowPower(Last.Base, Last.Exponent, Last.Result);
  graph_.SetCaption(QStringLiteral("(") + ToQ(CartText(Last.Base, 2)) + QStringLiteral(")^") +
                    ExponentText(Last.Exponent));
}

// The hint grows with the text it belongs to: an empty box has none.
void PowerPanel::PZ_Change() {
  for (QLineEdit* box : PZ) box->setToolTip(IncorporateHint.left(box->text().size()));
}

void PowerPanel::PZ_DblClick(int index) {
  if (index < 0 || index > 1 || PZ[index]->text().isEmpty()) return;
  store_.IncorporateCplx(Last.Result);
}

void PowerPanel::RstPot() {
  IdZ[0]->clear();
  IdZ[1]->clear();
  PZ[0]->clear();
  PZ[1]->clear();
  BtGP->setEnabled(false);
}
