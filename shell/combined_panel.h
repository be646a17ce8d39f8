// SPDX-License-Identifier: MIT
#pragma once

#include "core/angle_unit.h"
#include <QGroupBox>
#include <QPointer>
#include <array>
#include <string>

#include "calc/calculations.h"
#include "platform/seams.h"
#include "text/expr_error.h"

class Language;

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class StorePanel;

// The combined operations panel: a formula over the store's letters, its keypad and its value.
class CombinedPanel : public QGroupBox {
  Q_OBJECT

 public:
  // The polar texts on show are written again in `unit`.
  void SetAngleUnit(AngleUnit unit);
  // The help opens in `language`.
  CombinedPanel(StorePanel& store, Seams seams, const Language& language, QWidget* parent);

  QLineEdit* TxtOp = nullptr;
  std::array<QPushButton*, 20> BtN{};
  QComboBox* LstZ = nullptr;  // LstZ(4)
  QPushButton* OkCmb = nullptr;
  std::array<QLineEdit*, 2> IdRes{};
  QToolButton* BtGC = nullptr;
  QToolButton* BtWC = nullptr;  // the working of the last calculation
  QToolButton* BtHCmb = nullptr;

  // The last evaluation that succeeded: a failed attempt leaves it as it was.
  CombinedCalc Last;

  void RstCmb();

  // ---- event handlers
  void BtN_Click(int index);
  void LstZ_Click();
  void TxtOp_Change();
  void TxtOp_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
  void TxtOp_DblClick();
  void OkCmb_Click();
  void IdRes_Change();
  void IdRes_DblClick(int index);
  void BtHCmb_Click();

 signals:
  void Calculated();
  void ExerciseAsked();
  // A formula has a value: the graph panel draws it.
  void Evaluated(const Cplx& value, const QString& formula);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AngleUnit unit_ = AngleUnit::Degrees;
  // The combined-operations help, opened when the help viewer cannot be started.
  void ShowCombinedHelpInstead();

  // Where the string stood when it last lost the focus: the box drops its selection then, and a
  // letter picked in the selector still replaces it.
  struct StringPlace {
    QString Text;
    int Start = -1;
    int Length = 0;
    int Caret = 0;
  };
  // Puts text in place of the selection the string had when the focus left it (a key or a
  // selector took it), or at its caret then; a string changed since keeps its own caret.
  void InsertWhereLeft(const QString& text);
  StringPlace left_;

  StorePanel& store_;
  Seams seams_;
  const Language& language_;
  QPointer<QWidget> combinedHelp_;
};
