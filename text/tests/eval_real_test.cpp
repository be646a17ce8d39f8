// SPDX-License-Identifier: MIT
#include "text/eval_real.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

constexpr std::nullopt_t fails = std::nullopt;

// One case a line: the text, its value or fails, and for a failure the cause and the bytes of
// the text it points at.
struct Case {
  std::string text;
  std::optional<double> value;
  std::string cause = "";
  std::size_t start = 0;
  std::size_t length = 0;
};

const Case cases[] = {
    // Left to right within a level, the usual order between levels.
    {"8-2-1", 5}, {"2-3+4", 3}, {"8/2/2", 2}, {"6/2*3", 9}, {"1+2*3", 7}, {"2*3+1", 7},
    {"2*3^2", 18}, {"2^3*2", 16}, {"(2+3)*4", 20}, {"((2))", 2}, {"(1)*(2)+(3)", 5},
    // Signs in front of an operand, and powers right to left.
    {"-3", -3}, {"-2^2", -4}, {"--1", 1}, {"+-+2", -2}, {"2*-3", -6}, {"2^-1", 0.5},
    {"2^3^2", 512}, {"2*(-3)", -6}, {"2^(-1)", 0.5}, {"-(2)^2", -4}, {"(-2)^2", 4},
    // Zero is a number like any other.
    {"0", 0}, {"0.0", 0}, {"-0", 0}, {"00", 0}, {"1-1", 0}, {"0*5", 0},
    // Numbers.
    {"1e-5", 1e-5}, {"2.5E+3", 2500}, {"1d2", 100}, {"1D2", 100}, {"1e5", 100000},
    {".5", 0.5}, {"5.", 5}, {"007", 7}, {"2.5e1", 25}, {"1e-400", 0},
    {"3.14159265358979/4", 0.785398163397448},
    // Blanks, tabs and line feeds may stand between numbers and operators, never inside a number.
    {" 7", 7}, {"1\t+\n2", 3}, {" 2 * ( 1 + 2 ) ", 6},
    {"5 2", fails, "a blank inside a number: write 52", 0, 3},
    {"1 000", fails, "a blank inside a number: write 1000", 0, 5},
    {"0^0 .67", fails, "a blank inside a number: write 0.67", 2, 5},
    {"2. 5", fails, "a blank inside a number: write 2.5", 0, 4},
    {"1e 2", fails, "a blank inside a number: write 1e2", 0, 4},
    {"1 e-2", fails, "a blank inside a number: write 1e-2", 0, 5},
    // Powers and their domain.
    {"(-2)^3", -8}, {"0^0", 1}, {"4^0.5", 2}, {"0^0.5", 0}, {"2^-10000", 0}, {"10^308", 1e308},
    {"(-8)^(1/3)", fails, "a negative number to a fractional power is not defined", 0, 10},
    {"2^10001", fails, "exponent beyond \u00B110000", 0, 7},
    {"2^(0-10001)", fails, "exponent beyond \u00B110000", 0, 11},
    {"2^10000", fails, "number too large", 0, 7},
    {"0^-1", fails, "0 to a negative power is not defined", 0, 4},
    {"1+0^(-1)", fails, "0 to a negative power is not defined", 2, 6},
    // Arithmetic failures point at the operation.
    {"1/0", fails, "division by zero", 0, 3},
    {"1/0+1", fails, "division by zero", 0, 3},
    {"2*(1-1)/(3-3)", fails, "division by zero", 0, 13},
    {"1e200*1e200", fails, "number too large", 0, 11},
    {"1e308+1e308", fails, "number too large", 0, 11},
    {"1e400", fails, "number too large", 0, 5},
    {"1+1e400", fails, "number too large", 2, 5},
    // Text that is not an expression.
    {"", fails, "the text is empty", 0, 0},
    {"  ", fails, "the text is empty", 0, 2},
    {"3abc", fails, "unexpected \u201Cabc\u201D after 3", 1, 3},
    {"x", fails, "unexpected \u201Cx\u201D", 0, 1},
    {"x+3", fails, "unexpected \u201Cx\u201D", 0, 1},
    {"abc", fails, "unexpected \u201Cabc\u201D", 0, 3},
    {"2+y*3", fails, "unexpected \u201Cy\u201D after \u201C+\u201D", 2, 1},
    {"1.2.3", fails, "a number has at most one \u201C.\u201D", 3, 2},
    {"1,5", fails, "unexpected \u201C,\u201D after 1", 1, 1},
    {"1E", fails, "digits missing after \u201CE\u201D: write 1E5", 0, 2},
    {"2.5e+", fails, "digits missing after \u201Ce\u201D: write 2.5e5", 0, 5},
    {"2**3", fails, "for a power write 2^3", 1, 2},
    {"(1+1)**x", fails, "for a power write (1+1)^x", 5, 2},
    {"(2+3", fails, "missing \u201C)\u201D", 0, 1},
    {"((2)", fails, "missing \u201C)\u201D", 0, 1},
    {"(", fails, "missing number after \u201C(\u201D", 0, 1},
    {"2+3)", fails, "\u201C)\u201D without its \u201C(\u201D", 3, 1},
    {")", fails, "\u201C)\u201D without its \u201C(\u201D", 0, 1},
    {"()", fails, "nothing between \u201C(\u201D and \u201C)\u201D", 0, 2},
    {"2+", fails, "missing number after \u201C+\u201D", 1, 1},
    {"2*", fails, "missing number after \u201C*\u201D", 1, 1},
    {"*3", fails, "missing number before \u201C*\u201D", 0, 1},
    {"2*/3", fails, "missing number before \u201C/\u201D", 2, 1},
    {"(2+)", fails, "missing number before \u201C)\u201D", 3, 1},
    {"2^", fails, "missing number after \u201C^\u201D", 1, 1},
    {"2(3)", fails, "write 2*(\u2026) for a product", 1, 1},
    {"(2)3", fails, "write (\u2026)*3 for a product", 3, 1},
    {"(1)(2)", fails, "write (\u2026)*(\u2026) for a product", 3, 1},
    {"2\u00B0", fails, "unexpected \u201C\u00B0\u201D after 2", 1, 2},
    {"PI", fails, "unexpected \u201CPI\u201D", 0, 2},
};

