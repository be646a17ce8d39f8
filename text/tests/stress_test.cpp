// SPDX-License-Identifier: MIT
// Random and adversarial texts for the number readers: each call returns quickly, never
// crashes, and keeps the readers' promises (finite values, the zero rule, one notice per failure).
#include <gtest/gtest.h>

#include <algorithm>
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
  // A text fault is named before an arithmetic one: a stray "#" at the end is what is reported.
  if (!ok && error.Arithmetic && text.size() < 1000) {
    ExprError later;
    double ignored = 0;
    EXPECT_FALSE(EvalReal(text + "#", ignored, &later));
    EXPECT_FALSE(later.Arithmetic) << text << ": " << later.Cause;
  }
  double again = -1;
  EXPECT_EQ(EvalReal(text, again), ok);  // no state between calls
  EXPECT_EQ(again, value);
  FormatReal(value, 9);

  double parsed = -1;
  const bool parsedOk = ParseReal(text, parsed, &error);
  EXPECT_TRUE(std::isfinite(parsed));
  ExpectExplained(parsedOk, error, text);
  // Without "pi", "," and pasted characters there is nothing to replace: both readers agree.
  const bool ascii = std::none_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
  if (text.find("pi") == std::string::npos && text.find(',') == std::string::npos && ascii &&
      text.find_first_not_of(" \t\n") != std::string::npos) {
    EXPECT_EQ(parsedOk, ok);
    EXPECT_EQ(parsed, value);
  }

  // Radians take the same way as degrees up to the argument's unit: short texts suffice.
  for (const int box : {0, 1, 2}) {
    if (box == 2 && text.size() > 1000) continue;
    CountingNotice notice;
    RealPair pair{1, 2};
    const bool pairOk = box == 0 ? ReadCartEntry(text, pair, &error)
                                 : ParsePairEntry(text, pair, notice, &error,
                                                  box == 1 ? AngleUnit::Degrees : AngleUnit::Radians);
    EXPECT_EQ(notice.count, pairOk || box == 0 ? 0 : 1);
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
      repeat("\u2212"),    repeat("\u03C0"),    repeat("1; "),   repeat("1\t"),  repeat("(") + "3, 4" + repeat(")"),
      repeat("\u2220"),    repeat("1 000 "),     repeat("2,5 "),  repeat("j"),     std::string("5, ") + repeat("53\u00B08'"),
      "5, .\u00B08'",  std::string("5, ") + std::string(n / 2, '9') + "\u00B0" + std::string(n / 2, '9') + "'",
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
  // Single characters, and the characters documents paste as whole UTF-8 sequences.
  std::vector<std::string> alphabet = {"\u2212", "\u2013", "\u00D7", "\u00B7", "\u00F7", "\u03C0",
                                       "\u00BA", "\u00B0", "\u2220", "1/0", "'", "rad"};
  for (const char c : std::string("0123456789()()+-*/^.,, ;;xpiijEeDd\t\t\n\r[]")) alphabet.emplace_back(1, c);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> coin(0, 9);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int size = length(engine);
    for (int k = 0; k < size; ++k) {
      text += coin(engine) == 0 ? std::string(1, static_cast<char>(byte(engine))) : alphabet[pick(engine)];
    }
    Feed(text);
  }
}

}  // namespace
