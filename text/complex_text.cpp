// SPDX-License-Identifier: MIT
#include "text/complex_text.h"

#include "text/format_real.h"

std::string CartText(const Cplx& z, int n) {
  std::string text = FormatReal(z.Re, n);
  if (z.Im >= 0) text += '+';
  text += FormatReal(z.Im, n);
  text += 'i';
  return text;
}

std::string PairText(const Cplx& z, int n) {
  return FormatReal(z.Re, n) + " , " + FormatReal(z.Im, n);
}

std::string PolarText(const Cplx& z, int n, AngleUnit unit) {
  switch (unit) {
    case AngleUnit::Degrees: return FormatReal(z.Mod, n) + " , " + FormatReal(z.Arg, 1) + "\u00B0";
    case AngleUnit::Radians: return FormatReal(z.Mod, n) + " , " + FormatReal(DegToRad(z.Arg), n < 3 ? 3 : n) + " rad";
  }
  return {};
}

std::string CplxText(const Cplx& z, int n, TextForm form, AngleUnit unit) {
  return form == TextForm::Polar ? PolarText(z, n, unit) : CartText(z, n);
}
