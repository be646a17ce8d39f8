// SPDX-License-Identifier: MIT
// The frame of the main window: load and unload, the menu bar, the wiring of the controls.
#include "shell/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

#include "core/random.h"
#include "graphics/text_grid.h"
#include "platform/picture_box.h"
#include "platform/program_folder.h"
#include "shell/form1_look.h"
#include "shell/form1_notice.h"
#include "lang/language.h"

Form1::Form1(Seams seams, QWidget* parent) : QMainWindow(parent), seams_(seams) {
  if (seams_.Messages == nullptr) seams_.Messages = DefaultSeams().Messages;
  if (seams_.Processes == nullptr) seams_.Processes = DefaultSeams().Processes;
  notice_ = std::make_unique<MessageNotice>(*seams_.Messages);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("ZORBIT: Elementary calculations with complex numbers."));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8.5);
  setFont(font);
  setStyleSheet(Form1StyleSheet());
  CreateControls();
  CreateMenus();
  ConnectControls();
  // The designed client area, centred on the screen.
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load() {
  LangIndex() = 0;
  BuildToolsMenu();

  IdX->setCurrentIndex(1);
  Decimals = static_cast<std::int16_t>(IdX->currentText().toInt());

  InitResultsTable();

  LineBreak = QStringLiteral("\r\n");
  ProgramFolder = WorkFolder();
  SheetFolderName = QDir(QDir::currentPath()).exists(QStringLiteral("Prbls")) ? QStringLiteral("Prbls") : QString();

  // The shapes take their panels' colours.
  const auto paint = [](QWidget* shape, const QWidget* panel) {
    const QColor color = panel->property("panelColor").value<QColor>();
    shape->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border: 1px solid %3; }")
                             .arg(shape->objectName(), color.name(), color.darker(125).name()));
  };
  paint(MarcEdN, PEdN);
  paint(MarcBin, POpBin);
  paint(MarcUn, POpUn);
  paint(FLst, PLst);
  paint(Shape5, PComb);
  OpGrfs->setStyleSheet(QStringLiteral("QCheckBox#OpGrfs { background-color: %1; }")
                            .arg(POpBin->property("panelColor").value<QColor>().name()));

  for (std::size_t k = 0; k < 4; ++k) OpCaptions[k] = QString::fromStdString(::OpCaptions[k]);

  Store.Clear();
  EditIndex = 0;

  ResetGraphPanel();

  for (int n = 2; n <= 9; ++n) {
    LstNp->addItem(QString::number(n));
    LstNr->addItem(QString::number(n));
  }
  LstNp->setCurrentIndex(0);
  LstNr->setCurrentIndex(0);
  LstN->setCurrentIndex(0);

  LayOutKeypad();
  CreateGraphWindows();

  GraphsOn = true;
  BinaryResultsReady = false;

  SeedRandomFromClock();
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void Form1::Form_Unload() {
  for (FGraf*& window : GraphWindows) {
    if (window != nullptr) {
      window->close();
      window->deleteLater();
      window = nullptr;
    }
  }
  QCoreApplication::quit();
}

