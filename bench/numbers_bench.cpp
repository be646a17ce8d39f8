// SPDX-License-Identifier: MIT
// What one click on a panel costs: evaluating a formula, reading a typed number, writing results.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/eval_combined.h"
#include "text/complex_text.h"
#include "text/eval_real.h"
#include "text/format_real.h"
#include "text/parse.h"

namespace {

ComplexStore SmallStore() {
  ComplexStore store;
  for (const Cplx& z : {MakeCplx(1, 2), MakeCplx(3, -1), MakeCplx(-2, 0.5)}) store.Append(z);
  return store;
}

void EvalCombinedFormula(benchmark::State& state, const std::string& text) {
  const ComplexStore store = SmallStore();
  for (auto _ : state) {
    Cplx z;
    benchmark::DoNotOptimize(EvalCombined(text, store, z));
    benchmark::DoNotOptimize(z);
  }
}
BENCHMARK_CAPTURE(EvalCombinedFormula, PowerOverConjugate, std::string("(a+b)^2/c'"));
BENCHMARK_CAPTURE(EvalCombinedFormula, ProductPlusConjugate, std::string("a*b+c'"));

void EvalRealQuarterPi(benchmark::State& state) {
  const std::string text = ReplaceAll("pi/4", "pi", "3.14159265358979");
  for (auto _ : state) {
    double value = 0;
    benchmark::DoNotOptimize(EvalReal(text, value));
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(EvalRealQuarterPi);

void ParseRealQuarterPi(benchmark::State& state) {
  const std::string text = "pi/4";
  for (auto _ : state) {
    double value = 0;
    benchmark::DoNotOptimize(ParseReal(text, value));
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(ParseRealQuarterPi);

void ReadCartesianEntry(benchmark::State& state) {
  const std::string text = "-1.41+0.71i";
  for (auto _ : state) {
    RealPair pair;
    benchmark::DoNotOptimize(ReadCartEntry(text, pair));
    benchmark::DoNotOptimize(pair);
  }
}
BENCHMARK(ReadCartesianEntry);

// Twenty characters of each box, with the pasted signs and the decimal comma: under 2 µs each.
void ReadTwentyCharacters(benchmark::State& state, int box, const std::string& text) {
  const ComplexStore store = SmallStore();
  for (auto _ : state) {
    RealPair pair;
    double value = 0;
    Cplx z;
    ExprError error;
    switch (box) {
      case 0:
        benchmark::DoNotOptimize(ReadCartEntry(text, pair, &error));
        break;
      case 1:
        benchmark::DoNotOptimize(ReadPairEntry(text, pair, &error, AngleUnit::Radians));
        break;
      case 2:
        benchmark::DoNotOptimize(ParseReal(text, value, &error));
        break;
      default:
        benchmark::DoNotOptimize(EvalCombined(text, store, z, &error));
    }
    benchmark::DoNotOptimize(pair);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK_CAPTURE(ReadTwentyCharacters, Cartesian, 0, std::string("\u22121.41421 + 0.707107i"));
BENCHMARK_CAPTURE(ReadTwentyCharacters, Polar, 1, std::string("5,000000; pi/4\u00D73,5"));
BENCHMARK_CAPTURE(ReadTwentyCharacters, Real, 2, std::string("1/3+2*(0,5-pi/8)^2-1"));
BENCHMARK_CAPTURE(ReadTwentyCharacters, RefusedPair, 0, std::string("3,5, 4 + 2,5 3 - 1e5"));
BENCHMARK_CAPTURE(ReadTwentyCharacters, Formula, 3, std::string("(a+b)^2/c'*a-b*(c+a)"));

void FormatRealValue(benchmark::State& state, double x, int n) {
  for (auto _ : state) benchmark::DoNotOptimize(FormatReal(x, n));
}
BENCHMARK_CAPTURE(FormatRealValue, Third, 1.0 / 3, 2);
BENCHMARK_CAPTURE(FormatRealValue, ExactHalf, 0.125, 2);
BENCHMARK_CAPTURE(FormatRealValue, Large, 123456789.987654321, 9);

void CartAndPolarText(benchmark::State& state) {
  const Cplx z = MakeCplx(3, -4);
  for (auto _ : state) {
    benchmark::DoNotOptimize(CartText(z, 2));
    benchmark::DoNotOptimize(PolarText(z, 2));
  }
}
BENCHMARK(CartAndPolarText);

// Texts built to make a reader work hard: 100,000 characters of one pattern, as the stress tests
// feed them.
std::string Repeated(const std::string& unit) {
  std::string s;
  while (s.size() < 100000) s += unit;
  return s;
}

void EvalRealAdversarial(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    double value = 0;
    benchmark::DoNotOptimize(EvalReal(text, value));
  }
}
BENCHMARK_CAPTURE(EvalRealAdversarial, OpenParentheses, std::string(100000, '('));
BENCHMARK_CAPTURE(EvalRealAdversarial, NestedOne, Repeated("(") + "1" + Repeated(")"));
BENCHMARK_CAPTURE(EvalRealAdversarial, PowersOfMinus, Repeated("2^-"));

void EvalCombinedAdversarial(benchmark::State& state, const std::string& text) {
  const ComplexStore store = SmallStore();
  for (auto _ : state) {
    Cplx z;
    benchmark::DoNotOptimize(EvalCombined(text, store, z));
  }
}
BENCHMARK_CAPTURE(EvalCombinedAdversarial, OpenParentheses, std::string(100000, '('));
BENCHMARK_CAPTURE(EvalCombinedAdversarial, LongProduct, Repeated("a*") + "a");
BENCHMARK_CAPTURE(EvalCombinedAdversarial, TowerOfPowers, Repeated("a^2^"));

}  // namespace
