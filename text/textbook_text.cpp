// SPDX-License-Identifier: MIT
#include "text/textbook_text.h"

#include "text/format_real.h"

namespace {

const char* const Minus = "\u2212";

// The digits of |x| at n decimals, and whether x is negative once rounded ("-0" is not).
std::string Magnitude(double x, int n, bool& negative) {
  std::string text = FormatReal(x, n);
  negative = !text.empty() && text[0] == '-';
  if (negative) text.erase(0, 1);
  if (text == "0") negative = false;
  return text;
}

}  // namespace

std::string TextbookReal(double x, int n) {
  bool negative = false;
  const std::string digits = Magnitude(x, n, negative);
  return negative ? Minus + digits : digits;
}

std::string TextbookCart(const Cplx& z, int n) {
  bool reNegative = false;
  bool imNegative = false;
  const std::string re = Magnitude(z.Re, n, reNegative);
  const std::string im = Magnitude(z.Im, n, imNegative);
  const std::string imPart = (im == "1" ? std::string() : im) + "i";
  if (im == "0") return reNegative ? Minus + re : re;
  if (re == "0") return imNegative ? Minus + imPart : imPart;
  return (reNegative ? Minus + re : re) + (imNegative ? std::string(" ") + Minus + " " : " + ") +
         imPart;
}

std::string TextbookPolar(const Cplx& z, int n) {
  const std::string mod = TextbookReal(z.Mod, n);
  if (mod == "0") return mod;
  return mod + "\u2220" + TextbookReal(z.Arg, n) + "\u00B0";
}