void Form1::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MenuBar"));
  const auto action = [this](QMenu* menu, const QString& name, const QString& caption, bool enabled = true) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
  };
  const auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

  OpFtx = bar->addMenu(QStringLiteral("File"));
  OpFtx->setObjectName(QStringLiteral("OpFtx"));
  OpGuard = OpFtx->addMenu(QStringLiteral("Save"));
  OpGuard->setObjectName(QStringLiteral("OpGuard"));
  OpG[0] = action(OpGuard, QStringLiteral("OpG(0)"), QStringLiteral("Binary operations"), false);
  OpG[1] = action(OpGuard, QStringLiteral("OpG(1)"), QStringLiteral("n Power"), false);
  OpG[2] = action(OpGuard, QStringLiteral("OpG(2)"), QStringLiteral("n Root"), false);
  OpG[3] = action(OpGuard, QStringLiteral("OpG(3)"), QStringLiteral("Combined operation"), false);
  separator(OpGuard, "sep0");
  const char* const graphs[5] = {"Graph Z1 + Z2", "Graph Z1 - Z2", "Graph Z1 * Z2", "Graph Z1 / Z2",
                                 "All graphics Z1 @ Z2"};
  for (int i = 1; i <= 5; ++i)
    GGr[i] = action(OpGuard, QStringLiteral("GGr(%1)").arg(i), QString::fromLatin1(graphs[i - 1]), false);
  OpObr = action(OpFtx, QStringLiteral("OpObr"), QStringLiteral("Open..."));
  separator(OpFtx, "sep");
  OpSurt = action(OpFtx, QStringLiteral("OpSurt"), QStringLiteral("Exit"));

  Tools = bar->addMenu(QStringLiteral("&Tools"));
  Tools->setObjectName(QStringLiteral("Tools"));
  OpEdTools = action(Tools, QStringLiteral("OpEdTools"), QStringLiteral("Edit tools"));
  separator(Tools, "sept");
  for (int i = 1; i <= 12; ++i) {
    ITool[i] = action(Tools, QStringLiteral("ITool(%1)").arg(i), QString());
    ITool[i]->setVisible(false);
  }

  Inf = bar->addMenu(QStringLiteral("Info"));
  Inf->setObjectName(QStringLiteral("Inf"));
  OpInfo = action(Inf, QStringLiteral("OpInfo"), QStringLiteral("Info"));
  OpSobre = action(Inf, QStringLiteral("OpSobre"), QStringLiteral("About..."));
}

