// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "text/format_real.h"

namespace {

TEST(DotDecimal, TurnsCommasIntoPointsAndDropsAFinalPoint) {
  EXPECT_EQ(DotDecimal("2,5"), "2.5");
  EXPECT_EQ(DotDecimal("1,2,"), "1.2");
  EXPECT_EQ(DotDecimal("3."), "3");
  EXPECT_EQ(DotDecimal(""), "");
  EXPECT_EQ(RepeatText(3, "0") + RepeatText(-1, "0"), "000");
}

TEST(DeleteAt, CountsCharactersNotBytes) {
  EXPECT_EQ(DeleteAt("abcdef", 2, 3), "aef");
  EXPECT_EQ(DeleteAt("abc", 2, 99), "a");
  EXPECT_EQ(DeleteAt("abc", 4, 1), "abc");
  EXPECT_EQ(DeleteAt("abc", 0, 1), "abc");
  EXPECT_EQ(DeleteAt("5\u00B0x", 2, 1), "5x");
  EXPECT_EQ(DeleteAt("\u00B0\u00B0ab", 3, 1), "\u00B0\u00B0b");
}

TEST(DeleteFirst, RemovesTheDegreeSignOnce) {
  EXPECT_EQ(DeleteFirst("53.1\u00B0", "\u00B0"), "53.1");
  EXPECT_EQ(DeleteFirst("53.1", "\u00B0"), "53.1");
  EXPECT_EQ(DeleteFirst("1\u00B02\u00B0", "\u00B0"), "12\u00B0");
  EXPECT_EQ(DeleteFirst("abc", ""), "abc");
}

TEST(InsertAt, ClipsThePositionToTheEnd) {
  EXPECT_EQ(InsertAt("", "x", 5), "x");
  EXPECT_EQ(InsertAt("abc", "X", 1), "Xabc");
  EXPECT_EQ(InsertAt("abc", "X", 3), "abXc");
  EXPECT_EQ(InsertAt("abc", "X", 99), "abcX");
  EXPECT_EQ(InsertAt("a\u00B0b", "X", 3), "a\u00B0Xb");
}

TEST(ReplaceFirstAndAll, ReplaceOccurrences) {
  EXPECT_EQ(ReplaceFirst("1,2,3", ",", "."), "1.2,3");
  EXPECT_EQ(ReplaceFirst("123", ",", "."), "123");
  EXPECT_EQ(ReplaceAll("pi/4+pi", "pi", "3.14159265358979"), "3.14159265358979/4+3.14159265358979");
  EXPECT_EQ(ReplaceAll("1,2,3", ",", "."), "1.2.3");
  // Replacing the first occurrence until none is left also catches occurrences that a
  // replacement creates.
  EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");
  EXPECT_EQ(ReplaceAll("ppii", "pi", ""), "");
  // A replacement that holds the searched text must still end.
  EXPECT_EQ(ReplaceAll("ab-ab", "ab", "xaby"), "xaby-xaby");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(FirstOfChars, TheOrderOfTheSetWins) {
  EXPECT_EQ(FirstOfChars(", ", "a b,c"), 4u);
  EXPECT_EQ(FirstOfChars(", ", "a b c"), 2u);
  EXPECT_EQ(FirstOfChars(", ", "abc"), 0u);
  EXPECT_EQ(FirstOfChars("\u00B0", "12\u00B0"), 3u);
  EXPECT_EQ(FirstOfChars("x\u00B0", "\u00B0\u00B0x"), 3u);
}

}  // namespace
