// SPDX-License-Identifier: MIT
#include "shell/plane_targets.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QToolButton>

#include "graphics/text_grid.h"
#include "platform/qtext.h"
#include "shell/binary_panel.h"
#include "shell/entry_panel.h"
#include "shell/store_panel.h"
#include "text/complex_text.h"

namespace {
bool Same(const Cplx& a, const Cplx& b) { return a.Re == b.Re && a.Im == b.Im; }
}  // namespace

// ---- the graph panel

PanelPlane::PanelPlane(EntryPanel& entry, StorePanel& store, GraphPanel& graph)
    : entry_(entry), store_(store), graph_(graph) {
  graph_.PBox0->SetTarget(this);
}

PanelPlane::~PanelPlane() { graph_.PBox0->SetTarget(nullptr); }

std::vector<QPointF> PanelPlane::Tips() const {
  if (graph_.Showing() != GraphPanel::Shows::Complex) return {};
  return {QPointF(graph_.Shown().Re, graph_.Shown().Im)};
}

bool PanelPlane::CanPlace() const {
  return graph_.Showing() == GraphPanel::Shows::Plane || graph_.Showing() == GraphPanel::Shows::Complex;
}

int PanelPlane::Decimals() const { return entry_.Decimals; }

void PanelPlane::Redraw() { graph_.Redraw(); }

bool PanelPlane::Begin(int tip) {
  if (tip >= 0 && Tips().empty()) return false;
  for (int i = 0; i < 2; ++i) {
    texts_[i] = entry_.EdN[i]->text();
    modified_[i] = entry_.EdN[i]->isModified();
  }
  caption_ = graph_.EtZ->text();
  shows_ = graph_.Showing();
  shown_ = graph_.Shown();
  return true;
}

void PanelPlane::Move(int, const Cplx& z) {
  graph_.ShowMoved(z);
  entry_.EdN[0]->setText(ToQ(PairText(z, entry_.Decimals)));
  entry_.EdN[1]->setText(ToQ(PolarText(z, entry_.Decimals)));
}

void PanelPlane::KeepingTheView(const std::function<void()>& change) {
  const PlaneWindow view = graph_.PBox0->View.Window();
  const QPointer<QWidget> focus = QApplication::focusWidget();
  change();
  graph_.PBox0->View.SetWindow(view);
  graph_.Redraw();
  if (focus != nullptr) focus->setFocus();
}

void PanelPlane::Commit(bool enter) {
  if (graph_.Showing() != GraphPanel::Shows::Complex) return;
  const Cplx z = graph_.Shown();
  if (store_.StoredComplexOpen()) {
    const int k = store_.EditIndex;
    if (Same(store_.Store().At(k), z)) return;
    // The open complex takes the value as one change (kept on disk, one undo step), and stays
    // open for the next move.
    KeepingTheView([&] {
      entry_.EntryCplx = z;
      store_.StoreEntry(z);
      store_.LZ[0]->setCurrentRow(k - 1);
    });
    return;
  }
  // Released, the value waits in the boxes as if typed; Enter stores it as Enter in a box does.
  if (enter && !entry_.EdN[0]->text().isEmpty())
    KeepingTheView([&] { entry_.EdN_KeyDown(0, Qt::Key_Return, Qt::NoModifier); });
}

void PanelPlane::Cancel() {
  if (shows_ == GraphPanel::Shows::Complex) graph_.ShowMoved(shown_);
  else graph_.Redraw();
  graph_.SetCaption(caption_);
  for (int i = 0; i < 2; ++i) {
    entry_.EdN[i]->setText(texts_[i]);
    entry_.EdN[i]->setModified(modified_[i]);
  }
}

void PanelPlane::Place(const Cplx& z) {
  if (!Begin(-1)) return;
  Move(-1, z);
  Commit(false);
}

// ---- the graph windows