void Form1::ConnectControls() {
  for (int i = 0; i < 2; ++i) EdN[i]->installEventFilter(this);
  connect(BtInc, &QToolButton::clicked, this, &Form1::BtInc_Click);
  connect(BtRnd, &QToolButton::clicked, this, &Form1::BtRnd_Click);
  connect(IdX, &QComboBox::currentIndexChanged, this, [this] {
    if (programSelecting_ == 0) IdX_Click();
  });
  connect(BtHEntr, &QToolButton::clicked, this, &Form1::BtHEntr_Click);

  for (int i = 0; i < 3; ++i) {
    LZ[i]->installEventFilter(this);
    connect(LZ[i], &QListWidget::currentRowChanged, this, [this, i](int row) {
      if (programSelecting_ == 0 && row >= 0) LZ_Click(i);
    });
    // A click on the row that is already current opens it again.
    connect(LZ[i], &QListWidget::itemClicked, this, [this, i](QListWidgetItem*) {
      if (programSelecting_ == 0 && EditIndex != LZ[i]->currentRow() + 1) LZ_Click(i);
    });
    connect(LZ[i]->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, i] {
      if (programSelecting_ == 0) LZ_Scroll(i);
    });
  }
  connect(BtNou, &QPushButton::clicked, this, &Form1::BtNou_Click);
  connect(BtSupr, &QPushButton::clicked, this, &Form1::BtSupr_Click);
  connect(Btrst, &QPushButton::clicked, this, &Form1::Btrst_Click);
  for (int i = 0; i < 5; ++i) {
    connect(LstZ[i], &QComboBox::currentIndexChanged, this, [this, i] {
      if (programSelecting_ == 0) LstZ_Click(i);
    });
  }

  connect(OkOp2, &QToolButton::clicked, this, &Form1::OkOp2_Click);
  connect(PBTblOp2, &PictureBox::MouseDown, this, &Form1::PBTblOp2_MouseDown);
  connect(PBTblOp2, &PictureBox::DblClick, this, &Form1::PBTblOp2_DblClick);
  POpBin->installEventFilter(this);
  TxtTblOp2->installEventFilter(this);
  connect(OpGrfs, &QCheckBox::clicked, this, &Form1::OpGrfs_Click);
  connect(BtG2, &QToolButton::clicked, this, &Form1::BtG2_Click);

  connect(LstNp, &QComboBox::currentIndexChanged, this, [this] {
    if (programSelecting_ == 0) LstNp_Click();
  });
  connect(LstNr, &QComboBox::currentIndexChanged, this, [this] {
    if (programSelecting_ == 0) LstNr_Click();
  });
  connect(OkPot, &QToolButton::clicked, this, &Form1::OkPot_Click);
  connect(OkRel, &QToolButton::clicked, this, &Form1::OkRel_Click);
  connect(BtGP, &QToolButton::clicked, this, &Form1::BtGP_Click);
  connect(BtGR, &QToolButton::clicked, this, &Form1::BtGR_Click);
  for (int i = 0; i < 2; ++i) {
    connect(PZ[i], &QLineEdit::textChanged, this, &Form1::PZ_Change);
    PZ[i]->installEventFilter(this);
    connect(LstRels[i], &QListWidget::currentRowChanged, this, [this, i] { LstRels_Click(i); });
    connect(LstRels[i]->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, i] { LstRels_Scroll(i); });
    connect(LstRels[i], &QListWidget::itemDoubleClicked, this, [this, i] { LstRels_DblClick(i); });
  }

  for (int i = 0; i < 20; ++i) connect(BtN[i], &QPushButton::clicked, this, [this, i] { BtN_Click(i); });
  connect(TxtOp, &QLineEdit::textChanged, this, &Form1::TxtOp_Change);
  TxtOp->installEventFilter(this);
  connect(OkCmb, &QPushButton::clicked, this, &Form1::OkCmb_Click);
  for (int i = 0; i < 2; ++i) {
    connect(IdRes[i], &QLineEdit::textChanged, this, &Form1::IdRes_Change);
    IdRes[i]->installEventFilter(this);
  }
  connect(BtGC, &QToolButton::clicked, this, &Form1::BtGC_Click);
  connect(BtHCmb, &QToolButton::clicked, this, &Form1::BtHCmb_Click);

  connect(BtGrf, &QToolButton::clicked, this, &Form1::BtGrf_Click);

  for (int i = 0; i < 4; ++i) connect(OpG[i], &QAction::triggered, this, [this, i] { OpG_Click(i); });
  for (int i = 1; i <= 5; ++i) connect(GGr[i], &QAction::triggered, this, [this, i] { GGr_Click(i); });
  connect(OpObr, &QAction::triggered, this, &Form1::OpObr_Click);
  connect(OpSurt, &QAction::triggered, this, &Form1::OpSurt_Click);
  connect(OpEdTools, &QAction::triggered, this, &Form1::OpEdTools_Click);
  for (int i = 1; i <= 12; ++i) connect(ITool[i], &QAction::triggered, this, [this, i] { ITool_Click(i); });
  connect(OpInfo, &QAction::triggered, this, &Form1::OpInfo_Click);
  connect(OpSobre, &QAction::triggered, this, &Form1::OpSobre_Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Enter arrives as Return from the main keyboard and as Enter from the keypad; both are 13.
    const int code = key->key() == Qt::Key_Enter ? int(Qt::Key_Return) : key->key();
    for (int i = 0; i < 2; ++i) {
      if (watched == EdN[i] && code == Qt::Key_Return) {
        EdN_KeyDown(i, code, key->modifiers());
        return true;
      }
    }
    for (int i = 0; i < 3; ++i) {
      if (watched == LZ[i] && code == Qt::Key_Delete) {
        LZ_KeyDown(i, code, key->modifiers());
        return true;
      }
    }
    if (watched == TxtOp && code == Qt::Key_Return) {
      TxtOp_KeyDown(code, key->modifiers());
      return true;
    }
    if (watched == TxtTblOp2 && (code == Qt::Key_Return || code == Qt::Key_Escape)) {
      TxtTblOp2_KeyDown(code);
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    for (int i = 0; i < 2; ++i) {
      if (watched == PZ[i]) PZ_DblClick(i);
      if (watched == IdRes[i]) IdRes_DblClick(i);
    }
    if (watched == TxtOp) {
      // Let the box select the word under the pointer first; the letter then replaces it.
      TxtOp->event(event);
      TxtOp_DblClick();
      return true;
    }
    if (watched == POpBin) POpBin_DblClick();
  }
  return QMainWindow::eventFilter(watched, event);
}
