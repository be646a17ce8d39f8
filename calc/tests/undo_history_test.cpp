// SPDX-License-Identifier: MIT
#include "calc/undo_history.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One line of a script: an action, then what the history must say after it.
struct Step {
  char Action;  // 'c' commit Value, 'u' undo, 'r' redo
  int Value;    // the committed value, or the state undo/redo must answer (-1: none)
  int Present;
  bool CanUndo;
  bool CanRedo;
};

void RunScript(const std::vector<Step>& script) {
  UndoHistory<int> history(0);
  int line = 0;
  for (const Step& step : script) {
    SCOPED_TRACE("step " + std::to_string(line++) + " '" + std::string(1, step.Action) + "'");
    if (step.Action == 'c') {
      history.Commit(step.Value);
    } else {
      const std::optional<int> got = step.Action == 'u' ? history.Undo() : history.Redo();
      EXPECT_EQ(got.value_or(-1), step.Value);
    }
    EXPECT_EQ(history.Present(), step.Present);
    EXPECT_EQ(history.CanUndo(), step.CanUndo);
    EXPECT_EQ(history.CanRedo(), step.CanRedo);
  }
}

TEST(UndoHistory, UndoesAndRedoesInOrder) {
  RunScript({
      {'u', -1, 0, false, false},  // nothing to take back at start
      {'c', 1, 1, true, false},
      {'c', 2, 2, true, false},
      {'c', 3, 3, true, false},
      {'u', 2, 2, true, true},
      {'u', 1, 1, true, true},
      {'r', 2, 2, true, true},
      {'u', 1, 1, true, true},
      {'u', 0, 0, false, true},
      {'u', -1, 0, false, true},  // past the first change: nothing, redo kept
      {'r', 1, 1, true, true},
      {'r', 2, 2, true, true},
      {'r', 3, 3, true, false},
      {'r', -1, 3, true, false},
  });
}

TEST(UndoHistory, NewChangeEndsTheRedoLine) {
  RunScript({
      {'c', 1, 1, true, false},
      {'c', 2, 2, true, false},
      {'u', 1, 1, true, true},
      {'c', 7, 7, true, false},  // 2 can no longer come back
      {'r', -1, 7, true, false},
      {'u', 1, 1, true, true},
      {'u', 0, 0, false, true},
  });
}

TEST(UndoHistory, ChangeToTheSameStateMakesNoStep) {
  RunScript({
      {'c', 0, 0, false, false},
      {'c', 5, 5, true, false},
      {'u', 0, 0, false, true},
      {'c', 0, 0, false, true},  // nothing changed: the redo line stays
      {'r', 5, 5, true, false},
  });
}

TEST(UndoHistory, KeepsTheLastHundredSteps) {
  UndoHistory<int> history(0);
  for (int k = 1; k <= 150; ++k) history.Commit(k);
  int undone = 0;
  while (history.Undo()) ++undone;
  EXPECT_EQ(undone, 100);
  EXPECT_EQ(history.Present(), 50);  // the oldest 50 states were let go
  while (history.Redo()) {
  }
  EXPECT_EQ(history.Present(), 150);
}

TEST(UndoHistory, ResetForgetsEverything) {
  UndoHistory<int> history(0);
  history.Commit(1);
  history.Commit(2);
  history.Undo();
  history.Reset(9);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Present(), 9);
}

TEST(StoreHistory, TakesBackWholeStoreContents) {
  const Cplx a = MakeCplx(3, 4);
  const Cplx b = MakePolarCplx(2, 400);
  StoreHistory history;
  history.Commit({a});
  history.Commit({a, b});
  history.Commit({});  // rst
  const std::optional<StoreContents> back = history.Undo();
  ASSERT_TRUE(back);
  ASSERT_EQ(back->size(), 2u);
  EXPECT_EQ((*back)[1].Arg, 400);  // the unreduced argument comes back as it was
  EXPECT_EQ(history.Undo()->size(), 1u);
  EXPECT_EQ(history.Redo()->size(), 2u);
}

TEST(SameStoreContents, ComparesEveryFieldBitForBit) {
  const Cplx z = MakePolarCplx(2, 40);
  Cplx minusZero = MakeCplx(0, 0);
  minusZero.Im = -0.0;
  Cplx turned = z;
  turned.Arg = 400;
  Cplx otherMod = z;
  otherMod.Mod = 2.0000000000000004;
  const SameStoreContents same;
  struct Case {
    StoreContents A, B;
    bool Same;
  };
  const Case cases[] = {
      {{}, {}, true},
      {{z}, {z}, true},
      {{z}, {}, false},
      {{z}, {z, z}, false},
      {{MakeCplx(0, 0)}, {minusZero}, false},
      {{z}, {turned}, false},
      {{z}, {otherMod}, false},
      {{z, turned}, {z, turned}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(same(c.A, c.B), c.Same) << c.A.size() << " against " << c.B.size() << " items";
    EXPECT_EQ(same(c.B, c.A), c.Same);
  }
}

}  // namespace
