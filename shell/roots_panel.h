// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <array>

#include "calc/calculations.h"
#include "platform/seams.h"

class GraphPanel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QToolButton;
class StorePanel;

// The roots panel: the n-th roots of Z from the store, listed in both forms.
class RootsPanel : public QGroupBox {
  Q_OBJECT

 public:
  RootsPanel(StorePanel& store, GraphPanel& graph, Seams seams, QWidget* parent);

  QComboBox* LstZ = nullptr;  // LstZ(3)
  QComboBox* LstNr = nullptr;
  std::array<QLineEdit*, 2> ZR{};
  std::array<QListWidget*, 2> LstRels{};
  QToolButton* OkRel = nullptr;
  QToolButton* BtGR = nullptr;
  QToolButton* BtWR = nullptr;  // the working of the last calculation

  // The last roots that succeeded: a failed attempt leaves them as they were.
  RootsCalc Last;

  // Z is now the selector's complex; a pick by the user starts the panel afresh.
  void ShowOperand(bool userPick);
  void RstRel();

  // ---- event handlers
  void LstNr_Click();
  void OkRel_Click();
  void LstRels_Click(int index);
  void LstRels_Scroll(int index);
  void LstRels_DblClick(int index);

 signals:
  void Calculated();
  void ExerciseAsked();

 private:
  StorePanel& store_;
  GraphPanel& graph_;
  Seams seams_;
};
