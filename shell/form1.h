// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "calc/undo_history.h"

#include "calc/problem.h"
#include "lang/language.h"
#include "platform/seams.h"

class BinaryPanel;
class BinaryPlane;
class CombinedPanel;
class EntryPanel;
class FWorking;
class GraphPanel;
class HelpWindow;
class PanelPlane;
class PowerPanel;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QMenu;
class RootsPanel;
class SessionKeeper;
class StorePanel;

// The main window: the frame that holds the panels, the menu bar, and the wiring between them.
// Each panel owns its controls (objectNames as "EdN(0)", "LstZ(4)"), its handlers and its
// layout.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` are the program's, as QCoreApplication::arguments() gives them: "cat" or "esp"
  // there, or in "Lng.txt" when there is nothing, chooses the language from the start. The
  // window is built and loaded (language, tools, graph windows, session); with `load` false it
  // is only built, and Load() loads it: a start builds it while it makes sure that the work folder
  // is its own, and loads nothing from a folder another Zorbit keeps.
  explicit Form1(Seams seams = DefaultSeams(), QWidget* parent = nullptr,
                 QStringList arguments = QCoreApplication::arguments(), bool load = true);
  ~Form1() override;
  void Load();

  // ---- window-wide state
  QString ProgramFolder;
  QString SheetFolderName;
  QString LineBreak;
  QString LastSavedName;
  // The language of the secondary windows and the help, settled at load; the tools editor
  // settles it again when it loads.
  Language Lang;

  // ---- the panels
  EntryPanel* Entry = nullptr;
  StorePanel* Stored = nullptr;
  GraphPanel* Graph = nullptr;
  BinaryPanel* Binary = nullptr;
  QGroupBox* POpUn = nullptr;  // holds the power and roots panels
  PowerPanel* Power = nullptr;
  RootsPanel* Roots = nullptr;
  CombinedPanel* Combined = nullptr;
  // The five selectors of the store's letters, as their panels own them: Z1 and Z2 of the
  // binary operations, Z of the power, Z of the roots, the letter of the combined operation.
  std::array<QComboBox*, 5> LstZ{};

  // The panels' last calculations that succeeded, as the exercises pose them.
  LastCalculations Last() const;

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
  QAction* OpWorksheet = nullptr;
  QAction* OpSurt = nullptr;
  QMenu* OpEdit = nullptr;
  QAction* OpUndo = nullptr;
  QAction* OpRedo = nullptr;
  QAction* OpCopy = nullptr;
  QMenu* Tools = nullptr;
  QAction* OpEdTools = nullptr;
  std::array<QAction*, 13> ITool{};
  QMenu* Inf = nullptr;
  QAction* OpInfo = nullptr;
  QAction* OpSobre = nullptr;

  // ---- menu commands
  void OpG_Click(int index);
  // The panels' Working buttons (0 binary, 1 power, 2 roots, 3 combined): the working of the
  // panel's last calculation in the one working window, at the entry's decimals.
  void ShowWorking(int index);
  QPointer<FWorking> WorkingWindow;
  void GGr_Click(int index);
  void BtGrf_Click();
  void OpObr_Click();
  void OpWorksheet_Click();
  void OpSurt_Click();
  void OpInfo_Click();
  void OpSobre_Click();
  void OpEdTools_Click();
  void ITool_Click(int index);
  void OpUndo_Click();
  void OpRedo_Click();
  void OpCopy_Click();

  // A later start on the same folder handed over its arguments (the program's name first): a
  // language word among them settles the language again, and the window comes forward.
  void TakeArguments(const QStringList& arguments);

  // The manual's pages in the program's own help window, at the section `anchor` when given.
  void ShowManualPages(const QString& anchor = QString());
  // F1: the help of the panel that has the focus.
  void ShowFocusedPanelHelp();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  void Form_Unload();
  void CreatePanels();
  void CreateMenus();
  void ConnectPanels();
  void ConnectMenus();
  // The store as the last run left it.
  void RestoreSession();
  // After every change of the store: kept on disk and in the undo history.
  void StoreChanged();
  // A step of the history taken back or replayed.
  void PutBackStore(const std::vector<Cplx>& complexes);
  // Undo, Redo and Copy are enabled exactly when they can act.
  void RefreshEditItems();
  // A store column has the keyboard focus and a row selected: Copy copies that complex.
  int CopyableRow() const;

  Seams seams_;
  std::unique_ptr<SessionKeeper> keeper_;
  // What the graph panel's plane and the graph windows' planes let the user move.
  std::unique_ptr<PanelPlane> panelPlane_;
  std::unique_ptr<BinaryPlane> binaryPlane_;
  StoreHistory history_;
  QPointer<HelpWindow> manualPages_;
  QStringList arguments_;
};
