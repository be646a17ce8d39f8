// SPDX-License-Identifier: MIT
#include "shell/binary_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "graphics/operation_graphs.h"
#include "graphics/plane.h"
#include "graphics/plane_box.h"
#include "graphics/text_grid.h"
#include "platform/picture_box.h"
#include "platform/qtext.h"
#include "platform/twips.h"
#include "shell/check_indicator.h"
#include "shell/panel_widgets.h"
#include "shell/row_captions.h"
#include "shell/store_panel.h"
#include "shell/working_button.h"
#include "text/complex_text.h"

namespace {

const QString NotDefined = QStringLiteral("not defined");

// The results table's columns and rows, in twips as the table draws them.
constexpr double ResultsColumnWidth = 2000;

// The graph window's outer size: its frame once it has one, or its client area in a frame like
// the main window's.
QSize OuterSize(const QWidget& window, const QWidget& frame) {
  const QSize framed = window.frameGeometry().size();
  if (framed.height() > window.height()) return framed;
  QSize margins = frame.frameGeometry().size() - frame.geometry().size();
  if (margins.height() <= 0) margins.setHeight(frame.style()->pixelMetric(QStyle::PM_TitleBarHeight));
  return window.size() + margins.expandedTo(QSize(0, 0));
}

}  // namespace

