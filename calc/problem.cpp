// SPDX-License-Identifier: MIT
#include "calc/problem.h"

#include <charconv>
#include <cmath>

#include "text/complex_text.h"

std::string PlainNumber(double x) {
  if (x == 0) return "0";  // no "-0" for a negative zero
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  char buffer[64];
  // The general format with 15 significant digits drops trailing zeros and is locale-free.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

namespace {

std::string BothForms(const Cplx& z) { return CartText(z) + " = " + PolarText(z); }

}  // namespace

Problem FesPrbl(const BinaryCalc& calc) {
  Problem p;
  p.Statement = "If z1 = " + CartText(calc.Z1) + " and z2 = " + CartText(calc.Z2) +
                " calculate: z1+z2, z1-z2, z1*z2, z1/z2.";
  for (std::size_t op = 0; op < 4; ++op) p.Answer += LineBreak + OpCaptions[op] + "= " + BothForms(calc.Results[op]);
  return p;
}

Problem FesPrbl(const PowerCalc& calc) {
  const std::string e = PlainNumber(calc.Exponent);
  return {"Find the power " + e + " of Z= " + CartText(calc.Base), " Z^" + e + " = " + BothForms(calc.Result)};
}

Problem FesPrbl(const RootsCalc& calc) {
  Problem p;
  p.Statement = "Find the roots of index " + std::to_string(calc.Index) + " of Z= " + CartText(calc.Radicand);
  for (int k = 0; k < calc.Index; ++k) p.Answer += LineBreak + BothForms(calc.Root(k));
  return p;
}

Problem FesPrbl(const CombinedCalc& calc) {
  Problem p;
  p.Statement = "Calculate " + calc.Formula + " . Where:" + LineBreak;
  // Every letter as often as it occurs; a letter beyond the store shows what its slot holds.
  for (const char c : LettersOf(calc.Formula))
    p.Statement += std::string(1, c) + " = " + CartText(calc.Store.At(c - 96)) + LineBreak;
  p.Answer = " cart.: " + CartText(calc.Result, 2) + "  polar: " + PolarText(calc.Result, 2);
  return p;
}

Problem FesPrbl(ProblemKind kind, const LastCalculations& last) {
  switch (kind) {
    case ProblemKind::Binary: return FesPrbl(last.Binary);
    case ProblemKind::Power: return FesPrbl(last.Power);
    case ProblemKind::Roots: return FesPrbl(last.Roots);
    case ProblemKind::Combined: return FesPrbl(last.Combined);
  }
  return {};
}
