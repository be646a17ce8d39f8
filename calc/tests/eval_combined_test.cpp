// SPDX-License-Identifier: MIT
#include "calc/eval_combined.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "core/power_root.h"
#include "platform/testing/store_of.h"

#include "text/formula_text.h"

namespace {

struct Case {
  std::string text;
  std::optional<std::pair<double, double>> value;  // nothing: the formula fails
  std::string cause = "";
  std::size_t start = 0;
  std::size_t length = 0;
};

const auto fails = std::nullopt;

// a = 1+2i, b = 3-i, c = 1+i.
const Case cases[] = {
    // Letters in either case, and constants.
    {"A", {{1, 2}}}, {"a", {{1, 2}}}, {"c", {{1, 1}}}, {"5", {{5, 0}}}, {"2.5e1", {{25, 0}}},
    {"0", {{0, 0}}}, {"0-a", {{-1, -2}}}, {".5*a", {{0.5, 1}}}, {"1e-1*a", {{0.1, 0.2}}},
    // The four operations and the conjugate.
    {"a+b", {{4, 1}}}, {"a*b", {{5, 5}}}, {"a'", {{1, -2}}}, {"(a+b)'", {{4, -1}}},
    {"2*a", {{2, 4}}}, {"a/2", {{0.5, 1}}}, {"0.5*a+b", {{3.5, 0}}}, {"(1-2)*a", {{-1, -2}}},
    // The usual order between levels, left to right within one.
    {"a*b+c", {{6, 6}}}, {"a+b*c", {{5, 4}}}, {"a*b'", {{1, 7}}}, {"a*b*c", {{0, 10}}},
    {"a-b-c", {{-3, 2}}}, {"(a-b)-c", {{-3, 2}}}, {"a-(b-c)", {{-1, 4}}}, {"a-b+c", {{-1, 4}}},
    {"a/b/c", {{0.4, 0.3}}}, {"(a/b)/c", {{0.4, 0.3}}}, {"a/(b/c)", {{-0.6, 0.8}}},
    // Signs.
    {"-a", {{-1, -2}}}, {"--a", {{1, 2}}}, {"+a", {{1, 2}}}, {"a*-b", {{-5, -5}}}, {"-a^2", {{3, -4}}},
    // The conjugate binds tightest.
    {"a''", {{1, 2}}}, {"a'''", {{1, -2}}}, {"a'^2", {{-3, -4}}}, {"(a^2)'", {{-3, -4}}},
    // The exponent is a real.
    {"a^2", {{-3, 4}}}, {"a^2*b", {{-5, 15}}}, {"a^0", {{1, 0}}}, {"a^-1", {{0.2, -0.4}}},
    {"a^(-1)", {{0.2, -0.4}}}, {"a^2^3", {{-527, 336}}}, {"a^8", {{-527, 336}}}, {"a^--2", {{-3, 4}}},
    {"a^1,5", {{-0.30028, 3.33019}}}, {"a^(1,5)", {{-0.30028, 3.33019}}}, {"a^1.5", {{-0.30028, 3.33019}}},
    {"a^(pi)", {{-11.82647, -4.13850}}}, {"a^(2*pi/pi)", {{-3, 4}}}, {"a^(4)^(1/2)", {{-3, 4}}},
    // Parentheses at any depth.
    {"(a)", {{1, 2}}}, {"((a))", {{1, 2}}}, {"((a+b))", {{4, 1}}}, {"(a)+(b)", {{4, 1}}},
    {"a*(b+c)", {{4, 8}}}, {"a+(b+(c))", {{5, 2}}},
    // Failures say why and where.
    {"", fails, "the formula is empty", 0, 0},
    {"d", fails, "the letter d is not stored", 0, 1},
    {"a+D", fails, "the letter D is not stored", 2, 1},
    {"a + b", fails, "no blanks in a formula: write a+b, not a + b", 1, 1},
    {"2a", fails, "write 2*a for a product", 1, 1},
    {"ab", fails, "write a*b for a product", 1, 1},
    {"a'b", fails, "write a'*b for a product", 2, 1},
    {"a2", fails, "write a*2 for a product", 1, 1},
    {"2(a)", fails, "write 2*(\u2026) for a product", 1, 1},
    {"(a)(b)", fails, "write (\u2026)*(\u2026) for a product", 3, 1},
    {"a+2i", fails, "no imaginary numbers in a formula: store 2i as a letter", 2, 2},
    {"2i", fails, "no imaginary numbers in a formula: store 2i as a letter", 0, 2},
    {"a^2'", fails, "write (a^2)' for the conjugate of a power", 3, 1},
    {"a^2b", fails, "write a^2*b for a product", 3, 1},
    {"a^(2)b", fails, "write a^(2)*b for a product", 5, 1},
    {"a^(2)(b)", fails, "write a^(2)*(\u2026) for a product", 5, 1},
    {"(a)'b", fails, "write (a)'*b for a product", 4, 1},
    // A text fault is named before an arithmetic one, inside an exponent too.
    {"a^(1/0))", fails, "\u201C)\u201D without its \u201C(\u201D", 7, 1},
    {"a^(1/0)+#", fails, "unexpected \u201C#\u201D after \u201C+\u201D", 8, 1},
    {"pi*a", fails, "pi can only be used in an exponent, as a^(pi); elsewhere type its value, 3.14159265358979", 0, 2},
    {"a+i", fails, "i is not a stored letter here: enter 0+1i and use its letter", 2, 1},
    {"2,5*a", fails, "a decimal comma is read only in an exponent: write 2.5", 0, 3},
    {"a**2", fails, "for a power write a^2", 1, 2},
    {"2\u00B7a\u2212b", {{-1, 5}}}, {"a\u00F72", {{0.5, 1}}}, {"a\u00D7b", {{5, 5}}},
    {"a\u2212\u00F7b", fails, "missing letter or number before \u201C/\u201D", 4, 2},
    {"a^b", fails, "the exponent must be a real number, not a letter", 2, 1},
    {"a^pi", fails, "write ^(pi) for the power pi", 2, 2},
    {"a^(x)", fails, "unexpected \u201Cx\u201D", 3, 1},
    {"a^(1/0)", fails, "division by zero", 3, 3},
    {"a^", fails, "missing exponent after \u201C^\u201D", 1, 1},
    {"a^()", fails, "nothing between \u201C(\u201D and \u201C)\u201D", 2, 2},
    {"a^(2", fails, "missing \u201C)\u201D", 2, 1},
    {"a^1,5,5", fails, "unexpected \u201C,\u201D after 1,5", 5, 1},
    {"a^20000", fails, "number too large", 0, 7},
    {"a^(-8)^(1/3)", fails, "a negative number to a fractional power is not defined", 2, 10},
    {"(a+b", fails, "missing \u201C)\u201D", 0, 1},
    {"a+b)", fails, "\u201C)\u201D without its \u201C(\u201D", 3, 1},
    {"()", fails, "nothing between \u201C(\u201D and \u201C)\u201D", 0, 2},
    {"a+", fails, "missing letter or number after \u201C+\u201D", 1, 1},
    {"a*/b", fails, "missing letter or number before \u201C/\u201D", 2, 1},
    {"'a", fails, "missing letter or number before \u201C'\u201D", 0, 1},
    {"1.2.3*a", fails, "a number has at most one \u201C.\u201D", 3, 1},
    {"a#b", fails, "unexpected \u201C#\u201D after \u201Ca\u201D", 1, 1},
    {"1E400*a", fails, "number too large", 0, 5},
    {"1E100*1E100*1E100*1E100", fails, "number too large", 0, 23},
};

TEST(EvalCombined, Table) {
  const ComplexStore store = StoreOf({MakeCplx(1, 2), MakeCplx(3, -1), MakeCplx(1, 1)});
  for (const Case& c : cases) {
    Cplx z{9, 9, 9, 9};
    ExprError error;
    const bool ok = EvalCombined(c.text, store, z, &error);
    ASSERT_EQ(ok, c.value.has_value()) << '"' << c.text << "\": " << error.Cause;
    if (!ok) {
      EXPECT_EQ(z.Re, 9) << '"' << c.text << '"';
      EXPECT_EQ(error.Cause, c.cause) << '"' << c.text << '"';
      EXPECT_EQ(error.Start, c.start) << '"' << c.text << '"';
      EXPECT_EQ(error.Length, c.length) << '"' << c.text << '"';
      continue;
    }
    EXPECT_NEAR(z.Re, c.value->first, 1e-4) << '"' << c.text << '"';
    EXPECT_NEAR(z.Im, c.value->second, 1e-4) << '"' << c.text << '"';
  }
}

// Each operator is the arithmetic of the values, not a look-alike: the negation is 0-a by
// CplxOp, so its argument is recomputed; a power keeps the unreduced argument of CplxPower.
TEST(EvalCombined, OperatorsAreTheComplexArithmetic) {
  const Cplx a = MakeCplx(-1, 0);
  const ComplexStore store = StoreOf({a, MakeCplx(0, 1)});
  Cplx z;
  ASSERT_TRUE(EvalCombined("-a", store, z));
  EXPECT_EQ(z.Arg, 0);  // 0 - (-1) = 1, its argument computed afresh
  ASSERT_TRUE(EvalCombined("b^3", store, z));
  EXPECT_EQ(z.Arg, 270);
  ASSERT_TRUE(EvalCombined("a*a", store, z));
  EXPECT_EQ(z.Arg, 0);  // 180° + 180° = 360°, reduced to 0°
}

TEST(EvalCombined, FractionalPowerIsThePrincipalRoot) {
  const Cplx a = MakeCplx(1, 2);
  const ComplexStore store = StoreOf({a});
  Cplx half;
  Cplx point5;
  ASSERT_TRUE(EvalCombined("a^(1/2)", store, half));
  ASSERT_TRUE(EvalCombined("a^0.5", store, point5));
  EXPECT_NEAR(half.Arg, a.Arg / 2, 1e-12);
  EXPECT_NEAR(half.Mod, std::sqrt(a.Mod), 1e-12);
  EXPECT_EQ(point5.Re, half.Re);
  EXPECT_EQ(point5.Im, half.Im);
}

TEST(EvalCombined, ArithmeticFailuresSayWhichOperationFailed) {
  const ComplexStore store = StoreOf({MakeCplx(0, 0), MakeCplx(3, -1)});
  const std::pair<const char*, ExprError> failures[] = {
      {"b/a", {"division by zero", 0, 3}},
      {"b+b/a", {"division by zero", 2, 3}},
      {"a^(-1)", {"0 to a negative power is not defined", 0, 6}},
      {"a^-1", {"0 to a negative power is not defined", 0, 4}},
      {"b/a+a^-1", {"division by zero", 0, 3}},
      {"b^9999", {"number too large", 0, 6}},
  };
  for (const auto& [text, expected] : failures) {
    Cplx z;
    ExprError error;
    EXPECT_FALSE(EvalCombined(text, store, z, &error)) << text;
    EXPECT_EQ(error.Cause, expected.Cause) << text;
    EXPECT_EQ(error.Start, expected.Start) << text;
    EXPECT_EQ(error.Length, expected.Length) << text;
  }
  Cplx z;
  ExprError error;
  // A text error anywhere is named before an arithmetic one.
  EXPECT_FALSE(EvalCombined("b/a+q", store, z, &error));
  EXPECT_EQ(error.Cause, "the letter q is not stored");
  EXPECT_TRUE(EvalCombined("a/b", store, z));
  EXPECT_EQ(z.Mod, 0);
}

// Tiny and huge values keep their digits: only the noise of a conversion is cut, and the modulus
// reaches the whole double range.
TEST(EvalCombined, TinyAndHugeValuesKeepTheirDigits) {
  const ComplexStore store = StoreOf({MakeCplx(3, 4), MakeCplx(1, -2), MakeCplx(2, 0), MakeCplx(1, 1)});
  const std::tuple<const char*, double, double> cases[] = {
      {"d^2", 0, 2}, {"(a/10000000+0)*10000000", 3, 4}, {"a*1e-7-b*1e-7", 2e-7, 6e-7}, {"c/1e-170", 2e170, 0},
      {"a*1e200", 3e200, 4e200}};
  for (const auto& [text, re, im] : cases) {
    Cplx z;
    ASSERT_TRUE(EvalCombined(text, store, z)) << text;
    EXPECT_NEAR(z.Re, re, 1e-14 * std::fabs(re)) << text;  // a 0 is exactly 0
    EXPECT_NEAR(z.Im, im, 1e-14 * std::fabs(im)) << text;
  }
}

TEST(EvalCombined, NestingIsBoundedAndChainsAreNot) {
  const ComplexStore store = StoreOf({MakeCplx(1, 2)});
  const int depth = MaxEvalCombinedDepth;
  Cplx z;
  ExprError error;
  const std::string nested = std::string(depth, '(') + "a" + std::string(depth, ')');
  ASSERT_TRUE(EvalCombined(nested, store, z));
  EXPECT_EQ(z.Re, 1);
  EXPECT_FALSE(EvalCombined("(" + nested + ")", store, z, &error));
  EXPECT_EQ(error.Cause, "more than 256 nested levels");
  EXPECT_EQ(error.Start, static_cast<std::size_t>(depth));
  // The levels of a parenthesised exponent count on top of the formula's.
  const std::string half = std::string(depth / 2, '(') + "a^(" + std::string(depth / 2, '(') + "2" +
                           std::string(depth / 2, ')') + ")" + std::string(depth / 2, ')');
  EXPECT_FALSE(EvalCombined(half, store, z, &error));
  EXPECT_EQ(error.Cause, "more than 256 nested levels");

  std::string chain = "a";
  for (int k = 0; k < 100 * depth; ++k) chain += "-a";
  ASSERT_TRUE(EvalCombined(chain, store, z));
  EXPECT_EQ(z.Re, 1 - 100 * depth);
  EXPECT_EQ(z.Im, 2 * (1 - 100 * depth));

  // a/a/a/a is ((a/a)/a)/a = 1/a^2, where grouping to the right would give 1.
  ASSERT_TRUE(EvalCombined("a/a/a/a", store, z));
  EXPECT_NEAR(z.Re, -0.12, 1e-9);
  EXPECT_NEAR(z.Im, -0.16, 1e-9);
}

TEST(StripParens, RemovesOneOuterPair) {
  EXPECT_EQ(StripParens("(1/2)"), "1/2");
  EXPECT_EQ(StripParens("((1))"), "(1)");
  EXPECT_EQ(StripParens("(1)+(2)"), "1)+(2");
  EXPECT_EQ(StripParens("()"), "");
  EXPECT_EQ(StripParens("(1"), "(1");
  EXPECT_EQ(StripParens("("), "(");
}

}  // namespace