BinaryPanel::BinaryPanel(StorePanel& store, QWidget* parent)
    : QGroupBox(QStringLiteral("Binary operations:      Z1 @ Z2"), parent), store_(store) {
  MakePanel(this, "POpBin", PanelColors::Binary);
  for (int i = 0; i < 2; ++i) {
    LstZ[i] = Combo(this, Indexed("LstZ", i), false, 52);
    auto& boxes = i == 0 ? IdZ1 : IdZ2;
    const char* name = i == 0 ? "IdZ1" : "IdZ2";
    boxes[0] = Box(this, Indexed(name, 0), true);
    boxes[1] = Box(this, Indexed(name, 1), true);
  }
  OkOp2 = PictureButton(this, QStringLiteral("OkOp2"), ButtonPicture::Calculate,
                        QStringLiteral("Calculate Z1 + Z2, Z1 - Z2, Z1 * Z2 and Z1 / Z2"), 46, 54);
  OkOp2->setIconSize(QSize(28, 28));
  BtG2 = PictureButton(this, QStringLiteral("BtG2"), ButtonPicture::Exercise,
                       QStringLiteral("Exercise of the binary operations"));
  BtG2->setEnabled(false);
  BtW2 = WorkingButton(this, QStringLiteral("BtW2"), BtG2);
  OpGrfs = Named(new QCheckBox(QStringLiteral("Graphs"), this), QStringLiteral("OpGrfs"));
  OpGrfs->setToolTip(QStringLiteral("Draw the four operations in their graph windows"));
  OpGrfs->setChecked(true);
  PutOnCard(*OpGrfs, PanelColors::Binary);

  Text1 = Named(new RowCaptions({QStringLiteral(" Z1+Z2"), QStringLiteral(" Z1- Z2"), QStringLiteral(" Z1*Z2"),
                                  QStringLiteral(" Z1/Z2")},
                                 TwipsToPixels(GridRowHeight), this),
                QStringLiteral("Text1"));

  PBTblOp2 = Named(new PictureBox(this, true), QStringLiteral("PBTblOp2"));
  TxtTblOp2 = Named(new QLineEdit(PBTblOp2), QStringLiteral("TxtTblOp2"));
  TxtTblOp2->hide();

  // The operands with their selectors and boxes; the buttons at the right.
  QGridLayout* grid = PanelGrid(this);
  for (int i = 0; i < 2; ++i) {
    grid->addWidget(Label(this, i == 0 ? QStringLiteral("Z1") : QStringLiteral("Z2")), i, 0);
    grid->addWidget(LstZ[i], i, 1);
    grid->addWidget(i == 0 ? IdZ1[0] : IdZ2[0], i, 2);
    grid->addWidget(i == 0 ? IdZ1[1] : IdZ2[1], i, 3);
  }
  grid->addWidget(OkOp2, 0, 4, 2, 1, Qt::AlignCenter);
  QHBoxLayout* exercise = Row();
  exercise->addWidget(BtG2);
  exercise->addWidget(BtW2);
  exercise->addStretch(1);
  grid->addLayout(exercise, 0, 5);
  grid->addWidget(OpGrfs, 1, 5, Qt::AlignLeft);
  grid->setColumnStretch(2, 110);
  grid->setColumnStretch(3, 120);
  grid->setColumnMinimumWidth(5, 100);
  grid->setRowMinimumHeight(2, 4);

  // The results table: the operations' names, the cartesian and polar columns, the hint.
  auto* table = new QGridLayout;
  table->setContentsMargins(0, 0, 0, 0);
  table->setHorizontalSpacing(2);
  table->setVerticalSpacing(2);
  table->addWidget(Label(this, QStringLiteral("operation")), 0, 0);
  QHBoxLayout* heads = Row();
  heads->setSpacing(0);
  for (const QString& head : {QStringLiteral("cartesian"), QStringLiteral("polar")}) {
    QLabel* label = Label(this, head);
    label->setAlignment(Qt::AlignHCenter);
    label->setFixedWidth(TwipsToPixelsRounded(ResultsColumnWidth));
    heads->addWidget(label);
  }
  heads->addStretch(1);
  table->addLayout(heads, 0, 1);
  table->addWidget(Text1, 1, 0, Qt::AlignTop);
  table->addWidget(PBTblOp2, 1, 1, Qt::AlignTop);
  QLabel* hint = Hint(this, QStringLiteral("Double-click a row of the table to keep its result as a new letter."));
  hint->setContentsMargins(8, 0, 0, 0);
  table->addWidget(hint, 1, 2, Qt::AlignTop);
  table->setColumnStretch(2, 1);
  grid->addLayout(table, 3, 0, 1, 6);
  grid->setRowStretch(4, 1);

  // The read-only table of the four results: one row per operation, cartesian and polar columns.
  ResultsTable = std::make_unique<TextGrid>();
  ResultsTable->ReadOnly = true;
  Surface& surface = PBTblOp2->surface();
  surface.SetFontName(ResultsTableFontName());
  surface.SetFontSize(ResultsTableFontSize);
  GridInit(*ResultsTable, PBTblOp2, TxtTblOp2, 4, 2, ResultsColumnWidth);
  // The table's picture keeps the size of its two columns and four rows.
  PBTblOp2->setFixedSize(PBTblOp2->size());
  Text1->setFixedSize(74, PBTblOp2->height());

  for (std::size_t k = 0; k < 4; ++k) OpCaptions[k] = GraphWindowCaption(static_cast<int>(k));

  // Every pick of the user counts, the letter already shown included; the store's own
  // selections come through it (OperandSelected).
  for (int i = 0; i < 2; ++i) connect(LstZ[i], &QComboBox::activated, this, [this, i] { ShowOperand(i); });
  connect(OkOp2, &QToolButton::clicked, this, &BinaryPanel::OkOp2_Click);
  connect(PBTblOp2, &PictureBox::MouseDown, this, &BinaryPanel::PBTblOp2_MouseDown);
  connect(PBTblOp2, &PictureBox::DblClick, this, &BinaryPanel::PBTblOp2_DblClick);
  installEventFilter(this);
  TxtTblOp2->installEventFilter(this);
  connect(OpGrfs, &QCheckBox::clicked, this, &BinaryPanel::OpGrfs_Click);
  connect(BtG2, &QToolButton::clicked, this, &BinaryPanel::ExerciseAsked);
}

BinaryPanel::~BinaryPanel() = default;

bool BinaryPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TxtTblOp2 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int code = key == Qt::Key_Enter ? int(Qt::Key_Return) : key;
    if (code == Qt::Key_Return || code == Qt::Key_Escape) {
      TxtTblOp2_KeyDown(code);
      return true;
    }
  } else if (watched == this && event->type() == QEvent::MouseButtonDblClick) {
    POpBin_DblClick();
  }
  return QGroupBox::eventFilter(watched, event);
}

