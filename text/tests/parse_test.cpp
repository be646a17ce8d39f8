// SPDX-License-Identifier: MIT
#include "text/parse.h"

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <random>
#include <vector>

#include "text/complex_text.h"
#include "text/textbook_text.h"

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
    {"", fails, "the box is empty: type a number, such as 2 or 1/2", 0, 0},
    // What documents paste: the minus and the dash, the times and the dot, the obelus, the pi.
    {"\u22122\u00D73", -6}, {"\u20136\u00F74", -1.5}, {"2\u00B7\u03C0", 2 * Pi}, {"\u03C0/2", Pi / 2},
    // Places stay those of the typed characters, each as a whole.
    {"\u22122/0", fails, "division by zero", 0, 6},
    {"2\u00D7\u03C0x", fails, "unexpected \u201Cx\u201D after pi", 5, 1},
    {"1,5 2", fails, "a blank inside a number: write 1,52", 0, 5},
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
    const bool ok = cartesian ? ReadCartEntry(c.text, pair, &error) : ParsePairEntry(c.text, pair, notice, &error);
    ASSERT_EQ(ok, c.pair.has_value()) << '"' << c.text << "\": " << error.Cause;
    if (ok) {
      EXPECT_DOUBLE_EQ(pair.First, c.pair->First) << '"' << c.text << '"';
      EXPECT_DOUBLE_EQ(pair.Second, c.pair->Second) << '"' << c.text << '"';
      EXPECT_TRUE(notice.shown.empty()) << '"' << c.text << '"';
      continue;
    }
    EXPECT_EQ(pair.First, 7) << '"' << c.text << '"';
    EXPECT_EQ(pair.Second, 8) << '"' << c.text << '"';
    // Only ParsePairEntry shows the notice; ReadCartEntry leaves that to its caller.
    const std::vector<std::string> shown = cartesian ? std::vector<std::string>{} : std::vector<std::string>{"wrong expression"};
    EXPECT_EQ(notice.shown, shown) << '"' << c.text << '"';
    EXPECT_EQ(error.Cause, c.cause) << '"' << c.text << '"';
    EXPECT_EQ(error.Start, c.start) << '"' << c.text << '"';
    EXPECT_EQ(error.Length, c.length) << '"' << c.text << '"';
  }
}

// Pairs that both entry boxes read alike.
const std::vector<PairCase> pairCases = {
    {"3,4", {{3, 4}}}, {"3, 4", {{3, 4}}}, {"3 4", {{3, 4}}}, {"3 -4", {{3, -4}}}, {" 5 3", {{5, 3}}},
    {"1 + 2, 3", {{3, 3}}}, {"5, 53.13", {{5, 53.13}}}, {"2, -90", {{2, -90}}}, {" 5,3", {{5, 3}}},
    {"3 , 4  ", {{3, 4}}}, {"0 , 5", {{0, 5}}}, {"0.0, 4", {{0, 4}}}, {"-0, 1-1", {{0, 0}}},
    // ";", a tab and "∠" let both numbers keep a decimal comma.
    {"2,5; 3,5", {{2.5, 3.5}}}, {"5; 53,13", {{5, 53.13}}}, {"2,5\t-3,5", {{2.5, -3.5}}}, {" 3\t4 ", {{3, 4}}},
    {"(3, 4)", {{3, 4}}}, {"[3; \u22124]", {{3, -4}}}, {"\u22121/2, 2\u00F74", {{-0.5, 0.5}}}, {"((1)+1, 2)", {{2, 2}}},
};

