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

// A failure names a cause and points inside the text.
void ExpectExplained(bool ok, const ExprError& error, const std::string& text) {
  if (ok) return;
  EXPECT_FALSE(error.Cause.empty()) << text.substr(0, 12);
  EXPECT_LE(error.Start + error.Length, text.size()) << text.substr(0, 12);
}

void Feed(const std::string& text) {
  double value = -1;
  ExprError error;
  const bool ok = EvalReal(text, value, &error);
  EXPECT_TRUE(std::isfinite(value));
  if (!ok) {
    EXPECT_EQ(value, 0);
  }
  ExpectExplained(ok, error, text);
  double again = -1;
  EXPECT_EQ(EvalReal(text, again), ok);  // no state between calls
  EXPECT_EQ(again, value);
  FormatReal(value, 9);

  double parsed = -1;
  const bool parsedOk = ParseReal(text, parsed, &error);
  EXPECT_TRUE(std::isfinite(parsed));
  ExpectExplained(parsedOk, error, text);
  // Without "pi" and "," there is nothing to replace: both readers agree.
  if (text.find("pi") == std::string::npos && text.find(',') == std::string::npos) {
    EXPECT_EQ(parsedOk, ok);
    EXPECT_EQ(parsed, value);
  }

  for (const bool cartesian : {false, true}) {
    CountingNotice notice;
    RealPair pair{1, 2};
    const bool pairOk = cartesian ? ParseCartEntry(text, pair, notice, &error) : ParsePairEntry(text, pair, notice, &error);
    EXPECT_EQ(notice.count, pairOk ? 0 : 1);
    ExpectExplained(pairOk, error, text);
    if (pairOk) {
      try {
        CartText(MakeCplx(pair.First, pair.Second), 9);
      } catch (const ArithmeticError&) {  // parts whose squares leave the double range
      }
    } else {
      EXPECT_EQ(pair.First, 1);
      EXPECT_EQ(pair.Second, 2);
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
      repeat("(") + std::string("1") + repeat(")"),            repeat("pi"),    repeat(","),
      repeat("9"),          std::string("1e") + repeat("9"),   repeat(" "),     repeat("\xC2\xB0"),
      repeat("x+"),         repeat("1)+("),       repeat("\x01\x7F\xFF"),
      repeat("1, "),        repeat("(1,2)"),      repeat("0."),    std::string(n, '\0'),
      repeat("-"),          repeat("2^-"),        repeat("+i"),    repeat("(") + "i",
      repeat("1+") + "i",   repeat("pi") + "i",   std::string("1") + repeat(" ") + "i",      repeat("1e-5+2i"),
  };
}

// A guard against a reader that goes quadratic or worse, generous enough for an unoptimised
// sanitizer build on a busy machine; how fast the readers are is timed in bench/numbers_bench.cpp.
TEST(ReaderStress, AdversarialTextsReturn) {
  for (const std::string& text : Adversarial()) {
    const auto start = std::chrono::steady_clock::now();
    Feed(text);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(20)) << text.substr(0, 12);
  }
}

TEST(ReaderStress, RandomTexts) {
  std::mt19937 engine(20240611);
  const std::string alphabet = "0123456789()()+-*/^.,, xpiiEeDd\t\n\r'\xC2\xB0";
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
