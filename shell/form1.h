// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "calc/complex_store.h"
#include "calc/problem.h"
#include "core/cplx.h"
#include "graphics/fgraf.h"
#include "platform/seams.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QToolButton;
class PictureBox;
class TextGrid;
class Notice;

// The main window: the store of complexes and its lists, the entry panel, the binary, power,
// root and combined-operation panels, the graph panel and the menu bar. Controls carry their
// names as members and as objectNames ("EdN(0)", "LstZ(4)"); control arrays are indexable.
class Form1 : public QMainWindow, public GraphSource {
  Q_OBJECT

 public:
  explicit Form1(Seams seams = DefaultSeams(), QWidget* parent = nullptr);
  ~Form1() override;

  // ---- window-wide state
  QString ProgramFolder;
  QString SheetFolderName;
  QString LineBreak;
  std::array<QString, 4> OpCaptions;
  std::array<FGraf*, 4> GraphWindows{};
  bool GraphsOn = true;
  bool BinaryResultsReady = false;
  std::unique_ptr<TextGrid> ResultsTable;
  QString LastSavedName;
  std::int16_t Decimals = 2;

  // ---- the store and the entry panel
  ComplexStore Store;
  std::int16_t EditIndex = 0;  // slot open in the entry panel; 0: a new, unstored complex
  Cplx EntryCplx;

  // ---- the panels' last calculations that succeeded
  LastCalculations Last;

  // ---- store operations
  // Each answers false when it refused because the 26 letters are taken (the user was told).
  bool StoreEntry(const Cplx& z);
  bool IncorporateCplx(const Cplx& z);
  void SuprCplx();
  void RefreshStoreLists();
  void SelCplx(std::int16_t k);
  void ClearEntry();
  void ShowInEntry(const Cplx& z);
  // The selector's complex: its slot, or slot 0 (0 + 0i) when nothing is selected.
  Cplx SelectedCplx(int i) const;
  // The user has just picked in selector i (it has the focus and shows the same text); false
  // while the program makes the selection.
  bool UserPick(int i) const;

  // ---- graph panel
  void ResetGraphPanel();
  void ShowInGraphPanel(const Cplx& z);
  void AccioGrf(const QString& tag) override;

  // ---- binary results and the graph windows
  void UpdateBinaryResults(const Cplx& z1, const Cplx& z2);
  void CreateGraphWindow(int k);
  // Graph window k's picture of the last binary calculation.
  void DrawBinaryGraph(int k);
  // Why result k of the last binary calculation is not defined ("Z2 = 0", "too large").
  QString BinaryFailureReason(int k) const;

  // ---- resets of the operation panels (called by the store's reset)
  void RstPot();
  void RstRel();
  void RstBin();
  void RstCmb();

  // ---- controls: entry panel
  QGroupBox* PEdN = nullptr;
  std::array<QLineEdit*, 2> EdN{};
  QToolButton* BtInc = nullptr;
  QToolButton* BtRnd = nullptr;
  QComboBox* LstN = nullptr;
  QComboBox* IdX = nullptr;
  QToolButton* BtHEntr = nullptr;

  // ---- store list
  QGroupBox* PLst = nullptr;
  std::array<QListWidget*, 3> LZ{};
  QPushButton* BtNou = nullptr;
  QPushButton* BtSupr = nullptr;
  QPushButton* Btrst = nullptr;
  std::array<QComboBox*, 5> LstZ{};

  // ---- binary operations
  QGroupBox* POpBin = nullptr;
  std::array<QLineEdit*, 2> IdZ1{};
  std::array<QLineEdit*, 2> IdZ2{};
  QToolButton* OkOp2 = nullptr;
  QToolButton* BtG2 = nullptr;
  QCheckBox* OpGrfs = nullptr;
  QTextEdit* Text1 = nullptr;
  PictureBox* PBTblOp2 = nullptr;
  QLineEdit* TxtTblOp2 = nullptr;

  // ---- unary operations: power and roots
  QGroupBox* POpUn = nullptr;
  QGroupBox* PPot = nullptr;
  QComboBox* LstNp = nullptr;
  std::array<QLineEdit*, 2> IdZ{};
  std::array<QLineEdit*, 2> PZ{};
  QToolButton* OkPot = nullptr;
  QToolButton* BtGP = nullptr;
  QGroupBox* PRoot = nullptr;
  QComboBox* LstNr = nullptr;
  std::array<QLineEdit*, 2> ZR{};
  std::array<QListWidget*, 2> LstRels{};
  QToolButton* OkRel = nullptr;
  QToolButton* BtGR = nullptr;

  // ---- combined operations
  QGroupBox* PComb = nullptr;
  QLineEdit* TxtOp = nullptr;
  std::array<QPushButton*, 20> BtN{};
  QPushButton* OkCmb = nullptr;
  std::array<QLineEdit*, 2> IdRes{};
  QToolButton* BtGC = nullptr;
  QToolButton* BtHCmb = nullptr;