// Why result k of the last calculation does not exist: a divisor of 0, or a result beyond the
// range of numbers (a product of two huge complexes).
QString BinaryPanel::BinaryFailureReason(int k) const {
  if (k == OpDivide && Last.Z2.Mod == 0) return QStringLiteral("Z2 = 0");
  return QStringLiteral("too large");
}

// Every change of Z1 or Z2, the user's or the program's, empties the table; the last results
// stay behind it for a double-click and for the graphs.
void BinaryPanel::ShowOperand(int i) {
  const Cplx z = store_.Selected(LstZ[i]);
  GridClear(*ResultsTable);
  auto& boxes = i == 0 ? IdZ1 : IdZ2;
  for (int f = 0; f < 2; ++f) boxes[f]->setText(ToQ(CplxText(z, 2, f == 0 ? TextForm::Cartesian : TextForm::Polar, unit_)));
}

void BinaryPanel::SetAngleUnit(AngleUnit unit) {
  unit_ = unit;
  for (int i = 0; i < 2; ++i)
    if (LstZ[i]->currentIndex() >= 0) (i == 0 ? IdZ1 : IdZ2)[1]->setText(ToQ(PolarText(store_.Selected(LstZ[i]), 2, unit_)));
  // The table shows the last results until an operand changes.
  for (std::size_t k = 0; k < 4; ++k)
    if (Last.Defined[k] && !ResultsTable->Cells[k][1].isEmpty())
      GridSetCell(ToQ(PolarText(Last.Results[k], 2, unit_)), *ResultsTable, static_cast<int>(k), 1);
}

void BinaryPanel::OkOp2_Click() {
  const int a = LstZ[0]->currentIndex();
  const int b = LstZ[1]->currentIndex();
  if (a < 0 || b < 0) return;
  GridClear(*ResultsTable);
  UpdateBinaryResults(store_.Store().At(a + 1), store_.Store().At(b + 1));
  // An exercise needs all four results: after a division by a zero Z2 there is none to write.
  BtG2->setEnabled(Last.Complete());
  PBTblOp2->setToolTip(QStringLiteral("Dbl Click: incorpora complejo"));
  emit Calculated(Last.Complete());
}

void BinaryPanel::UpdateBinaryResults(const Cplx& z1, const Cplx& z2) {
  BinaryResultsReady = true;
  Last = CalcBinary(z1, z2);
  for (int k = 0; k < 4; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    if (Last.Defined[slot]) {
      GridSetCell(ToQ(CartText(Last.Results[slot], 2)), *ResultsTable, k, 0);
      GridSetCell(ToQ(PolarText(Last.Results[slot], 2, unit_)), *ResultsTable, k, 1);
    } else {
      GridSetCell(NotDefined, *ResultsTable, k, 0);
      GridSetCell(QStringLiteral("(") + BinaryFailureReason(k) + QStringLiteral(")"), *ResultsTable, k, 1);
    }
    if (!GraphsOn) continue;
    if (GraphWindows[slot] == nullptr || GraphWindows[slot]->Tag.isEmpty()) CreateGraphWindow(k);
    FGraf* window = GraphWindows[slot];
    if (window->isVisible()) {
      DrawBinaryGraph(k);
    } else {
      if (!graphWindowShown_[slot]) PlaceGraphWindow(k);
      graphWindowShown_[slot] = true;
      window->show();  // the window asks for its graph
    }
  }
}

bool BinaryPanel::ResultsOnShow() const {
  // An emptied table keeps the texts of its first column, unprinted: the second one tells.
  for (const auto& row : ResultsTable->Cells)
    if (row.size() > 1 && !row[1].isEmpty()) return true;
  return false;
}

void BinaryPanel::PBTblOp2_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) {
  GridMouseDown(*ResultsTable, x, y);
}

// The row clicked comes back as a new letter, as long as a calculation has been made since the
// last reset (the exercise button says the same, except after a failed operation); a row whose
// operation failed has nothing to give.
void BinaryPanel::PBTblOp2_DblClick() {
  const int r = ResultsTable->CurRow;
  if (!BinaryResultsReady || r < 0 || r > 3 || !Last.Defined[static_cast<std::size_t>(r)]) return;
  store_.IncorporateCplx(Last.Results[static_cast<std::size_t>(r)]);
}