class BinaryPlane::Window : public PlaneTarget {
 public:
  Window(BinaryPlane& owner, int k) : owner_(owner), k_(k) {}
  std::vector<QPointF> Tips() const override { return owner_.Tips(); }
  int Decimals() const override { return owner_.entry_.Decimals; }
  void Redraw() override { owner_.binary_.DrawBinaryGraph(k_); }
  bool Begin(int) override { return owner_.Begin(); }
  void Move(int tip, const Cplx& z) override { owner_.Move(tip, z); }
  void Commit(bool) override { owner_.Commit(); }
  void Cancel() override { owner_.Cancel(); }

 private:
  BinaryPlane& owner_;
  int k_;
};

BinaryPlane::BinaryPlane(BinaryPanel& binary, StorePanel& store, const EntryPanel& entry)
    : binary_(binary), store_(store), entry_(entry) {
  for (int k = 0; k < 4; ++k) {
    windows_[static_cast<std::size_t>(k)] = std::make_unique<Window>(*this, k);
    Attach(k);
  }
  QObject::connect(&binary_, &BinaryPanel::GraphWindowMade, &binary_, [this](int k) { Attach(k); });
  // A calculation the user asks for fits every window to its values again.
  QObject::connect(binary_.OkOp2, &QToolButton::clicked, &binary_, [this] {
    for (int k = 0; k < 4; ++k) {
      PlaneBox* box = Box(k);
      if (box == nullptr || box->View.Fitted()) continue;
      box->View.Fit();
      binary_.DrawBinaryGraph(k);
    }
  });
}

BinaryPlane::~BinaryPlane() {
  for (int k = 0; k < 4; ++k)
    if (PlaneBox* box = Box(k)) box->SetTarget(nullptr);
}

PlaneBox* BinaryPlane::Box(int k) const {
  const FGraf* window = binary_.GraphWindows[static_cast<std::size_t>(k)];
  return window != nullptr ? qobject_cast<PlaneBox*>(window->PBox) : nullptr;
}

void BinaryPlane::Attach(int k) {
  if (PlaneBox* box = Box(k)) box->SetTarget(windows_[static_cast<std::size_t>(k)].get());
}

std::array<int, 2> BinaryPlane::Slots() const {
  std::array<int, 2> letters{};
  for (int i = 0; i < 2; ++i) {
    const int k = binary_.LstZ[static_cast<std::size_t>(i)]->currentIndex() + 1;
    letters[static_cast<std::size_t>(i)] = store_.Store().Holds(k) ? k : 0;
  }
  return letters;
}

// The operands can be moved while the windows show a calculation and both selectors name a
// letter to take the moved value.
std::vector<QPointF> BinaryPlane::Tips() const {
  const std::array<int, 2> letters = Slots();
  if (!binary_.BinaryResultsReady || letters[0] == 0 || letters[1] == 0) return {};
  return {QPointF(binary_.Last.Z1.Re, binary_.Last.Z1.Im), QPointF(binary_.Last.Z2.Re, binary_.Last.Z2.Im)};
}

bool BinaryPlane::Begin() {
  if (Tips().empty()) return false;
  last_ = binary_.Last;
  ready_ = binary_.BinaryResultsReady;
  cells_ = binary_.ResultsTable->Cells;
  for (int f = 0; f < 2; ++f) {
    operandTexts_[static_cast<std::size_t>(f)] = binary_.IdZ1[static_cast<std::size_t>(f)]->text();
    operandTexts_[static_cast<std::size_t>(f) + 2] = binary_.IdZ2[static_cast<std::size_t>(f)]->text();
  }
  // Every window stays where it is while the operands move. Drawn again on the kept view, each
  // keeps its plane as a background, so that the moves only draw what moves.
  for (int k = 0; k < 4; ++k) {
    if (PlaneBox* box = Box(k)) {
      views_[static_cast<std::size_t>(k)] = box->View.Window();
      box->View.Keep(box->Scale());
      binary_.DrawBinaryGraph(k);
    }
  }
  return true;
}

