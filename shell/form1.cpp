// SPDX-License-Identifier: MIT
// The frame of the main window: load and unload, the panels and the wiring between them.
#include "shell/form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>

#include "core/random.h"
#include "lang/language.h"
#include "platform/on_screen.h"
#include "platform/picture_box.h"
#include "platform/program_folder.h"
#include "platform/twips.h"
#include "session/session_keeper.h"
#include "shell/binary_panel.h"
#include "shell/combined_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1_look.h"
#include "shell/form1_style.h"
#include "shell/graph_panel.h"
#include "shell/plane_targets.h"
#include "shell/panel_widgets.h"
#include "shell/power_panel.h"
#include "shell/roots_panel.h"
#include "shell/store_panel.h"
#include "shell/tab_order.h"
#include "tools/tools_menu.h"

namespace {

// Keeps a coloured card a little larger than its panel, behind it, wherever the layout puts the
// panel.
class ShapeBehind : public QObject {
 public:
  ShapeBehind(QFrame* shape, QWidget* panel) : QObject(shape), shape_(shape) {
    panel->installEventFilter(this);
    Follow(panel);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) Follow(static_cast<QWidget*>(watched));
    return false;
  }

 private:
  void Follow(const QWidget* panel) {
    shape_->setGeometry(panel->geometry().adjusted(-3, -3, 3, 3));
    shape_->lower();
  }

  QFrame* shape_;
};

// The client area takes the scroll area's whole view, and never less than its layout's minimum.
// (A resizable scroll area would ask the layout for a height for its width, which the wrapped
// hints make far taller than the panels' fixed heights.)
class FillViewport : public QObject {
 public:
  explicit FillViewport(QScrollArea* scroll) : QObject(scroll), scroll_(scroll) { scroll->viewport()->installEventFilter(this); }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) {
      QWidget* client = scroll_->widget();
      client->resize(scroll_->viewport()->size().expandedTo(client->minimumSizeHint()));
    }
    return false;
  }

 private:
  QScrollArea* scroll_;
};

// The client area's background picture: a soft gradient. It is painted rather than put in the
// palette, which the panels would inherit: a style takes the window colour of a gradient as black.
class Paper : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QLinearGradient paper(0, 0, 0.4, 1);
    paper.setCoordinateMode(QGradient::ObjectBoundingMode);
    paper.setColorAt(0, QColor(246, 248, 252));
    paper.setColorAt(1, QColor(222, 229, 240));
    QPainter(this).fillRect(rect(), paper);
  }
};

// A coloured card behind a panel, in the panel's colours.
QFrame* Shape(QWidget* parent, const char* name, QWidget* panel) {
  auto* shape = Named(new QFrame(parent), QLatin1String(name));
  const QColor color = panel->property("panelColor").value<QColor>();
  shape->setProperty("panelColor", color);
  shape->setProperty("cardBorder", color.darker(125));
  shape->setProperty("cardRadius", 8);
  new ShapeBehind(shape, panel);
  // The card covers the panel to its corners: the panel paints all its pixels, and the paper and
  // the card are not painted under it.
  panel->setAttribute(Qt::WA_OpaquePaintEvent);
  return shape;
}

}  // namespace

Form1::Form1(Seams seams, QWidget* parent, QStringList arguments, bool load)
    : QMainWindow(parent), seams_(seams), arguments_(std::move(arguments)) {
  if (seams_.Messages == nullptr) seams_.Messages = DefaultSeams().Messages;
  if (seams_.Processes == nullptr) seams_.Processes = DefaultSeams().Processes;
  Form1Style::Install();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("ZORBIT: Elementary calculations with complex numbers."));
  // The controls write in the desktop's font; the store's columns and the results table set the
  // program's own.
  CreatePanels();
  CreateMenus();
  ConnectPanels();
  ConnectMenus();
  // An empty text box leaves Ctrl+Z and Ctrl+Y to the store's undo; a box with text undoes its
  // own typing.
  for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(this);
  SetReadingTabOrder(*this);
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &Form1::ShowFocusedPanelHelp);
  // The designed client area, centred on the screen; on a smaller screen, as much as it holds.
  QRect designed(0, 0, TwipsToPixelsRounded(12000), TwipsToPixelsRounded(9300) + menuBar()->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) designed.moveCenter(screen->availableGeometry().center());
  PlaceOnScreen(*this, designed);
  // Shown, the window has a frame, which must fit as well.
  KeepOnScreen(*this);
  if (load) Form_Load();
}

