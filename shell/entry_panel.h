// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QPointer>
#include <array>
#include <cstdint>

#include "core/angle_unit.h"
#include "core/cplx.h"
#include "platform/seams.h"

class Language;

class GraphPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QShortcut;
class QToolButton;
class StorePanel;

// The entry panel: a complex typed in cartesian or polar form, random complexes, the decimals of
// the open complex and the help on entry. What it reads goes into the store.
class EntryPanel : public QGroupBox {
  Q_OBJECT

 public:
  // The help opens in `language`.
  EntryPanel(Seams seams, const Language& language, QWidget* parent);
  ~EntryPanel() override;
  // The store it fills and the graph panel that shows what it reads; set before any event.
  void Use(StorePanel& store, GraphPanel& graph);

  std::array<QLineEdit*, 2> EdN{};
  QToolButton* BtInc = nullptr;
  QToolButton* BtRnd = nullptr;
  QComboBox* LstN = nullptr;
  QComboBox* IdX = nullptr;
  QToolButton* BtHEntr = nullptr;
  // The unit the polar box reads and writes its argument in: "°" or "rad".
  QComboBox* LstUnit = nullptr;
  // While a stored complex is open: which letter Enter replaces, and how to leave.
  QLabel* EtEdit = nullptr;

  std::int16_t Decimals = 2;
  AngleUnit Unit = AngleUnit::Degrees;
  // The last complex read or drawn.
  Cplx EntryCplx;

  // Stored complex z, open for editing, in both boxes and on the graph panel.
  void ShowInEntry(const Cplx& z);
  // Both boxes empty, the caret in the cartesian one.
  void ClearEntry();

  // ---- event handlers
  void EdN_KeyDown(int index, int keyCode, Qt::KeyboardModifiers shift);
  void BtInc_Click();
  void BtRnd_Click();
  void IdX_Click();
  void BtHEntr_Click();
  void LstUnit_Click();
  // Esc: the open complex stays as stored and the next entry is a new one.
  void LeaveEditing();

 signals:
  // The user chose another angle unit; every polar text follows it.
  void AngleUnitChanged(AngleUnit unit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowEntryHelpInstead();
  bool ReadEntryBox(int index, RealPair& pair);

  StorePanel* store_ = nullptr;
  GraphPanel* graph_ = nullptr;
  Seams seams_;
  const Language& language_;
  QPointer<QWidget> entryHelp_;
  QLabel* example_ = nullptr;
  std::array<QShortcut*, 2> escape_{};
};