TEST(EvalReal, Table) {
  for (const Case& c : cases) {
    double value = -1;
    ExprError error;
    const bool ok = EvalReal(c.text, value, &error);
    ASSERT_EQ(ok, c.value.has_value()) << '"' << c.text << "\": " << error.Cause;
    if (ok) {
      EXPECT_NEAR(value, *c.value, 1e-12 * std::max(1.0, std::fabs(*c.value))) << '"' << c.text << '"';
      EXPECT_FALSE(value == 0 && std::signbit(value)) << '"' << c.text << "\" gives -0";
      continue;
    }
    EXPECT_EQ(value, 0) << '"' << c.text << '"';
    EXPECT_EQ(error.Cause, c.cause) << '"' << c.text << '"';
    EXPECT_EQ(error.Start, c.start) << '"' << c.text << '"';
    EXPECT_EQ(error.Length, c.length) << '"' << c.text << '"';
  }
}

TEST(EvalReal, NestingIsBoundedAndChainsAreNot) {
  const int depth = MaxEvalRealDepth;
  double value = 0;
  const std::string nested = std::string(depth, '(') + "5" + std::string(depth, ')');
  EXPECT_TRUE(EvalReal(nested, value));
  EXPECT_EQ(value, 5);
  ExprError error;
  EXPECT_FALSE(EvalReal("(" + nested + ")", value, &error));
  EXPECT_EQ(error.Cause, "more than 256 nested levels");
  EXPECT_EQ(error.Start, static_cast<std::size_t>(depth));  // the 257th "("
  EXPECT_TRUE(EvalReal(std::string(depth, '-') + "1", value));
  EXPECT_EQ(value, 1);
  EXPECT_FALSE(EvalReal(std::string(depth + 1, '-') + "1", value));

  // Long chains are loops, not levels, and keep their left-to-right grouping.
  std::string chain = "1";
  for (int k = 0; k < 100 * depth; ++k) chain += "-1";
  EXPECT_TRUE(EvalReal(chain, value));
  EXPECT_EQ(value, 1 - 100 * depth);
  std::string product = "1024";
  for (int k = 0; k < 10 * depth; ++k) product += k % 2 == 0 ? "/2" : "*2";
  EXPECT_TRUE(EvalReal("(" + product + "/4)^2", value));
  EXPECT_EQ(value, 256 * 256);
}

TEST(EvalReal, ATextErrorIsReportedBeforeAnArithmeticOne) {
  double value = 0;
  ExprError error;
  EXPECT_FALSE(EvalReal("1/0+2*0^-1+x", value, &error));
  EXPECT_EQ(error.Cause, "unexpected \u201Cx\u201D after \u201C+\u201D");
  EXPECT_FALSE(EvalReal("1/0+2*0^-1", value, &error));
  EXPECT_EQ(error.Cause, "division by zero");  // the first from the left
}

TEST(EvalReal, LongPiecesAreQuotedShort) {
  double value = 0;
  ExprError error;
  const std::string letters(1000, 'q');
  EXPECT_FALSE(EvalReal("1+" + letters, value, &error));
  EXPECT_LT(error.Cause.size(), 60u);
  EXPECT_EQ(error.Start, 2u);
  EXPECT_EQ(error.Length, letters.size());
}

}  // namespace