void Form1::Load() {
  if (keeper_ == nullptr) Form_Load();
}

// The panels go before the window's own connections do: focus moving away while they are destroyed
// must not reach the Edit items.
Form1::~Form1() { disconnect(qApp, nullptr, this, nullptr); }

void Form1::CreatePanels() {
  auto* client = new Paper(this);
  client->setObjectName(QStringLiteral("Client"));
  // Where the window is smaller than its panels need (a small screen, a large scale), the client
  // area scrolls rather than running off the screen.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ClientScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(client);
  new FillViewport(scroll);
  setCentralWidget(scroll);

  // In the order of the focus chain.
  Entry = new EntryPanel(seams_, Lang, client);
  Stored = new StorePanel(seams_, client);
  Graph = new GraphPanel(client);
  Entry->Use(*Stored, *Graph);
  Binary = new BinaryPanel(*Stored, client);
  POpUn = new QGroupBox(QStringLiteral("Unary operations:    "), client);
  MakePanel(POpUn, "POpUn", PanelColors::Unary);
  Power = new PowerPanel(*Stored, *Graph, seams_, POpUn);
  Roots = new RootsPanel(*Stored, *Graph, seams_, POpUn);
  Combined = new CombinedPanel(*Stored, seams_, Lang, client);
  LstZ = {Binary->LstZ[0], Binary->LstZ[1], Power->LstZ, Roots->LstZ, Combined->LstZ};
  Stored->SetSelectors(LstZ);

  auto* unary = new QHBoxLayout(POpUn);
  unary->setContentsMargins(8, 6, 8, 8);
  unary->setSpacing(8);
  unary->addWidget(Power);
  unary->addWidget(Roots);

  // The entry, the store and the graph panel on the left; the operations on the right. The graph
  // panel takes the room the window gains, the roots' lists what the right side gains in height.
  auto* left = new QVBoxLayout;
  left->setSpacing(8);
  left->addWidget(Entry);
  left->addWidget(Stored);
  left->addWidget(Graph, 1);
  auto* right = new QVBoxLayout;
  right->setSpacing(8);
  right->addWidget(Binary);
  right->addWidget(POpUn, 1);
  right->addWidget(Combined);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(8);
  columns->addLayout(left, 1);
  columns->addLayout(right, 0);
  Entry->setMinimumWidth(260);
  Binary->setFixedWidth(520);
  POpUn->setFixedWidth(520);
  Combined->setFixedWidth(520);
  Entry->setFixedHeight(158);
  Stored->setFixedHeight(200);
  Binary->setFixedHeight(196);
  Combined->setFixedHeight(142);
  Graph->setMinimumHeight(180);
  POpUn->setMinimumHeight(240);

  MarcEdN = Shape(client, "MarcEdN", Entry);
  FLst = Shape(client, "FLst", Stored);
  MarcBin = Shape(client, "MarcBin", Binary);
  MarcUn = Shape(client, "MarcUn", POpUn);
  Shape5 = Shape(client, "Shape5", Combined);
}

