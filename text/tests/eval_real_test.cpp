// SPDX-License-Identifier: MIT
#include "text/eval_real.h"

#include <gtest/gtest.h>

#include "core/cplx.h"

namespace {

struct Case {
  const char* text;
  double value;
};

const Case cases[] = {
    // Unreadable text is 0.
    {"", 0}, {"x", 0}, {"x+1", 1}, {"abc", 0}, {"3abc", 3}, {"(", 0}, {")", 0},
    // Parentheses: "(" drops the first and the last character whatever the last one is.
    {"(2+3)*4", 20}, {"((2))", 2}, {"(2+3", 2}, {"(1)*(2)+(3)", 5},
    // Domains give 0.
    {"1/0", 0}, {"(-8)^(1/3)", 0}, {"2^10001", 0}, {"2^10000", 0}, {"0^(-1)", 0},
    {"(-2)^3", -8}, {"0^0", 1}, {"4^0.5", 2}, {"2^(0-10000)", 0},
    // The first top-level "+" or "-" splits, so chains group to the right.
    {"1+2*3", 7}, {"2*3+1", 7}, {"-3", -3}, {"-2^2", -4}, {"8-2-1", 7}, {"2-3+4", -5},
    {"2*-3", -3}, {"2^-1", 0}, {"2*(-3)", -6}, {"2^(-1)", 0.5},
    // Otherwise the last "*", "/" or "^" splits, so they group to the left and weigh the same.
    {"8/2/2", 2}, {"2^3^2", 64}, {"2*3^2", 36}, {"6/2*3", 9}, {"2^3*2", 16},
    // Number reading.
    {"5 2", 52}, {" 7", 7}, {"1\t2\n3", 123}, {"1e5", 100000}, {"1e-5", -4}, {"1e 2", 100},
    {"2.5e1", 25}, {"1D2", 100}, {"1d2", 100}, {"1E", 1}, {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5},
    {"007", 7}, {"3.14159265358979/4", 0.785398163397448}, {"1,5", 1},
};

TEST(EvalReal, Table) {
  for (const Case& c : cases) {
    EXPECT_NEAR(EvalReal(c.text), c.value, 1e-12) << '"' << c.text << '"';
  }
}

TEST(EvalReal, SumsProductsAndQuotientsBeyondTheRangeFail) {
  EXPECT_THROW(EvalReal("1e200*1e200"), ArithmeticError);
  EXPECT_THROW(EvalReal("1e308+1e308"), ArithmeticError);
  EXPECT_THROW(EvalReal("1e300/0.000000000001"), ArithmeticError);
  EXPECT_THROW(EvalReal("1e400"), ArithmeticError);
  // A power beyond the range is 0, not a failure; a number too small to hold is 0.
  EXPECT_EQ(EvalReal("10^400"), 0);
  EXPECT_EQ(EvalReal("0." + std::string(400, '0') + "1"), 0);
}

TEST(EvalReal, DeepNestingAndLongChainsAreBounded) {
  const int depth = MaxEvalRealDepth;
  const std::string nested = std::string(depth, '(') + "5" + std::string(depth, ')');
  EXPECT_EQ(EvalReal(nested), 5);
  EXPECT_EQ(EvalReal("(" + nested + ")"), 0);

  std::string chain = "1";
  for (int k = 0; k < depth; ++k) chain += "+1";
  EXPECT_EQ(EvalReal(chain), depth + 1);
  EXPECT_EQ(EvalReal(chain + "+1"), 0);
  // Products group to the left and are read within one level, however long.
  std::string product = "1024";
  for (int k = 0; k < 10 * depth; ++k) product += k % 2 == 0 ? "/2" : "*2";
  EXPECT_EQ(EvalReal(product + "/4"), 256);
  EXPECT_EQ(EvalReal("(" + product + ")^2"), 1024 * 1024);
}

}  // namespace
