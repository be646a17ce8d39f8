// SPDX-License-Identifier: MIT
#include "calc/complex_store.h"

#include <gtest/gtest.h>

namespace {

TEST(ComplexStore, StartsEmptyWithSlotZeroAtZero) {
  const ComplexStore store;
  EXPECT_EQ(store.Count, 0);
  const Cplx& zero = store.StoreSlots[0];
  EXPECT_TRUE(zero.Re == 0 && zero.Im == 0 && zero.Mod == 0 && zero.Arg == 0);
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
