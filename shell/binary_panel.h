// SPDX-License-Identifier: MIT
#pragma once

#include "core/angle_unit.h"
#include <QGroupBox>
#include <QString>
#include <array>
#include <memory>

#include "calc/calculations.h"
#include "graphics/fgraf.h"
#include "graphics/plane.h"

class PictureBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class RowCaptions;
class StorePanel;
class TextGrid;

// The binary operations panel: Z1 and Z2 from the store, the table of the four results, and the
// four graph windows that draw them beside the main window.
class BinaryPanel : public QGroupBox, public GraphSource {
  Q_OBJECT

 public:
  // The polar texts on show are written again in `unit`.
  void SetAngleUnit(AngleUnit unit);
  BinaryPanel(StorePanel& store, QWidget* parent);
  ~BinaryPanel() override;

  std::array<QComboBox*, 2> LstZ{};
  std::array<QLineEdit*, 2> IdZ1{};
  std::array<QLineEdit*, 2> IdZ2{};
  QToolButton* OkOp2 = nullptr;
  QToolButton* BtG2 = nullptr;
  QToolButton* BtW2 = nullptr;  // the working of the last calculation
  QCheckBox* OpGrfs = nullptr;
  RowCaptions* Text1 = nullptr;  // the operations' names, one beside each row of the table
  PictureBox* PBTblOp2 = nullptr;
  QLineEdit* TxtTblOp2 = nullptr;
  std::unique_ptr<TextGrid> ResultsTable;

  // The last calculation; BinaryResultsReady while it stands (a reset puts it aside).
  BinaryCalc Last;
  bool BinaryResultsReady = false;

  // The graph windows, one per operation, made at load and again when closed by the user.
  std::array<FGraf*, 4> GraphWindows{};
  // The scale each graph window was last drawn on.
  std::array<PlaneScale, 4> GraphScales{};
  std::array<QString, 4> OpCaptions;
  bool GraphsOn = true;
  void CreateGraphWindows();
  void CreateGraphWindow(int k);
  // Graph window k's picture of the last calculation.
  void DrawBinaryGraph(int k);
  void AccioGrf(const QString& tag) override;
  // Why result k of the last calculation is not defined ("Z2 = 0", "too large").
  QString BinaryFailureReason(int k) const;

  // Z1 (i = 0) or Z2 (i = 1) is now the selector's complex: its boxes show it and the table
  // empties.
  void ShowOperand(int i);
  void UpdateBinaryResults(const Cplx& z1, const Cplx& z2);
  // The results table shows the results of the operands as they stand.
  bool ResultsOnShow() const;
  void RstBin();

  // ---- event handlers
  void OkOp2_Click();
  void PBTblOp2_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
  void PBTblOp2_DblClick();
  void POpBin_DblClick();
  void TxtTblOp2_KeyDown(int keyCode);
  void OpGrfs_Click();

 signals:
  // A calculation was made; complete when all four results exist.
  void Calculated(bool complete);
  void ExerciseAsked();
  // Graph window k was made (at load, or again after it was closed).
  void GraphWindowMade(int k);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AngleUnit unit_ = AngleUnit::Degrees;
  // Places graph window k beside the main window as it stands now.
  void PlaceGraphWindow(int k);

  StorePanel& store_;
  std::array<bool, 4> graphWindowShown_{};  // shown since it was created: its place is settled
};