// The polar box; arguments in degrees.
const std::vector<PairCase> polarCases = {
    {"5 , 53.1\u00B0", {{5, 53.1}}}, {"5\u222053.13", {{5, 53.13}}}, {"5\u222053,13\u00B0", {{5, 53.13}}},
    {"5, 53.13\u00BA", {{5, 53.13}}}, {"2, 1 rad", {{2, 180 / Pi}}},
    {"5", fails, "missing \u201C,\u201D between modulus and argument: type 5, 53.13", 0, 1},
    {"", fails, "the box is empty: type 5, 53.13", 0, 0},
    {",", fails, "missing number before \u201C,\u201D: type 5, 53.13", 0, 1},
    {"1,", fails, "missing argument after \u201C,\u201D: type 5, 53.13", 1, 1},
    {"1, \u00B0", fails, "missing argument after \u201C,\u201D: type 5, 53.13", 1, 1},
    {"PI, 1", fails, "unexpected \u201CPI\u201D", 0, 2},
    {"3,  2x ", fails, "unexpected \u201Cx\u201D after 2", 5, 1},
    // The "°" goes before the argument is read; the place still counts it.
    {"5, \u00B090x", fails, "unexpected \u201Cx\u201D after 90", 7, 1},
    {"5, 9\u00B0+", fails, "missing number after \u201C+\u201D", 6, 1},
    {"1e999, 1", fails, "number too large", 0, 5},
    {"3+4i", fails, "this box takes modulus, argument, as 5, 53.13: type 3+4i in the cartesian box a,b", 0, 4},
    {"3,5, 4", fails, "two \u201C,\u201D in a pair: write 3,5; 4 or 3.5, 4", 0, 6},
    {"3, 2,5", fails, "two \u201C,\u201D in a pair: write 3; 2,5 or 3, 2.5", 0, 6},
    {"2,5 3", fails, "a blank inside a number: write 2,5; 3 for a decimal comma", 2, 3},
    {"1 000", fails, "a blank inside a number: write 1000, or two numbers as 1, 000", 0, 5},
    {"5, 53\u00B08'", fails, "degrees and minutes are not read: write 53.133", 3, 6},
    {"5, 10\u00B030'36\"", fails, "degrees and minutes are not read: write 10.51", 3, 10},
    {"5\u00B0, 3", fails, "the \u201C\u00B0\u201D goes after the argument: type 5, 53.13\u00B0", 0, 3},
    {"2, pi/4", fails, "pi in an argument in degrees: write the degrees, 45, or switch the angle unit to radians", 3, 4},
    {"2, \u03C0/2", fails, "pi in an argument in degrees: write the degrees, 90, or switch the angle unit to radians", 3, 4},
};

TEST(ParsePairEntry, Table) {
  CheckPairs(pairCases, false);
  CheckPairs(polarCases, false);
}

// In radians the argument is read in radians and answered in degrees; "°" still says degrees.
TEST(ParsePairEntry, ReadsTheArgumentInRadians) {
  for (const auto& [text, degrees] : std::vector<std::pair<std::string, double>>{
           {"2, pi/4", 45}, {"2\u2220\u03C0/2", 90}, {"2; 1,5", 1.5 * 180 / Pi}, {"2, 90\u00B0", 90}, {"2, -pi", -180}}) {
    RealPair pair;
    ASSERT_TRUE(ReadPairEntry(text, pair, nullptr, AngleUnit::Radians)) << text;
    EXPECT_EQ(pair.First, 2) << text;
    EXPECT_DOUBLE_EQ(pair.Second, degrees) << text;
  }
}

TEST(ReadCartEntry, ReadsPairsAsThePolarBox) { CheckPairs(pairCases, true); }

