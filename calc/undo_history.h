// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/cplx.h"

// How many changes can be taken back.
inline constexpr std::size_t UndoSteps = 100;

// The undo and redo of whole snapshots. The history knows the present state: Commit hands it the
// state after a change, Undo and Redo answer the state to bring back. A change that leaves the
// state as it was (same under `Same`) makes no step, so Ctrl+Z never seems to do nothing.
template <class Snapshot, class Same = std::equal_to<Snapshot>>
class UndoHistory {
 public:
  explicit UndoHistory(Snapshot present = Snapshot{}, std::size_t steps = UndoSteps)
      : present_(std::move(present)), steps_(steps) {}

  // Forgets every step and takes `present` as the state (at start, after a restore).
  void Reset(Snapshot present) {
    undo_.clear();
    redo_.clear();
    present_ = std::move(present);
  }

  // Records a change that made `after` the present state. A new change ends the redo line.
  // Answers whether a step was made.
  bool Commit(Snapshot after) {
    if (Same{}(after, present_)) return false;
    undo_.push_back(std::move(present_));
    if (undo_.size() > steps_) undo_.pop_front();
    present_ = std::move(after);
    redo_.clear();
    return true;
  }

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }

  // The state before the last change, which becomes the present; nothing when there is none.
  std::optional<Snapshot> Undo() {
    if (undo_.empty()) return std::nullopt;
    redo_.push_back(std::move(present_));
    present_ = std::move(undo_.back());
    undo_.pop_back();
    return present_;
  }

  // The state of the last change taken back, which becomes the present again.
  std::optional<Snapshot> Redo() {
    if (redo_.empty()) return std::nullopt;
    undo_.push_back(std::move(present_));
    present_ = std::move(redo_.back());
    redo_.pop_back();
    return present_;
  }

  const Snapshot& Present() const { return present_; }

 private:
  Snapshot present_;
  std::size_t steps_;
  std::deque<Snapshot> undo_;
  std::vector<Snapshot> redo_;
};

// The stored complexes in slot order (slot 1 first), as the store's history and the session file
// see them.
using StoreContents = std::vector<Cplx>;

// Two store contents are the same when every field has the same bits: 0 and -0 differ (they are
// written differently), and a changed argument such as 400° against 40° is a change.
struct SameStoreContents {
  bool operator()(const StoreContents& a, const StoreContents& b) const;
};

using StoreHistory = UndoHistory<StoreContents, SameStoreContents>;
