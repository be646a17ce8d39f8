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

Problem Binary(const ProblemInputs& in) {
  Problem p;
  p.Statement = "If z1 = " + CartText(in.BinZ1) + " and z2 = " + CartText(in.BinZ2) +
                " calculate: z1+z2, z1-z2, z1*z2, z1/z2.";
  for (std::size_t op = 0; op < 4; ++op)
    p.Answer += LineBreak + in.OpCaptions[op] + "= " + BothForms(in.BinaryResults[op]);
  return p;
}

Problem Power(const ProblemInputs& in) {
  const std::string e = PlainNumber(in.PowExponent);
  return {"Find the power " + e + " of Z= " + CartText(in.PowBase), " Z^" + e + " = " + BothForms(in.PowResult)};
}

Problem Roots(const ProblemInputs& in) {
  Problem p;
  p.Statement = "Find the roots of index " + std::to_string(in.RootIndex) + " of Z= " + CartText(in.RootRadicand);
  // Each root's argument is counted from the principal one, never reduced: the order in which
  // the roots panel lists them.
  Cplx r = in.RootFirst;
  for (int k = 0; k < in.RootIndex; ++k) {
    r.Arg = k * in.RootStep + in.RootFirst.Arg;
    SyncCplx(r, 1);
    p.Answer += LineBreak + BothForms(r);
  }
  return p;
}

Problem Combined(const ProblemInputs& in) {
  Problem p;
  p.Statement = "Calculate " + in.Formula + " . Where:" + LineBreak;
  // Every letter as often as it occurs; a letter beyond the store shows what its slot holds.
  for (const char c : LettersOf(in.Formula)) {
    const Cplx z = in.Store ? in.Store->StoreSlots[static_cast<std::size_t>(c - 96)] : Cplx{};
    p.Statement += std::string(1, c) + " = " + CartText(z) + LineBreak;
  }
  // Copied from the result boxes, not recomputed: the boxes are what the student saw.
  p.Answer = " cart.: " + in.ResultCart + "  polar: " + in.ResultPolar;
  return p;
}

}  // namespace

Problem FesPrbl(std::int16_t kind, const ProblemInputs& in) {
  switch (kind) {
    case ProblemBinary: return Binary(in);
    case ProblemPower: return Power(in);
    case ProblemRoots: return Roots(in);
    case ProblemCombined: return Combined(in);
    default: return {};
  }
}