TEST(ReadCartEntry, ReadsTheComplexAsTheProgramWritesIt) {
  CheckPairs(
      {
          {"3+4i", {{3, 4}}}, {"-7+24i", {{-7, 24}}}, {"2.5-0.5i", {{2.5, -0.5}}}, {"3-0i", {{3, 0}}},
          {"2i", {{0, 2}}}, {"-i", {{0, -1}}}, {"i", {{0, 1}}}, {"1e-5+2i", {{1e-5, 2}}},
          {"pi+2i", {{Pi, 2}}}, {" 3 + 4 i ", {{3, 4}}}, {"3 - i", {{3, -1}}}, {"+i", {{0, 1}}},
          {"0+1i", {{0, 1}}}, {"-0-1i", {{0, -1}}}, {"1e5-2i", {{1e5, -2}}}, {"2.5E+3+1D2i", {{2500, 100}}},
          {"2,5-0,5i", {{2.5, -0.5}}}, {"3,4i", {{0, 3.4}}}, {"1-2+3i", {{-1, 3}}}, {"(1+2)i", {{0, 3}}},
          {"2*-3i", {{0, -6}}}, {"2^-1-2^-1i", {{0.5, -0.5}}}, {"3-(1+1)i", {{3, -2}}}, {"pi-pii", {{Pi, -Pi}}},
          // What documents and the worksheets write.
          {"3+4j", {{3, 4}}}, {"3-j", {{3, -1}}}, {"3+4*i", {{3, 4}}}, {"(3+4i)", {{3, 4}}},
          {"4 \u2212 i", {{4, -1}}}, {"\u22123 \u2013 2,5i", {{-3, -2.5}}}, {"1\u00F72+2\u00B73i", {{0.5, 6}}},
          // A real alone is a+0i; the "i" of "pi" is no imaginary unit.
          {"-8", {{-8, 0}}}, {"\u22128", {{-8, 0}}}, {"pi/2", {{Pi / 2, 0}}}, {"0", {{0, 0}}},
          {"1, pi", {{1, Pi}}}, {"2 -pi", {{2, -Pi}}},
          {"", fails, "the box is empty: type 3, 4 or 3+4i", 0, 0},
          {"1,", fails, "missing number after \u201C,\u201D: type 3, 4 or 3+4i", 1, 1},
          {"2i+3", fails, "write a complex as 3+4i: real part first, then the imaginary part with i after it", 1, 1},
          {"3+i4", fails, "write a complex as 3+4i: real part first, then the imaginary part with i after it", 2, 1},
          {"5, 53.13\u00B0", fails, "the \u201C\u00B0\u201D belongs in the polar box r, \u03C6\u00B0: type 5, 53.13\u00B0 there", 8, 2},
          {"5\u222053", fails, "the \u201C\u2220\u201D belongs in the polar box r, \u03C6\u00B0: type 5\u222053 there", 1, 3},
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
TEST(ReadCartEntry, EveryCartesianTextReadsBack) {
  std::mt19937 engine(1113);
  std::uniform_real_distribution<double> part(-1000, 1000);
  std::uniform_int_distribution<int> scale(-12, 25);
  std::uniform_int_distribution<int> decimals(1, 9);
  for (int round = 0; round < 5000; ++round) {
    const Cplx z = MakeCplx(part(engine) * std::pow(10.0, scale(engine)), round % 7 == 0 ? 0 : part(engine));
    const std::string text = CartText(z, decimals(engine));
    RealPair pair;
    ASSERT_TRUE(ReadCartEntry(text, pair)) << text;
    // The two numbers as written: the real part, then the signed imaginary part before "i".
    const std::size_t split = text.find_first_of("+-", 1);
    double re = 0;
    double im = 0;
    std::from_chars(text.data(), text.data() + split, re);
    std::from_chars(text.data() + split + (text[split] == '+' ? 1 : 0), text.data() + text.size() - 1, im);
    EXPECT_EQ(pair.First, re + 0.0) << text;
    EXPECT_EQ(pair.Second, im + 0.0) << text;
  }
}

// What the boxes, the worksheets and the working print reads back into the boxes.
TEST(ParsePairEntry, ShownTextsReenter) {
  RecordingNotice notice;
  for (const Cplx& z : {MakeCplx(3, -4), MakeCplx(0, 4), MakeCplx(-1, 0), MakePolarCplx(2, 450), MakeCplx(-2.5, -1)}) {
    RealPair pair;
    ASSERT_TRUE(ReadCartEntry(TextbookCart(z), pair)) << TextbookCart(z);
    EXPECT_NEAR(pair.Second, z.Im, 0.005);
    ASSERT_TRUE(ReadPairEntry(TextbookPolar(z), pair)) << TextbookPolar(z);
    EXPECT_NEAR(pair.Second, z.Arg, 0.005);
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
