// SPDX-License-Identifier: MIT
#include "text/parse.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/complex_text.h"

namespace {

class RecordingNotice : public Notice {
 public:
  void Show(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

TEST(ParseReal, ZeroCountsOnlyAsTheTextZero) {
  double v = -1;
  EXPECT_TRUE(ParseReal("0", v));
  EXPECT_EQ(v, 0);
  for (const char* text : {"0.0", "-0", "00", "1-1", "", "x", "abc", "PI", " 0"}) {
    v = -1;
    EXPECT_FALSE(ParseReal(text, v)) << text;
    EXPECT_EQ(v, 0) << text;
  }
}

TEST(ParseReal, DecimalCommaAndPi) {
  double v = 0;
  EXPECT_TRUE(ParseReal("2,5", v));
  EXPECT_EQ(v, 2.5);
  EXPECT_TRUE(ParseReal("2,5,7", v));  // only the first comma is a decimal comma
  EXPECT_EQ(v, 2.5);
  EXPECT_TRUE(ParseReal("pi/4", v));
  EXPECT_DOUBLE_EQ(v, 3.14159265358979 / 4);
  EXPECT_TRUE(ParseReal("pi+pi", v));
  EXPECT_DOUBLE_EQ(v, 2 * 3.14159265358979);
  EXPECT_TRUE(ParseReal("2pi", v));  // no implied product: the digits run together
  EXPECT_DOUBLE_EQ(v, 23.14159265358979);
  EXPECT_TRUE(ParseReal("-2", v));
  EXPECT_EQ(v, -2);
}

TEST(ParseReal, OverflowIsRejectedNotThrown) {
  double v = -1;
  EXPECT_FALSE(ParseReal("1e200*1e200", v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(ParseReal("1e999", v));
}

struct PairCase {
  const char* text;
  double first;
  double second;
};

TEST(ParsePairEntry, AcceptedTexts) {
  const PairCase cases[] = {
      {"3,4", 3, 4},       {"3, 4", 3, 4},         {"3 4", 3, 4},           {"3 -4", 3, -4},
      {"1/2, pi/4", 0.5, 3.14159265358979 / 4},   {"1 + 2, 3", 3, 3},      {"5, 53.13", 5, 53.13},
      {"5 , 53.1\u00B0", 5, 53.1},                {"2, -90", 2, -90},      {"1,5 2", 1, 52},
      {" 5,3", 5, 3},      {"3, 2,5", 3, 2.5},     {"0, 5", 0, 5},          {"3 , 4  ", 3, 4},
  };
  for (const PairCase& c : cases) {
    RecordingNotice notice;
    RealPair pair;
    ASSERT_TRUE(ParsePairEntry(c.text, pair, notice)) << c.text;
    EXPECT_DOUBLE_EQ(pair.First, c.first) << c.text;
    EXPECT_DOUBLE_EQ(pair.Second, c.second) << c.text;
    EXPECT_TRUE(notice.shown.empty()) << c.text;
  }
}

TEST(ParsePairEntry, RejectedTextsSayWrongExpressionOnce) {
  for (const char* text : {"5", "3+4i", "0.0, 4", " 5 3", "PI, 1", "1, PI", "0 , 5", "", ",",
                           "1e999, 1"}) {
    RecordingNotice notice;
    RealPair pair{7, 8};
    EXPECT_FALSE(ParsePairEntry(text, pair, notice)) << text;
    EXPECT_EQ(pair.First, 7) << text;
    EXPECT_EQ(pair.Second, 8) << text;
    ASSERT_EQ(notice.shown.size(), 1u) << text;
    EXPECT_EQ(notice.shown[0], "wrong expression");
  }
}

TEST(ParsePairEntry, ShownTextsReenterUnlessTheyStartWithZero) {
  RecordingNotice notice;
  RealPair pair;
  const Cplx z = MakeCplx(3, -4);
  ASSERT_TRUE(ParsePairEntry(PairText(z, 2), pair, notice));
  EXPECT_EQ(pair.First, 3);
  EXPECT_EQ(pair.Second, -4);
  ASSERT_TRUE(ParsePairEntry(PolarText(z, 2), pair, notice));
  EXPECT_EQ(pair.First, 5);
  EXPECT_EQ(pair.Second, -53.1);
  EXPECT_TRUE(notice.shown.empty());
  // "0 , 4": the first part keeps its blank, and "0 " is not the text "0".
  EXPECT_FALSE(ParsePairEntry(PairText(MakeCplx(0, 4), 2), pair, notice));
  EXPECT_EQ(notice.shown.size(), 1u);
}

}  // namespace
