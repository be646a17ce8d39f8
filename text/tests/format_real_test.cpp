// SPDX-License-Identifier: MIT
#include "text/format_real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <locale>

namespace {

struct Case {
  double value;
  int decimals;
  std::string text;
};

TEST(FormatReal, StripsTrailingZerosAndTheBarePoint) {
  const Case cases[] = {
      {2.5, 2, "2.5"},     {3, 2, "3"},           {10, 2, "10"},      {0, 2, "0"},
      {1.006, 2, "1.01"},  {1.004, 2, "1"},       {-0.5, 2, "-0.5"},  {0.000001, 2, "0"},
      {100, 1, "100"},     {0.1, 9, "0.1"},       {1.0 / 3, 5, "0.33333"},
      {-2.0 / 3, 3, "-0.667"}, {7, 0, "7"},       {100, 0, "100"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatReal(c.value, c.decimals), c.text) << c.value;
}

TEST(FormatReal, ExactHalvesRoundAwayFromZero) {
  const Case cases[] = {
      {0.125, 2, "0.13"},  {-0.125, 2, "-0.13"},  {0.375, 2, "0.38"}, {2.5, 0, "3"},
      {0.5, 0, "1"},       {-0.5, 0, "-1"},       {9.5, 0, "10"},     {-99.5, 0, "-100"},
      {0.0625, 3, "0.063"}, {1.0 / 128, 6, "0.007813"},
      // Not a tie: 0.125 shown with more decimals, and values just off a half.
      {0.125, 3, "0.125"}, {0.1251, 2, "0.13"},   {0.1249, 2, "0.12"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatReal(c.value, c.decimals), c.text) << c.value;
}

TEST(FormatReal, NeverUsesExponentNotation) {
  EXPECT_EQ(FormatReal(1e20, 2), "100000000000000000000");
  EXPECT_EQ(FormatReal(-1e22, 9), "-10000000000000000000000");
  EXPECT_EQ(FormatReal(DBL_MAX, 2).size(), 309u);
  EXPECT_EQ(FormatReal(1e-20, 9), "0");
  EXPECT_EQ(FormatReal(DBL_TRUE_MIN, 9), "0");
}

TEST(FormatReal, LargeNumbersShowOnlyTheDigitsTheDoubleHolds) {
  const Case cases[] = {
      {1e23, 2, "100000000000000000000000"},   {-1e23, 9, "-100000000000000000000000"},
      {9007199254740992.0, 2, "9007199254740992"}, {9007199254740994.0, 2, "9007199254740994"},
      {9007199254740991.0, 2, "9007199254740991"}, {123456789012345678.0, 1, "123456789012345680"},
      {1.5e300, 2, "15" + std::string(299, '0')},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatReal(c.value, c.decimals), c.text) << c.value;
  // Whatever the size, the text reads back to the same double.
  for (double x = 9007199254740992.0; std::isfinite(x); x *= 1.37) {
    EXPECT_EQ(std::strtod(FormatReal(x, 2).c_str(), nullptr), x) << FormatReal(x, 2);
  }
}

TEST(FormatReal, SignOfValuesThatRoundToZero) {
  // A negative value keeps its "-" so that a+bi texts stay right; negative zero is plain 0.
  EXPECT_EQ(FormatReal(-0.001, 2), "-0");
  EXPECT_EQ(FormatReal(-0.0, 2), "0");
}

TEST(FormatReal, IgnoresTheRegionalDecimalComma) {
  struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  const std::string text = FormatReal(2.5, 2);
  std::locale::global(previous);
  EXPECT_EQ(text, "2.5");
}

}  // namespace