void Form1::ConnectPanels() {
  // The store and the entry panel: what is open, and what is left when nothing is.
  connect(Stored, &StorePanel::Opened, Entry, &EntryPanel::ShowInEntry);
  connect(Stored, &StorePanel::EntryClosed, Entry, &EntryPanel::ClearEntry);
  connect(Stored, &StorePanel::Deleted, Graph, &GraphPanel::ClearPicture);
  connect(Stored, &StorePanel::NewEntryAsked, Graph, &GraphPanel::ResetGraphPanel);
  connect(Combined, &CombinedPanel::Evaluated, Graph, &GraphPanel::ShowCombined);
  connect(Stored, &StorePanel::Emptied, this, [this] {
    Power->RstPot();
    Roots->RstRel();
    Binary->RstBin();
    Combined->RstCmb();
    Binary->PBTblOp2->setToolTip(QString());
    Graph->Empty();
  });
  // The store's own selections: the operand boxes follow, and no panel starts afresh.
  connect(Stored, &StorePanel::OperandSelected, this, [this](int i) {
    switch (i) {
      case 0:
      case 1: Binary->ShowOperand(i); break;
      case 2: Power->ShowOperand(false); break;
      case 3: Roots->ShowOperand(false); break;
      default: break;
    }
  });

  // One angle unit for every polar text on show.
  connect(Entry, &EntryPanel::AngleUnitChanged, Stored, &StorePanel::SetAngleUnit);
  connect(Entry, &EntryPanel::AngleUnitChanged, Binary, &BinaryPanel::SetAngleUnit);
  connect(Entry, &EntryPanel::AngleUnitChanged, Power, &PowerPanel::SetAngleUnit);
  connect(Entry, &EntryPanel::AngleUnitChanged, Roots, &RootsPanel::SetAngleUnit);
  connect(Entry, &EntryPanel::AngleUnitChanged, Combined, &CombinedPanel::SetAngleUnit);

  // Every change of the store is kept on disk and can be undone.
  connect(Stored, &StorePanel::Changed, this, &Form1::StoreChanged);
  connect(Stored, &StorePanel::Opened, this, &Form1::RefreshEditItems);
  connect(Stored, &StorePanel::EntryClosed, this, &Form1::RefreshEditItems);
  for (QListWidget* column : Stored->LZ)
    connect(column, &QListWidget::currentRowChanged, this, &Form1::RefreshEditItems);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    // A menu that opens takes no focus of its own worth following: Copy keeps its state.
    if (now != nullptr) RefreshEditItems();
  });

  connect(Graph, &GraphPanel::SaveAsked, this, &Form1::BtGrf_Click);
  panelPlane_ = std::make_unique<PanelPlane>(*Entry, *Stored, *Graph);
  binaryPlane_ = std::make_unique<BinaryPlane>(*Binary, *Stored, *Entry);
  connect(Binary, &BinaryPanel::Calculated, this, [this](bool complete) {
    OpG[0]->setEnabled(complete);
    for (int i = 1; i <= 5; ++i) GGr[i]->setEnabled(true);
  });
  connect(Power, &PowerPanel::Calculated, OpG[1], [this] { OpG[1]->setEnabled(true); });
  connect(Roots, &RootsPanel::Calculated, OpG[2], [this] { OpG[2]->setEnabled(true); });
  connect(Combined, &CombinedPanel::Calculated, OpG[3], [this] { OpG[3]->setEnabled(true); });
  connect(Binary, &BinaryPanel::ExerciseAsked, this, [this] { OpG_Click(0); });
  connect(Power, &PowerPanel::ExerciseAsked, this, [this] { OpG_Click(1); });
  connect(Roots, &RootsPanel::ExerciseAsked, this, [this] { OpG_Click(2); });
  connect(Combined, &CombinedPanel::ExerciseAsked, this, [this] { OpG_Click(3); });
  connect(Binary->BtW2, &QToolButton::clicked, this, [this] { ShowWorking(0); });
  connect(Power->BtWP, &QToolButton::clicked, this, [this] { ShowWorking(1); });
  connect(Roots->BtWR, &QToolButton::clicked, this, [this] { ShowWorking(2); });
  connect(Combined->BtWC, &QToolButton::clicked, this, [this] { ShowWorking(3); });
}