void BinaryPanel::POpBin_DblClick() {
  for (FGraf* window : GraphWindows) {
    if (window != nullptr && window->isVisible()) {
      window->raise();
      window->activateWindow();
    }
  }
}

void BinaryPanel::TxtTblOp2_KeyDown(int keyCode) { GridEditorKeyDown(*ResultsTable, keyCode); }

void BinaryPanel::RstBin() {
  for (int f = 0; f < 2; ++f) {
    IdZ1[f]->clear();
    IdZ2[f]->clear();
  }
  GridClear(*ResultsTable);
  BtG2->setEnabled(false);
  BinaryResultsReady = false;
}

// ---- the graph windows

void BinaryPanel::CreateGraphWindows() {
  for (int k = 0; k < 4; ++k) CreateGraphWindow(k);
}

// A new window takes index k; the one it replaces (closed by the user, or hidden by the Graphs
// option) goes away with it.
void BinaryPanel::CreateGraphWindow(int k) {
  if (k < 0 || k > 3) return;
  const auto slot = static_cast<std::size_t>(k);
  if (FGraf* previous = GraphWindows[slot]) {
    previous->hide();
    previous->deleteLater();
  }
  QWidget* frame = window();
  auto* graph = new FGraf(frame);
  GraphWindows[slot] = graph;
  SetUpGraphWindow(*graph, k, OpCaptions[slot], frame->windowIcon(), this);
  graph->ApplySize(StoredGraphWindowSize());
  // A size given to one is kept for the four, and for the next run.
  connect(graph, &FGraf::SizeChosen, this, [this, graph](const QSize& size) {
    StoreGraphWindowSize(size);
    for (FGraf* other : GraphWindows)
      if (other != nullptr && other != graph) other->ApplySize(size);
  });
  graphWindowShown_[slot] = false;
  PlaceGraphWindow(k);
  emit GraphWindowMade(k);
}

// To the right of the main window, the four stacked downwards a tenth of their height apart.
// Windows made at load are placed again when first shown, once the main window has its frame and
// may have been moved.
void BinaryPanel::PlaceGraphWindow(int k) {
  FGraf* graph = GraphWindows[static_cast<std::size_t>(k)];
  if (graph == nullptr) return;
  const QWidget* frame = window();
  const QScreen* screen = frame->screen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
  graph->move(GraphWindowPlace(frame->frameGeometry(), k, OuterSize(*graph, *frame), available));
}

void BinaryPanel::AccioGrf(const QString& tag) {
  bool ok = false;
  const int k = tag.toInt(&ok);
  if (!ok || k < 0 || k > 3) return;
  DrawBinaryGraph(k);
}

void BinaryPanel::DrawBinaryGraph(int k) {
  FGraf* graph = GraphWindows[static_cast<std::size_t>(k)];
  if (graph == nullptr) return;
  Surface& surface = graph->PBox->surface();
  const auto slot = static_cast<std::size_t>(k);
  // The window the user zoomed or panned to, if any; the picture box learns the scale drawn.
  auto* box = qobject_cast<PlaneBox*>(graph->PBox);
  const PlaneWindow view = box != nullptr ? box->View.Window() : PlaneWindow();
  // No result to draw (Z1 ÷ 0, or beyond the range of numbers): the operands alone, and a line
  // that says why.
  GraphScales[slot] = Last.Defined[slot]
                          ? ::DrawBinaryGraph(surface, static_cast<OpCode>(k), Last.Z1, Last.Z2, Last.Results[slot], view)
                          : DrawOperandsGraph(surface, Last.Z1, Last.Z2,
                                              QStringLiteral("not defined: ") + BinaryFailureReason(k), view);
  if (box != nullptr) box->SetScale(GraphScales[slot]);
}

void BinaryPanel::OpGrfs_Click() {
  GraphsOn = OpGrfs->isChecked();
  for (int k = 0; k < 4; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    if (!GraphsOn) {
      if (GraphWindows[slot] != nullptr) GraphWindows[slot]->hide();
    } else if (BinaryResultsReady) {
      CreateGraphWindow(k);
      graphWindowShown_[slot] = true;
      GraphWindows[slot]->show();  // the window asks for its graph
    }
  }
}