  // ---- graph panel
  QFrame* PGraf = nullptr;
  PictureBox* PBox0 = nullptr;
  QLineEdit* EtZ = nullptr;
  QToolButton* BtGrf = nullptr;

  // ---- coloured shapes behind the panels
  QFrame* MarcEdN = nullptr;
  QFrame* MarcBin = nullptr;
  QFrame* MarcUn = nullptr;
  QFrame* FLst = nullptr;
  QFrame* Shape5 = nullptr;

  // ---- menus; GGr and ITool are indexed from 1 as their names are
  QMenu* OpFtx = nullptr;
  QMenu* OpGuard = nullptr;
  std::array<QAction*, 4> OpG{};
  std::array<QAction*, 6> GGr{};
  QAction* OpObr = nullptr;
  QAction* OpSurt = nullptr;
  QMenu* Tools = nullptr;
  QAction* OpEdTools = nullptr;
  std::array<QAction*, 13> ITool{};
  QMenu* Inf = nullptr;
  QAction* OpInfo = nullptr;
  QAction* OpSobre = nullptr;

  // ---- event handlers, in the order of the controls
  void EdN_KeyDown(int index, int keyCode, Qt::KeyboardModifiers shift);
  void BtInc_Click();
  void BtRnd_Click();
  void IdX_Click();
  void BtHEntr_Click();

  void LZ_Click(int index);
  void LZ_Scroll(int index);
  void LZ_KeyDown(int index, int keyCode, Qt::KeyboardModifiers shift);
  void BtNou_Click();
  void BtSupr_Click();
  void Btrst_Click();
  void LstZ_Click(int index);

  void OkOp2_Click();
  void PBTblOp2_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
  void PBTblOp2_DblClick();
  void POpBin_DblClick();
  void TxtTblOp2_KeyDown(int keyCode);
  void OpGrfs_Click();

  void LstNp_Click();
  void LstNr_Click();
  void OkPot_Click();
  void OkRel_Click();
  void PZ_Change();
  void PZ_DblClick(int index);
  void LstRels_Click(int index);
  void LstRels_Scroll(int index);
  void LstRels_DblClick(int index);

  void BtN_Click(int index);
  void TxtOp_Change();
  void TxtOp_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
  void TxtOp_DblClick();
  void OkCmb_Click();
  void IdRes_Change();
  void IdRes_DblClick(int index);
  void BtHCmb_Click();

  void BtGrf_Click();
  void BtG2_Click();
  void BtGP_Click();
  void BtGR_Click();
  void BtGC_Click();
  void OpG_Click(int index);
  void GGr_Click(int index);
  void OpObr_Click();
  void OpSurt_Click();
  void OpInfo_Click();
  void OpSobre_Click();
  void OpEdTools_Click();
  void ITool_Click(int index);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  void Form_Unload();
  void CreateControls();
  void CreateEntryPanel(QWidget* client);
  void CreateStorePanel(QWidget* client);
  void CreateBinaryPanel(QWidget* client);
  void CreateUnaryPanel(QWidget* client);
  void CreateCombinedPanel(QWidget* client);
  void CreateGraphPanel(QWidget* client);
  void CreateMenus();
  void ConnectControls();
  void LayOutKeypad();
  void InitResultsTable();
  void BuildToolsMenu();
  void CreateGraphWindows();

  // The panels' own part of a selector's change handler (the common part is LstZ_Click).
  void LstZ_ClickBinary(int index, const Cplx& z);
  void LstZ_ClickPower(const Cplx& z, bool userPick);
  void LstZ_ClickRoot(const Cplx& z, bool userPick);
  void LstZ_ClickCombined(bool userPick);

  // A selection made by the program in selector i; it runs the selector's change handler.
  void SelectStoreRow(int i, int row);
  // The capacity message when `added` more complexes would not fit; true when refused.
  bool RefuseWhenFull(int added);
  // EditIndex names a complex of the store (not 0, and not a slot left behind by a reset).
  bool StoredComplexOpen() const;
  void ShowEntryHelpInstead();

  // The combined-operations help, opened when the help viewer cannot be started.
  void ShowCombinedHelpInstead();
  // Places graph window k beside the main window as it stands now.
  void PlaceGraphWindow(int k);
  std::array<bool, 4> graphWindowShown_{};  // shown since it was created: its place is settled
  QPointer<QWidget> combinedHelp_;
  QPointer<QWidget> entryHelp_;

  Seams seams_;
  std::unique_ptr<Notice> notice_;
  int programSelecting_ = 0;  // the program is changing a list: its change signals are not the user's
  int programPick_ = 0;       // a change handler runs for a selection the program made
};
