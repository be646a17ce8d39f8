// SPDX-License-Identifier: MIT
#include "text/eval_real.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/checked.h"

namespace {

// Weights of "+", "-", "*", "/", "^". Only the last three are consulted, and all being equal
// means the last of them at top level splits whatever its kind: 2*3^2 is (2*3)^2 = 36 and
// 6/2*3 is 9, which is how the program has always read such texts.
constexpr std::int16_t OpWeight[5] = {0, 0, 0, 0, 0};

struct TooDeep {};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
  while (i < s.size() && IsBlank(s[i])) ++i;
  return i;
}

double Power(double a, double b) {
  if (!((a > 0 || b == std::trunc(b)) && std::fabs(b) <= 10000)) return 0;
  const double r = std::pow(a, b);
  return std::isfinite(r) ? r : 0;
}

double Combine(char op, double a, double b) {
  switch (op) {
    case '+': return Checked(a + b);
    case '-': return Checked(a - b);
    case '*': return Checked(a * b);
    case '/': return b == 0 ? 0 : Checked(a / b);
    default: return Power(a, b);
  }
}

bool IsProductOperator(char c) { return c == '*' || c == '/' || c == '^'; }

double Eval(std::string_view s, int depth);

// With the weights all equal, the last top-level "*", "/" or "^" splits and its left side splits
// again at the one before, so a text without a top-level "+" or "-" is a fold from the left over
// its top-level product operators. Folding it in one pass keeps long products off the stack.
static_assert(OpWeight[2] == OpWeight[3] && OpWeight[3] == OpWeight[4]);
double FoldProducts(std::string_view s, int depth) {
  const char* const begin = s.data();
  const char* const end = begin + s.size();
  std::ptrdiff_t level = 0;
  const char* piece = begin;
  char pending = 0;
  double value = 0;
  for (const char* p = begin; p != end; ++p) {
    if (*p == '(') {
      ++level;
    } else if (*p == ')') {
      --level;
    } else if (level <= 0 && IsProductOperator(*p)) {
      const double b = Eval(std::string_view(piece, static_cast<std::size_t>(p - piece)), depth + 1);
      value = pending == 0 ? b : Combine(pending, value, b);
      pending = *p;
      piece = p + 1;
    }
  }
  const double b = Eval(std::string_view(piece, static_cast<std::size_t>(end - piece)), depth + 1);
  return Combine(pending, value, b);
}

double Eval(std::string_view s, int depth) {
  if (depth > MaxEvalRealDepth) throw TooDeep{};
  const char* const begin = s.data();
  const char* const end = begin + s.size();
  std::ptrdiff_t level = 0;
  bool product = false;
  for (const char* p = begin; p != end; ++p) {
    const char c = *p;
    if (c == '(') {
      ++level;
    } else if (c == ')') {
      --level;
    } else if (level <= 0) {
      if (c == '+' || c == '-') {
        // The first top-level "+" or "-" splits, whatever comes before or after it.
        const std::size_t at = static_cast<std::size_t>(p - begin);
        const double a = Eval(s.substr(0, at), depth + 1);
        const double b = Eval(s.substr(at + 1), depth + 1);
        return Combine(c, a, b);
      }
      if (IsProductOperator(c)) product = true;
    }
  }
  if (product) return FoldProducts(s, depth);

  if (!s.empty() && s.front() == '(') {
    // The last character goes whatever it is: "(2+3" reads as "2+".
    return Eval(s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string_view(), depth + 1);
  }
  if (!s.empty() && s.front() == 'x') return 0;
  return LeadingNumber(s);
}

}  // namespace

double EvalReal(const std::string& s) {
  try {
    return Eval(s, 0);
  } catch (const TooDeep&) {
    return 0;
  }
}

double LeadingNumber(std::string_view s) {
  std::string number;
  bool dot = false;
  // Decimal order of the first significant digit, to tell an overflow from an underflow.
  long long order = 0;
  bool significant = false;
  std::size_t i = SkipBlanks(s, 0);
  for (; i < s.size(); i = SkipBlanks(s, i + 1)) {
    const char c = s[i];
    if (IsDigit(c)) {
      if (c != '0') significant = true;
      if (!dot && significant) ++order;
      if (dot && !significant) --order;
      number += c;
    } else if (c == '.' && !dot) {
      dot = true;
      number += c;
    } else {
      break;
    }
  }
  if (!significant) return 0;

  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = SkipBlanks(s, i + 1);
    if (j < s.size() && IsDigit(s[j])) {
      number += 'e';
      long long exponent = 0;
      for (; j < s.size() && IsDigit(s[j]); j = SkipBlanks(s, j + 1)) {
        number += s[j];
        if (exponent < 1000000) exponent = exponent * 10 + (s[j] - '0');
      }
      order += exponent;
    }
  }

  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (order > 0) throw ArithmeticError("overflow");
    return 0;
  }
  return Checked(value);
}