// F1: the panel that holds the focus opens its help. The entry and the store share the entry's
// help, the combined panel has its own; the others open the manual's pages at their section.
void Form1::ShowFocusedPanelHelp() {
  const QWidget* focus = QApplication::focusWidget();
  const auto within = [focus](const QWidget* panel) { return focus != nullptr && panel->isAncestorOf(focus); };
  if (within(Combined))
    Combined->BtHCmb_Click();
  else if (within(Entry) || within(Stored))
    Entry->BtHEntr_Click();
  else if (within(Binary) || within(POpUn))
    ShowManualPages(QStringLiteral("operations"));
  else if (within(Graph))
    ShowManualPages(QStringLiteral("graphs"));
  else
    ShowManualPages();
}

LastCalculations Form1::Last() const { return {Binary->Last, Power->Last, Roots->Last, Combined->Last}; }

void Form1::Form_Load() {
  // English unless the command line or "Lng.txt" says otherwise.
  Lang = Language();
  Lang.Settle(arguments_);
  BuildToolsMenu(Tools, seams_);
  LineBreak = QStringLiteral("\r\n");
  ProgramFolder = WorkFolder();
  SheetFolderName = QDir(QDir::currentPath()).exists(QStringLiteral("Prbls")) ? QStringLiteral("Prbls") : QString();
  Stored->EditIndex = 0;
  Graph->ResetGraphPanel();
  Binary->CreateGraphWindows();
  SeedRandomFromClock();
  RestoreSession();
}

void Form1::TakeArguments(const QStringList& arguments) {
  if (arguments.size() > 1) {
    arguments_ = arguments;
    Lang = Language();
    Lang.Settle(arguments_);
  }
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void Form1::RestoreSession() {
  keeper_ = std::make_unique<SessionKeeper>(WorkFolder(), *seams_.Messages);
  const std::vector<Cplx> restored = keeper_->Restore();
  if (!restored.empty()) Stored->PutBack(restored);
  history_.Reset(Stored->Contents());
  RefreshEditItems();
}

void Form1::StoreChanged() {
  const std::vector<Cplx> contents = Stored->Contents();
  if (history_.Commit(contents)) keeper_->Save(contents);
  RefreshEditItems();
}

void Form1::PutBackStore(const std::vector<Cplx>& complexes) {
  // The results on show belong to the store as it was: they go, the formula stays. Binary
  // results still on show (a dragged operand) are worked out again for the operands put back.
  const bool binaryOnShow = Binary->ResultsOnShow();
  Binary->RstBin();
  Power->LstNp_Click();
  Roots->LstNr_Click();
  Combined->TxtOp_Change();
  Stored->PutBack(complexes);
  Graph->ResetGraphPanel();
  if (binaryOnShow) Binary->OkOp2_Click();
  keeper_->Save(complexes);
  RefreshEditItems();
}

int Form1::CopyableRow() const {
  const QWidget* focus = QApplication::focusWidget();
  for (const QListWidget* column : Stored->LZ) {
    if (focus != column) continue;
    const int row = column->currentRow();
    return row >= 0 && column->item(row)->isSelected() ? row : -1;
  }
  return -1;
}

void Form1::RefreshEditItems() {
  if (OpUndo == nullptr) return;
  OpUndo->setEnabled(history_.CanUndo());
  OpRedo->setEnabled(history_.CanRedo());
  OpCopy->setEnabled(CopyableRow() >= 0);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* box = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                         key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    if (box != nullptr && undoKey && box->text().isEmpty()) {
      event->ignore();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void Form1::Form_Unload() {
  for (FGraf*& window : Binary->GraphWindows) {
    if (window != nullptr) {
      window->close();
      window->deleteLater();
      window = nullptr;
    }
  }
  QCoreApplication::quit();
}
