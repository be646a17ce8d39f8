// SPDX-License-Identifier: MIT
#include "text/parse.h"

#include "text/eval_real.h"
#include "text/format_real.h"

bool ParseReal(const std::string& text, double& value) {
  std::string s = ReplaceFirst(text, ",", ".");
  s = ReplaceAll(s, "pi", "3.14159265358979");
  try {
    value = EvalReal(s);
  } catch (const ArithmeticError&) {
    value = 0;
    return false;
  }
  return value != 0 || s == "0";
}

bool ParsePairEntry(const std::string& text, RealPair& pair, Notice& notice) {
  // A comma anywhere wins over a blank that comes before it.
  std::size_t at = text.find(',');
  if (at == std::string::npos) at = text.find(' ');
  if (at != std::string::npos) {
    // The first part is taken as typed: "0 , 5" fails the zero rule on "0 ".
    const std::string first = text.substr(0, at);
    std::string second = text.substr(at + 1);
    second.erase(0, second.find_first_not_of(' '));
    second.erase(second.find_last_not_of(' ') + 1);
    second = DeleteFirst(second, "\u00B0");
    double a = 0;
    double b = 0;
    if (ParseReal(first, a) && ParseReal(second, b)) {
      pair.First = a;
      pair.Second = b;
      return true;
    }
  }
  notice.Show("wrong expression");
  return false;
}
