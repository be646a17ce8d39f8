// SPDX-License-Identifier: MIT
// Random and adversarial formulas: EvalCombined returns quickly, never crashes, and answers the
// same for the same text.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/eval_combined.h"

namespace {

ComplexStore SmallStore() {
  ComplexStore store;
  for (const Cplx& z : {MakeCplx(1, 2), MakeCplx(3, -1), MakeCplx(0, 0), MakeCplx(-2, 0.5)}) store.Append(z);
  return store;
}

// Evaluates text twice and answers how long the first evaluation took.
std::chrono::steady_clock::duration Feed(const std::string& text, const ComplexStore& store) {
  Cplx z;
  const auto start = std::chrono::steady_clock::now();
  ExprError error;
  const bool ok = EvalCombined(text, store, z, &error);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  if (ok) {
    EXPECT_TRUE(std::isfinite(z.Re) && std::isfinite(z.Im) && std::isfinite(z.Mod) &&
                std::isfinite(z.Arg));
  } else {
    // A failure names a cause and points inside the text.
    EXPECT_FALSE(error.Cause.empty()) << text.substr(0, 12);
    EXPECT_LE(error.Start + error.Length, text.size()) << text.substr(0, 12);
    // A text fault is named before an arithmetic one: a stray "#" at the end is what is reported.
    if (error.Arithmetic && text.size() < 1000) {
      ExprError later;
      Cplx w;
      EXPECT_FALSE(EvalCombined(text + "#", store, w, &later));
      EXPECT_FALSE(later.Arithmetic) << text << ": " << later.Cause;
    }
  }
  Cplx again;
  EXPECT_EQ(EvalCombined(text, store, again), ok);
  return elapsed;
}

// The bound guards against an evaluator that goes quadratic or worse, generous enough for an
// unoptimised sanitizer build on a busy machine; how fast it is is timed in bench/numbers_bench.cpp.
TEST(FormulaStress, AdversarialFormulasReturn) {
  const ComplexStore store = SmallStore();
  const std::size_t n = 100000;
  auto repeat = [n](const std::string& unit) {
    std::string s;
    while (s.size() < n) s += unit;
    return s;
  };
  const std::vector<std::string> texts = {
      std::string(n, '('), std::string(n, ')'), repeat("a+"),   repeat("a-") + "a",
      repeat("a*") + "a",  repeat("a/") + "b",  repeat("a*") + "a)", repeat("a*") + "2)",  repeat("a^"),   repeat("a'"),
      repeat("(a+"),       repeat("(") + std::string("a") + repeat(")"),     std::string("(") + repeat("a*") + "a)",
      repeat("9"),         repeat("1E9"),       std::string("a^(") + repeat("(") + std::string("2") + repeat(")") + ")",
      std::string("a^") + repeat("2*"), repeat("\x01\xFF"),  repeat("\xC2\xB0"), repeat("a"),
      repeat("(a)+"),      repeat("a*(b+") + std::string("c") + repeat(")"), std::string(n, '\0'),
      repeat("-") + "a",   std::string("a") + repeat("^-") + "2", std::string("a^") + repeat("(") + "2", repeat("a'"),
      std::string("a^(") + repeat("1+") + "1)", std::string("a^(") + repeat("pi") + ")", repeat("a^2^"), repeat(" "),
  };
  for (const std::string& text : texts) {
    EXPECT_LT(Feed(text, store), std::chrono::seconds(20)) << text.substr(0, 12);
  }
}

TEST(FormulaStress, RandomFormulas) {
  const ComplexStore store = SmallStore();
  std::mt19937 engine(715517);
  // Single characters, and the characters documents paste as whole UTF-8 sequences.
  std::vector<std::string> alphabet = {"\u2212", "\u2013", "\u00D7", "\u00B7", "\u00F7", "\u03C0", "\u00B0", "1/0", "0^-1"};
  for (const char c : std::string("abcdeABiz0123456789()()++--**//^^'''.,, piX\t;j[]")) alphabet.emplace_back(1, c);
  std::uniform_int_distribution<int> length(0, 30);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> coin(0, 19);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int size = length(engine);
    for (int k = 0; k < size; ++k) {
      text += coin(engine) == 0 ? std::string(1, static_cast<char>(byte(engine))) : alphabet[pick(engine)];
    }
    Feed(text, store);
  }
}

}  // namespace
