// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "calc/calculations.h"
#include "graphics/plane_box.h"
#include "shell/graph_panel.h"

class BinaryPanel;
class EntryPanel;
class StorePanel;

// The graph panel's plane: its complex is dragged, clicked into place and moved with the keys.
// What moves shows at once in the arrow, the caption and both entry boxes; on release the open
// stored complex takes it as one change, or, with none open, it waits in the boxes as if typed.
class PanelPlane : public PlaneTarget {
 public:
  PanelPlane(EntryPanel& entry, StorePanel& store, GraphPanel& graph);
  ~PanelPlane() override;

  std::vector<QPointF> Tips() const override;
  bool CanPlace() const override;
  int Decimals() const override;
  void Redraw() override;
  bool Begin(int tip) override;
  void Move(int tip, const Cplx& z) override;
  void Commit(bool enter) override;
  void Cancel() override;
  void Place(const Cplx& z) override;

 private:
  // Keeps the view, and the focus, across what a store does to the panel and the boxes.
  void KeepingTheView(const std::function<void()>& change);

  EntryPanel& entry_;
  StorePanel& store_;
  GraphPanel& graph_;
  // As it was at Begin.
  std::array<QString, 2> texts_;
  std::array<bool, 2> modified_{};
  QString caption_;
  GraphPanel::Shows shows_ = GraphPanel::Shows::Nothing;
  Cplx shown_;
};

// The four graph windows' planes: Z1 and Z2 dragged in any of them move the operands, the results
// table, the operand boxes and all four windows; on release the letters the selectors name take
// the moved operands, as one change.
class BinaryPlane {
 public:
  BinaryPlane(BinaryPanel& binary, StorePanel& store, const EntryPanel& entry);
  ~BinaryPlane();
  // Graph window k was made: its plane answers to this.
  void Attach(int k);

 private:
  class Window;
  std::vector<QPointF> Tips() const;
  // The slots the selectors of Z1 and Z2 name; 0 for none.
  std::array<int, 2> Slots() const;
  bool Begin();
  void Move(int tip, const Cplx& z);
  void Commit();
  void Cancel();
  void ShowOperands(const Cplx& z1, const Cplx& z2);
  // The windows' planes are kept as backgrounds while a drag lasts, and let go after.
  void KeepBackgrounds(bool on);
  PlaneBox* Box(int k) const;

  BinaryPanel& binary_;
  StorePanel& store_;
  const EntryPanel& entry_;
  std::array<std::unique_ptr<Window>, 4> windows_;
  // As it was at Begin.
  BinaryCalc last_;
  bool ready_ = false;
  std::vector<std::vector<QString>> cells_;
  std::array<QString, 4> operandTexts_;
  std::array<PlaneWindow, 4> views_;
};

// The pictures of the graph panel and of the graph windows drawn on the windows they fit to their
// values while this lives, whatever the user's views: a saved graph is the same picture for the
// same values.
class FittedPictures {
 public:
  FittedPictures(GraphPanel& graph, BinaryPanel& binary);
  ~FittedPictures();
  FittedPictures(const FittedPictures&) = delete;
  FittedPictures& operator=(const FittedPictures&) = delete;

 private:
  GraphPanel& graph_;
  BinaryPanel& binary_;
  PlaneWindow panelView_;
  std::array<PlaneWindow, 4> views_;
};
