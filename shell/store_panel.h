// SPDX-License-Identifier: MIT
#pragma once

#include "core/angle_unit.h"
#include <QGroupBox>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "calc/complex_store.h"
#include "platform/seams.h"

class QComboBox;
class QKeyEvent;
class QListWidget;
class QPushButton;

// The store of complexes as the user sees it: the letter, cartesian and polar columns, the new,
// delete and reset buttons, and the five selectors of the operation panels, which it fills. It
// owns the store and knows which complex is open in the entry panel.
class StorePanel : public QGroupBox {
  Q_OBJECT

 public:
  // The polar texts on show are written again in `unit`.
  void SetAngleUnit(AngleUnit unit);
  StorePanel(Seams seams, QWidget* parent);

  std::array<QListWidget*, 3> LZ{};
  QPushButton* BtNou = nullptr;
  QPushButton* BtSupr = nullptr;
  QPushButton* Btrst = nullptr;

  const ComplexStore& Store() const { return store_; }
  // The slot open in the entry panel; 0: a new, unstored complex. After a reset it may still
  // name a slot that no longer exists.
  std::int16_t EditIndex = 0;
  // EditIndex names a complex of the store.
  bool StoredComplexOpen() const { return store_.Holds(EditIndex); }

  // The operation panels' selectors LstZ(0) to LstZ(4), in that order.
  void SetSelectors(const std::array<QComboBox*, 5>& selectors);
  // The selector's complex: its slot, or slot 0 (0 + 0i) when nothing is selected.
  Cplx Selected(const QComboBox* selector) const;

  // Each answers false when it refused because the 26 letters are taken (the user was told).
  // The open complex takes z, or z becomes a new letter.
  bool StoreEntry(const Cplx& z);
  // Stored complex k takes z, whether it is open or not; false when k is not stored.
  bool ReplaceCplx(int k, const Cplx& z);
  // z always becomes a new letter.
  bool IncorporateCplx(const Cplx& z);
  // The capacity message when `added` more complexes would not fit; true when refused.
  bool RefuseWhenFull(int added);
  // Deletes the open complex; the following letters move down.
  void SuprCplx();
  // Opens stored complex k in the entry panel.
  void SelCplx(std::int16_t k);
  // No complex open any more; the entry panel empties.
  void CloseEntry();
  // Something was stored: the reset button can empty the store.
  void AllowReset() const;

  // The stored complexes in letter order.
  std::vector<Cplx> Contents() const;
  // The store takes these complexes instead of its own (a session restored, a change undone):
  // the entry closes, the columns and selectors are filled as after a store, and a selector
  // left without a complex takes the one a store would give it. Changed is not sent.
  void PutBack(const std::vector<Cplx>& complexes);

  // Changes made within one batch are announced once, at its end: the random complexes of one
  // click are one change.
  class ChangeBatch {
   public:
    explicit ChangeBatch(StorePanel& store) : store_(store) { ++store_.batchDepth_; }
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

   private:
    StorePanel& store_;
  };

  // ---- event handlers
  void LZ_Click(int index);
  void LZ_Scroll(int index);
  void BtNou_Click();
  void BtSupr_Click();
  void Btrst_Click();

 signals:
  // Stored complex z is open for editing.
  void Opened(const Cplx& z);
  // The entry panel shows no complex any more.
  void EntryClosed();
  // The program changed what selector i (LstZ(i)) selects.
  void OperandSelected(int i);
  void Deleted();
  void NewEntryAsked();
  // The store was emptied by the reset button: every panel starts afresh.
  void Emptied();
  // The contents of the store may have changed: an entry, a deletion, a reset, random complexes,
  // a result taken back. Sent once per change, after the columns show it.
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AngleUnit unit_ = AngleUnit::Degrees;
  bool RepickTypedLetter(QComboBox* selector, const QKeyEvent& key);
  void RefreshStoreLists();
  // Empties the three columns and the five selectors; their signals stay silent while `fill`
  // (if given) puts the new rows in.
  void RewriteLists(const std::function<void()>& fill = {});
  // A selection made by the program in selector i; its panel is told.
  void SelectStoreRow(int i, int row);
  // Announces a change now, or at the end of the running batch.
  void AnnounceChange();

  int batchDepth_ = 0;
  bool changedInBatch_ = false;

  Seams seams_;
  ComplexStore store_;
  std::array<QComboBox*, 5> selectors_{};
  // The mouse went down on the row that was already current.
  bool pressedCurrentRow_ = false;
};
