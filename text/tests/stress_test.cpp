// SPDX-License-Identifier: MIT
// Random and adversarial texts for the number readers: each call returns quickly, never
// crashes, and keeps the readers' promises (finite values, the zero rule, one notice per failure).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/cplx.h"
#include "text/complex_text.h"
#include "text/eval_real.h"
#include "text/format_real.h"
#include "text/parse.h"

namespace {

class CountingNotice : public Notice {
 public:
  void Show(const std::string&) override { ++count; }
  int count = 0;
};

void Feed(const std::string& text) {
  double value = 0;
  try {
    value = EvalReal(text);
    EXPECT_TRUE(std::isfinite(value));
    EXPECT_EQ(EvalReal(text), value);  // no state between calls
  } catch (const ArithmeticError&) {
  }
  FormatReal(value, 9);

  double parsed = -1;
  const bool ok = ParseReal(text, parsed);
  EXPECT_TRUE(std::isfinite(parsed));
  EXPECT_EQ(ok, parsed != 0 || text == "0");

  CountingNotice notice;
  RealPair pair{1, 2};
  const bool pairOk = ParsePairEntry(text, pair, notice);
  EXPECT_EQ(notice.count, pairOk ? 0 : 1);
  if (pairOk) {
    try {
      CartText(MakeCplx(pair.First, pair.Second), 9);
    } catch (const ArithmeticError&) {  // parts whose squares leave the double range
    }
  }
}

std::vector<std::string> Adversarial() {
  const std::size_t n = 100000;
  auto repeat = [n](const std::string& unit) {
    std::string s;
    while (s.size() < n) s += unit;
    return s;
  };
  return {
      std::string(n, '('),  std::string(n, ')'),  repeat("1+"),    repeat("1-"),
      repeat("1*"),         repeat("2^"),         repeat("8/"),    repeat("(1+"),
      repeat("(") + "1" + repeat(")"),            repeat("pi"),    repeat(","),
      repeat("9"),          "1e" + repeat("9"),   repeat(" "),     repeat("\xC2\xB0"),
      repeat("x+"),         repeat("1)+("),       repeat("\x01\x7F\xFF"),
      repeat("1, "),        repeat("(1,2)"),      repeat("0."),    std::string(n, '\0'),
  };
}

TEST(ReaderStress, AdversarialTextsReturnQuickly) {
  for (const std::string& text : Adversarial()) {
    const auto start = std::chrono::steady_clock::now();
    Feed(text);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(1)) << text.substr(0, 12);
  }
}

TEST(ReaderStress, RandomTexts) {
  std::mt19937 engine(20240611);
  const std::string alphabet = "0123456789()()+-*/^.,, xpiEeDd\t\n\r'\xC2\xB0";
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> coin(0, 9);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int size = length(engine);
    for (int k = 0; k < size; ++k) {
      text += coin(engine) == 0 ? static_cast<char>(byte(engine)) : alphabet[pick(engine)];
    }
    Feed(text);
  }
}

}  // namespace
