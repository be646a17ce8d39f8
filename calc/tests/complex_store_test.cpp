// SPDX-License-Identifier: MIT
#include "calc/complex_store.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Cplx Z(double re) { return MakeCplx(re, 0); }

// The real parts of the stored complexes, in letter order.
std::vector<double> Reals(const ComplexStore& store) {
  std::vector<double> reals;
  for (int k = 1; k <= store.Count(); ++k) reals.push_back(store.At(k).Re);
  return reals;
}

ComplexStore StoreOf(int n) {
  ComplexStore store;
  for (int k = 1; k <= n; ++k) store.Append(Z(k));
  return store;
}

TEST(ComplexStore, StartsEmptyWithSlotZeroAtZero) {
  const ComplexStore store;
  EXPECT_EQ(store.Count(), 0);
  EXPECT_TRUE(store.Empty());
  const Cplx& zero = store.At(0);
  EXPECT_TRUE(zero.Re == 0 && zero.Im == 0 && zero.Mod == 0 && zero.Arg == 0);
  EXPECT_EQ(&store.At(-1), &zero);
  EXPECT_EQ(&store.At(65), &zero);
}

TEST(ComplexStore, AppendGivesTheNextLetterUpToTwentySix) {
  ComplexStore store;
  for (int k = 1; k <= StoreCapacity; ++k) ASSERT_EQ(store.Append(Z(k)), k);
  EXPECT_FALSE(store.Fits(1));
  EXPECT_TRUE(store.Fits(0));
  EXPECT_EQ(store.Append(Z(99)), 0);
  EXPECT_EQ(store.Count(), 26);
  EXPECT_EQ(store.At(26).Re, 26);
  EXPECT_EQ(store.At(27).Re, 0);  // the refused one left no trace
}

TEST(ComplexStore, FitsCountsTheComplexesStillToCome) {
  const struct {
    int stored, added;
    bool fits;
  } cases[] = {{0, 26, true}, {0, 27, false}, {25, 1, true}, {25, 2, false}, {26, 0, true}, {26, -1, true}, {3, 23, true}};
  for (const auto& c : cases) EXPECT_EQ(StoreOf(c.stored).Fits(c.added), c.fits) << c.stored << " + " << c.added;
}

TEST(ComplexStore, ReplaceWritesOnlyAStoredSlot) {
  const struct {
    int k;
    bool done;
    std::vector<double> after;
  } cases[] = {{1, true, {9, 2, 3}}, {3, true, {1, 2, 9}}, {0, false, {1, 2, 3}}, {4, false, {1, 2, 3}},
               {-1, false, {1, 2, 3}}};
  for (const auto& c : cases) {
    ComplexStore store = StoreOf(3);
    EXPECT_EQ(store.Replace(c.k, Z(9)), c.done) << c.k;
    EXPECT_EQ(Reals(store), c.after) << c.k;
  }
}

TEST(ComplexStore, RemovingRenamesTheFollowingLetters) {
  const struct {
    int k;
    bool done;
    std::vector<double> after;
  } cases[] = {{1, true, {2, 3, 4}}, {2, true, {1, 3, 4}}, {4, true, {1, 2, 3}}, {0, false, {1, 2, 3, 4}},
               {5, false, {1, 2, 3, 4}}};
  for (const auto& c : cases) {
    ComplexStore store = StoreOf(4);
    EXPECT_EQ(store.Remove(c.k), c.done) << c.k;
    EXPECT_EQ(Reals(store), c.after) << c.k;
  }
}

TEST(ComplexStore, RemovedAndClearedSlotsStayBehindAsTheyWere) {
  ComplexStore store = StoreOf(3);
  store.Remove(1);
  EXPECT_EQ(store.At(3).Re, 3);  // the last value, now beyond the count
  store.Clear();
  EXPECT_TRUE(store.Empty());
  EXPECT_EQ(store.At(1).Re, 2);
  // A new complex takes letter a again.
  EXPECT_EQ(store.Append(Z(7)), 1);
  EXPECT_EQ(Reals(store), std::vector<double>{7});
}

TEST(LetterOf, NamesSlotsByCharacterCode) {
  EXPECT_EQ(LetterOf(1), "a");
  EXPECT_EQ(LetterOf(2), "b");
  EXPECT_EQ(LetterOf(26), "z");
  EXPECT_EQ(LetterOf(31), "\x7F");
  EXPECT_EQ(LetterOf(64), "\u00A0");
  EXPECT_EQ(LetterOf(65), "");
  EXPECT_EQ(LetterOf(-1), "");
}

TEST(LettersOf, KeepsLettersInOrderLowerCased) {
  EXPECT_EQ(LettersOf("2*A+(b^3)'"), "ab");
  EXPECT_EQ(LettersOf("a*a+B"), "aab");
  EXPECT_EQ(LettersOf(""), "");
  EXPECT_EQ(LettersOf("1+2"), "");
  EXPECT_EQ(LettersOf("\u00E9z\u00B0"), "z");
}

}  // namespace
