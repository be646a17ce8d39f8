// SPDX-License-Identifier: MIT
#include "text/parse.h"

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <random>
#include <vector>

#include "text/complex_text.h"

namespace {

class RecordingNotice : public Notice {
 public:
  void Show(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

constexpr std::nullopt_t fails = std::nullopt;
constexpr double Pi = 3.14159265358979;

// The text, its value or fails, and for a failure the cause and the bytes of the typed text it
// points at.
struct RealCase {
  std::string text;
  std::optional<double> value;
  std::string cause = "";
  std::size_t start = 0;
  std::size_t length = 0;
};

const RealCase realCases[] = {
    {"0", 0}, {"0.0", 0}, {"-0", 0}, {"00", 0}, {"1-1", 0}, {" 0", 0}, {"0 ", 0},
    // The first "," is a decimal comma, every "pi" is its digits.
    {"2,5", 2.5}, {"-2", -2}, {"pi/4", Pi / 4}, {"pi+pi", 2 * Pi}, {"2*pi", 2 * Pi},
    {"(pi)", Pi}, {"pi^2", Pi * Pi}, {"-pi", -Pi}, {"1,5e1", 15}, {"pi*2,5", 2.5 * Pi},
    {"2,5,7", fails, "unexpected \u201C,\u201D after 2,5", 3, 1},
    // A "pi" that touches a number would run its digits into it.
    {"2pi", fails, "write 2*pi for a product", 0, 3},
    {"2 pi", fails, "write 2*pi for a product", 0, 4},
    {"1.5pi", fails, "write 1.5*pi for a product", 0, 5},
    {"pi2", fails, "write pi*2 for a product", 0, 3},
    {"pipi", fails, "write pi*pi for a product", 0, 4},
    {"pie5", fails, "pi cannot be part of a number", 0, 2},
    {"1epi", fails, "pi cannot be part of a number", 2, 2},
    // Positions and quotes refer to the text as typed, before "pi" grows to its digits.
    {"pi+x", fails, "unexpected \u201Cx\u201D after \u201C+\u201D", 3, 1},
    {"pi/0", fails, "division by zero", 0, 4},
    {"1+pi)", fails, "\u201C)\u201D without its \u201C(\u201D", 4, 1},
    {"(pi", fails, "missing \u201C)\u201D", 0, 1},
    {"pi(2)", fails, "write pi*(\u2026) for a product", 2, 1},
    {"pi*", fails, "missing number after \u201C*\u201D", 2, 1},
    {"PI", fails, "unexpected \u201CPI\u201D", 0, 2},
    {"", fails, "the text is empty", 0, 0},
    {"1e999", fails, "number too large", 0, 5},
    {"1e200*1e200", fails, "number too large", 0, 11},
};

TEST(ParseReal, Table) {
  for (const RealCase& c : realCases) {
    double value = -1;
    ExprError error;
    const bool ok = ParseReal(c.text, value, &error);
    ASSERT_EQ(ok, c.value.has_value()) << '"' << c.text << "\": " << error.Cause;
    if (ok) {
      EXPECT_DOUBLE_EQ(value, *c.value) << '"' << c.text << '"';
      continue;
    }
    EXPECT_EQ(value, 0) << '"' << c.text << '"';
    EXPECT_EQ(error.Cause, c.cause) << '"' << c.text << '"';
    EXPECT_EQ(error.Start, c.start) << '"' << c.text << '"';
    EXPECT_EQ(error.Length, c.length) << '"' << c.text << '"';
  }
}

// An entry text, the pair it gives or fails, and for a failure the cause and its place.
struct PairCase {
  std::string text;
  std::optional<RealPair> pair;
  std::string cause = "";
  std::size_t start = 0;
  std::size_t length = 0;
};

void CheckPairs(const std::vector<PairCase>& cases, bool cartesian) {
  for (const PairCase& c : cases) {
    RecordingNotice notice;
    RealPair pair{7, 8};
    ExprError error;
    const bool ok = cartesian ? ParseCartEntry(c.text, pair, notice, &error)
                              : ParsePairEntry(c.text, pair, notice, &error);
    ASSERT_EQ(ok, c.pair.has_value()) << '"' << c.text << "\": " << error.Cause;
    if (ok) {
      EXPECT_DOUBLE_EQ(pair.First, c.pair->First) << '"' << c.text << '"';
      EXPECT_DOUBLE_EQ(pair.Second, c.pair->Second) << '"' << c.text << '"';
      EXPECT_TRUE(notice.shown.empty()) << '"' << c.text << '"';
      continue;
    }
    EXPECT_EQ(pair.First, 7) << '"' << c.text << '"';
    EXPECT_EQ(pair.Second, 8) << '"' << c.text << '"';
    EXPECT_EQ(notice.shown, std::vector<std::string>{"wrong expression"}) << '"' << c.text << '"';
    EXPECT_EQ(error.Cause, c.cause) << '"' << c.text << '"';
    EXPECT_EQ(error.Start, c.start) << '"' << c.text << '"';
    EXPECT_EQ(error.Length, c.length) << '"' << c.text << '"';
  }
}

// The pair form, which both entry boxes read.
const std::vector<PairCase> pairCases = {
    {"3,4", {{3, 4}}}, {"3, 4", {{3, 4}}}, {"3 4", {{3, 4}}}, {"3 -4", {{3, -4}}},
    {"1/2, pi/4", {{0.5, Pi / 4}}}, {"1 + 2, 3", {{3, 3}}}, {"5, 53.13", {{5, 53.13}}},
    {"5 , 53.1\u00B0", {{5, 53.1}}}, {"2, -90", {{2, -90}}}, {"1,5 2", {{1, 52}}},
    {" 5,3", {{5, 3}}}, {"3, 2,5", {{3, 2.5}}}, {"0, 5", {{0, 5}}}, {"3 , 4  ", {{3, 4}}},
    // Zero is a number like any other, so shown texts that start with 0 re-enter.
    {"0 , 5", {{0, 5}}}, {"0.0, 4", {{0, 4}}}, {"-0, 1-1", {{0, 0}}},
    {"5", fails, "missing \u201C,\u201D between the two numbers", 0, 1},
    {"", fails, "missing \u201C,\u201D between the two numbers", 0, 0},
    {" 5 3", fails, "missing number before the blank", 0, 1},
    {",", fails, "missing number before \u201C,\u201D", 0, 1},
    {"1,", fails, "missing number after \u201C,\u201D", 1, 1},
    {"1, \u00B0", fails, "missing number after \u201C,\u201D", 1, 1},
    {"PI, 1", fails, "unexpected \u201CPI\u201D", 0, 2},
    {"1, PI", fails, "unexpected \u201CPI\u201D", 3, 2},
    {"3, x", fails, "unexpected \u201Cx\u201D", 3, 1},
    {"3,  2x ", fails, "unexpected \u201Cx\u201D after 2", 5, 1},
    // The "°" goes before the second part is read; the place still counts it.
    {"5, \u00B090x", fails, "unexpected \u201Cx\u201D after 90", 7, 1},
    {"5, 9\u00B0+", fails, "missing number after \u201C+\u201D", 6, 1},
    {"1e999, 1", fails, "number too large", 0, 5},
    {"3+4i", fails, "missing \u201C,\u201D between the two numbers", 0, 4},
};

TEST(ParsePairEntry, Table) { CheckPairs(pairCases, false); }

// The cartesian box reads every pair as the polar box does, and the a+bi form besides.
TEST(ParseCartEntry, ReadsPairsAsBefore) {
  std::vector<PairCase> cases;
  for (const PairCase& c : pairCases) {
    if (c.pair || c.text == "3+4i") continue;
    cases.push_back(c);
  }
  for (PairCase& c : cases) {
    if (c.cause.find("between the two numbers") != std::string::npos)
      c.cause = "missing \u201C,\u201D between the two numbers, or \u201Ci\u201D after the imaginary part";
  }
  for (const PairCase& c : pairCases) {
    if (c.pair) cases.push_back(c);
  }
  CheckPairs(cases, true);
}

TEST(ParseCartEntry, ReadsTheComplexAsTheProgramWritesIt) {
  CheckPairs(
      {
          {"3+4i", {{3, 4}}}, {"-7+24i", {{-7, 24}}}, {"2.5-0.5i", {{2.5, -0.5}}}, {"3-0i", {{3, 0}}},
          {"2i", {{0, 2}}}, {"-i", {{0, -1}}}, {"i", {{0, 1}}}, {"1e-5+2i", {{1e-5, 2}}},
          {"pi+2i", {{Pi, 2}}}, {" 3 + 4 i ", {{3, 4}}}, {"3 - i", {{3, -1}}}, {"+i", {{0, 1}}},
          {"0+1i", {{0, 1}}}, {"-0-1i", {{0, -1}}}, {"1e5-2i", {{1e5, -2}}}, {"2.5E+3+1D2i", {{2500, 100}}},
          {"2,5-0,5i", {{2.5, -0.5}}}, {"3,4i", {{0, 3.4}}}, {"1-2+3i", {{-1, 3}}}, {"(1+2)i", {{0, 3}}},
          {"2*-3i", {{0, -6}}}, {"2^-1-2^-1i", {{0.5, -0.5}}}, {"3-(1+1)i", {{3, -2}}}, {"pi-pii", {{Pi, -Pi}}},
          // The "i" of "pi" is no imaginary unit: these are pairs.
          {"1, pi", {{1, Pi}}}, {"2 -pi", {{2, -Pi}}},
          // An "i" that does not end the text leaves it a pair, which it is not.
          {"2i+3", fails, "missing \u201C,\u201D between the two numbers, or \u201Ci\u201D after the imaginary part", 0, 4},
          {"3, 4i", fails, "a pair is written 3, 4 and a complex 3+4i: \u201C,\u201D belongs to the pair", 1, 1},
          {"3 4i", fails, "a blank inside a number: write 3+4i or 3, 4", 1, 1},
          {"3+1  5i", fails, "a blank inside a number: write 3+4i or 3, 4", 3, 2},
          {"3+4x i", fails, "unexpected \u201Cx\u201D after 4", 3, 1},
          {"x+4i", fails, "unexpected \u201Cx\u201D", 0, 1},
          {"3+2pi i", fails, "write 2*pi for a product", 2, 3},
          {"3--i", fails, "missing number after \u201C-\u201D", 2, 1},
          {"3+4ii", fails, "unexpected \u201Ci\u201D after 4", 3, 1},
          {"1/0+2i", fails, "division by zero", 0, 3},
          {"3+4/0i", fails, "division by zero", 1, 4},
      },
      true);
}

// Whatever a result box shows is read back as the very numbers it shows.
TEST(ParseCartEntry, EveryCartesianTextReadsBack) {
  std::mt19937 engine(1113);
  std::uniform_real_distribution<double> part(-1000, 1000);
  std::uniform_int_distribution<int> scale(-12, 25);
  std::uniform_int_distribution<int> decimals(1, 9);
  RecordingNotice notice;
  for (int round = 0; round < 5000; ++round) {
    const Cplx z = MakeCplx(part(engine) * std::pow(10.0, scale(engine)), round % 7 == 0 ? 0 : part(engine));
    const std::string text = CartText(z, decimals(engine));
    RealPair pair;
    ASSERT_TRUE(ParseCartEntry(text, pair, notice)) << text;
    // The two numbers as written: the real part, then the signed imaginary part before "i".
    const std::size_t split = text.find_first_of("+-", 1);
    double re = 0;
    double im = 0;
    std::from_chars(text.data(), text.data() + split, re);
    std::from_chars(text.data() + split + (text[split] == '+' ? 1 : 0), text.data() + text.size() - 1, im);
    EXPECT_EQ(pair.First, re + 0.0) << text;
    EXPECT_EQ(pair.Second, im + 0.0) << text;
  }
  EXPECT_TRUE(notice.shown.empty());
}

TEST(ParsePairEntry, ShownTextsReenter) {
  RecordingNotice notice;
  for (const Cplx& z : {MakeCplx(3, -4), MakeCplx(0, 4), MakeCplx(-1, 0), MakePolarCplx(2, 450)}) {
    RealPair pair;
    ASSERT_TRUE(ParsePairEntry(PairText(z, 2), pair, notice)) << PairText(z, 2);
    EXPECT_NEAR(pair.First, z.Re, 0.005);
    EXPECT_NEAR(pair.Second, z.Im, 0.005);
    ASSERT_TRUE(ParsePairEntry(PolarText(z, 2), pair, notice)) << PolarText(z, 2);
    EXPECT_NEAR(pair.First, z.Mod, 0.005);
    EXPECT_NEAR(pair.Second, z.Arg, 0.05);
  }
  EXPECT_TRUE(notice.shown.empty());
}

}  // namespace
