// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <array>

#include "calc/calculations.h"
#include "platform/seams.h"

class GraphPanel;
class QComboBox;
class QLineEdit;
class QToolButton;
class StorePanel;

// The power panel: Z from the store to a real exponent n.
class PowerPanel : public QGroupBox {
  Q_OBJECT

 public:
  PowerPanel(StorePanel& store, GraphPanel& graph, Seams seams, QWidget* parent);

  QComboBox* LstZ = nullptr;  // LstZ(2)
  QComboBox* LstNp = nullptr;
  std::array<QLineEdit*, 2> IdZ{};
  std::array<QLineEdit*, 2> PZ{};
  QToolButton* OkPot = nullptr;
  QToolButton* BtGP = nullptr;
  QToolButton* BtWP = nullptr;  // the working of the last calculation

  // The last power that succeeded: a failed attempt leaves it as it was.
  PowerCalc Last;

  // Z is now the selector's complex; a pick by the user starts the panel afresh.
  void ShowOperand(bool userPick);
  void RstPot();

  // ---- event handlers
  void LstNp_Click();
  void OkPot_Click();
  void PZ_Change();
  void PZ_DblClick(int index);

 signals:
  void Calculated();
  void ExerciseAsked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  StorePanel& store_;
  GraphPanel& graph_;
  Seams seams_;
};
