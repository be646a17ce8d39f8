// SPDX-License-Identifier: MIT
#include "calc/eval_combined.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "text/formula_text.h"

namespace {

ComplexStore StoreOf(std::initializer_list<Cplx> values) {
  ComplexStore store;
  for (const Cplx& z : values) store.Append(z);
  return store;
}

struct Case {
  const char* text;
  std::optional<std::pair<double, double>> value;  // nothing: the formula fails
};

const auto fails = std::nullopt;

// a = 1+2i, b = 3-i, c = 1+i.
const Case cases[] = {
    // Letters and constants.
    {"A", {{1, 2}}}, {"a", {{1, 2}}}, {"c", {{1, 1}}}, {"d", fails}, {"z", fails},
    {"5", {{5, 0}}}, {"2.5e1", {{25, 0}}}, {"3i", {{3, 0}}}, {"0", fails}, {"", fails},
    {"@", {{0, 0}}},  // the character before "A" names slot 0, which is always 0+0i
    // The four operations and the conjugate.
    {"a+b", {{4, 1}}}, {"a*b", {{5, 5}}}, {"a'", {{1, -2}}}, {"(a+b)'", {{4, -1}}},
    {"2*a", {{2, 4}}}, {"a/2", {{0.5, 1}}}, {"0.5*a+b", {{3.5, 0}}}, {"(1-2)*a", {{-1, -2}}},
    // Precedence between classes, right grouping within one.
    {"a*b+c", {{6, 6}}}, {"a+b*c", {{5, 4}}}, {"a*b'", {{1, 7}}}, {"a'b", {{1, -2}}},
    {"a-b-c", {{-1, 4}}}, {"a-b+c", {{-3, 2}}}, {"a/b/c", {{-0.6, 0.8}}}, {"a*b*c", {{0, 10}}},
    // "^" takes the whole rest as a real exponent.
    {"a^2", {{-3, 4}}}, {"a^2'", {{-3, 4}}}, {"a'^2", {{-3, -4}}}, {"a^2*b", {{-5, 15}}},
    {"a^(-1)", {{0.2, -0.4}}}, {"a^0", {{1, 0}}}, {"a^2,0", {{-3, 4}}},
    {"a^-1", fails}, {"a^(pi)", fails}, {"a^b", fails}, {"a^x", fails},
    // Parentheses are removed one level, and only around a single group.
    {"(a)", {{1, 2}}}, {"(a)+(b)", {{4, 1}}}, {"((a))", fails}, {"(a+b", fails}, {"a+b)", fails},
    {"a*(b+c)", {{4, 8}}}, {"a+(b+(c))", fails},
    // More ")" than "(": the right side "(b)*2)" loses its outer pair and finds no operator.
    {"a*(b)*2)", fails}, {"a*2)", {{2, 4}}},
    // Blanks and missing operands.
    {"a + b", fails}, {"-a", fails}, {"0-a", fails}, {"a+", fails}, {"'a", fails},
    {"1E200*1E200", fails},
};

TEST(EvalCombined, Table) {
  const ComplexStore store = StoreOf({MakeCplx(1, 2), MakeCplx(3, -1), MakeCplx(1, 1)});
  for (const Case& c : cases) {
    Cplx z;
    const bool ok = EvalCombined(c.text, store, z);
    ASSERT_EQ(ok, c.value.has_value()) << '"' << c.text << '"';
    if (!ok) continue;
    EXPECT_NEAR(z.Re, c.value->first, 1e-9) << '"' << c.text << '"';
    EXPECT_NEAR(z.Im, c.value->second, 1e-9) << '"' << c.text << '"';
  }
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

TEST(EvalCombined, ArithmeticFailuresAreNoResult) {
  const ComplexStore store = StoreOf({MakeCplx(0, 0), MakeCplx(3, -1)});
  Cplx z;
  EXPECT_FALSE(EvalCombined("b/a", store, z));
  EXPECT_FALSE(EvalCombined("a^(-1)", store, z));
  EXPECT_TRUE(EvalCombined("a/b", store, z));
  EXPECT_EQ(z.Mod, 0);
}

TEST(EvalCombined, LongChainsAreBounded) {
  const ComplexStore store = StoreOf({MakeCplx(1, 2)});
  std::string chain = "a";
  for (int k = 0; k < MaxEvalCombinedDepth; ++k) chain += "+a";
  Cplx z;
  ASSERT_TRUE(EvalCombined(chain, store, z));
  EXPECT_EQ(z.Re, MaxEvalCombinedDepth + 1);
  EXPECT_EQ(z.Im, 2 * (MaxEvalCombinedDepth + 1));
  EXPECT_FALSE(EvalCombined(chain + "+a", store, z));

  // Products and quotients are read within one level, still grouped to the right:
  // a/a/a is a/(a/a) = a, where grouping to the left would give 1/a.
  std::string quotients = "a";
  for (int k = 0; k < 4 * MaxEvalCombinedDepth; ++k) quotients += "/a";
  ASSERT_TRUE(EvalCombined(quotients, store, z));  // an odd number of a: a
  EXPECT_NEAR(z.Re, 1, 1e-9);
  EXPECT_NEAR(z.Im, 2, 1e-9);
  ASSERT_TRUE(EvalCombined(quotients + "/a", store, z));  // an even number: 1
  EXPECT_NEAR(z.Re, 1, 1e-9);
  EXPECT_NEAR(z.Im, 0, 1e-9);
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