void BinaryPlane::ShowOperands(const Cplx& z1, const Cplx& z2) {
  // A cell is written over what it showed: the table is emptied first, as a calculation does.
  GridClear(*binary_.ResultsTable);
  binary_.UpdateBinaryResults(z1, z2);
  for (int f = 0; f < 2; ++f) {
    const TextForm form = f == 0 ? TextForm::Cartesian : TextForm::Polar;
    binary_.IdZ1[static_cast<std::size_t>(f)]->setText(ToQ(CplxText(z1, 2, form)));
    binary_.IdZ2[static_cast<std::size_t>(f)]->setText(ToQ(CplxText(z2, 2, form)));
  }
}

void BinaryPlane::Move(int tip, const Cplx& z) {
  Cplx z1 = binary_.Last.Z1;
  Cplx z2 = binary_.Last.Z2;
  const std::array<int, 2> letters = Slots();
  // One letter as both operands moves both.
  if (tip == 0 || letters[0] == letters[1]) z1 = z;
  if (tip == 1 || letters[0] == letters[1]) z2 = z;
  ShowOperands(z1, z2);
}

void BinaryPlane::Commit() {
  const std::array<int, 2> letters = Slots();
  const Cplx z1 = binary_.Last.Z1;
  const Cplx z2 = binary_.Last.Z2;
  if (letters[0] == 0 || letters[1] == 0) return;
  if (Same(store_.Store().At(letters[0]), z1) && Same(store_.Store().At(letters[1]), z2)) return;
  {
    const StorePanel::ChangeBatch oneChange(store_);
    store_.ReplaceCplx(letters[0], z1);
    if (letters[1] != letters[0]) store_.ReplaceCplx(letters[1], z2);
  }
  // The store's change empties the table; the operands as they now stand are calculated again.
  binary_.OkOp2_Click();
}

void BinaryPlane::Cancel() {
  binary_.Last = last_;
  binary_.BinaryResultsReady = ready_;
  GridClear(*binary_.ResultsTable);
  for (int r = 0; r < static_cast<int>(cells_.size()); ++r)
    for (int c = 0; c < static_cast<int>(cells_[static_cast<std::size_t>(r)].size()); ++c)
      GridSetCell(cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], *binary_.ResultsTable, r, c);
  for (int f = 0; f < 2; ++f) {
    binary_.IdZ1[static_cast<std::size_t>(f)]->setText(operandTexts_[static_cast<std::size_t>(f)]);
    binary_.IdZ2[static_cast<std::size_t>(f)]->setText(operandTexts_[static_cast<std::size_t>(f) + 2]);
  }
  for (int k = 0; k < 4; ++k) {
    if (PlaneBox* box = Box(k)) box->View.SetWindow(views_[static_cast<std::size_t>(k)]);
    binary_.DrawBinaryGraph(k);
  }
}

// ---- saving

FittedPictures::FittedPictures(GraphPanel& graph, BinaryPanel& binary) : graph_(graph), binary_(binary) {
  panelView_ = graph_.PBox0->View.Window();
  if (panelView_) {
    graph_.PBox0->View.Fit();
    graph_.Redraw();
  }
  for (int k = 0; k < 4; ++k) {
    const FGraf* window = binary_.GraphWindows[static_cast<std::size_t>(k)];
    auto* box = window != nullptr ? qobject_cast<PlaneBox*>(window->PBox) : nullptr;
    if (box == nullptr || box->View.Fitted()) continue;
    views_[static_cast<std::size_t>(k)] = box->View.Window();
    box->View.Fit();
    binary_.DrawBinaryGraph(k);
  }
}

FittedPictures::~FittedPictures() {
  if (panelView_) {
    graph_.PBox0->View.SetWindow(panelView_);
    graph_.Redraw();
  }
  for (int k = 0; k < 4; ++k) {
    if (!views_[static_cast<std::size_t>(k)]) continue;
    const FGraf* window = binary_.GraphWindows[static_cast<std::size_t>(k)];
    auto* box = window != nullptr ? qobject_cast<PlaneBox*>(window->PBox) : nullptr;
    if (box == nullptr) continue;
    box->View.SetWindow(views_[static_cast<std::size_t>(k)]);
    binary_.DrawBinaryGraph(k);
  }
}
