// SPDX-License-Identifier: MIT
#include "text/format_real.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "text/utf8.h"

namespace {

// Decimals in the exact expansion of x: as many as x has binary fraction digits.
int ExactDecimals(double x) {
  if (x == 0) return 0;
  int e = 0;
  const double f = std::frexp(std::fabs(x), &e);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(f, 53));
  const int exponent = e - 53 + std::countr_zero(mantissa);
  return exponent < 0 ? -exponent : 0;
}

// Adds one unit in the last digit of the unsigned number in [first, last), carrying to the left;
// returns the new end (one further when the carry grew a digit, as 9.99 to 10.00).
char* IncrementLastDigit(char* first, char* last) {
  for (char* p = last; p != first;) {
    --p;
    if (*p == '.') continue;
    if (*p != '9') {
      ++*p;
      return last;
    }
    *p = '0';
  }
  std::copy_backward(first, last, last + 1);
  *first = '1';
  return last + 1;
}

// A whole number of 2^53 or more: the shortest digits that read back to the same double, then
// zeros up to the units. The exact expansion would show digits that are only binary noise
// (1e23 would be 99999999999999991611392).
std::string LargeWholeNumber(double x) {
  char buffer[64];
  const char* const end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific).ptr;
  const std::string_view shortest(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = shortest.find('e');
  int exponent = 0;
  std::from_chars(shortest.data() + e + 1 + (shortest[e + 1] == '+' ? 1 : 0), shortest.data() + shortest.size(),
                  exponent);
  std::string digits;
  for (const char c : shortest.substr(0, e)) {
    if (c != '.') digits += c;
  }
  digits.resize(static_cast<std::size_t>(exponent) + 1, '0');
  return x < 0 ? "-" + digits : digits;
}

}  // namespace

std::string FormatReal(double x, int n) {
  n = std::clamp(n, 0, 340);
  char buffer[720];
  char* const end = buffer + sizeof buffer;
  if (!std::isfinite(x)) return std::string(buffer, std::to_chars(buffer, end, x).ptr);
  if (x == 0) x = 0;  // -0.0 is written "0": only a value below zero has a "-".
  if (std::fabs(x) >= 9007199254740992.0) return LargeWholeNumber(x);

  char* digits = buffer;
  if (x < 0) *digits++ = '-';
  const double magnitude = std::fabs(x);
  char* last = nullptr;
  if (ExactDecimals(magnitude) == n + 1) {
    // An exact half at the last kept decimal (0.125 at 2): the expansion ends in a 5 right
    // there. Printing rounds such ties to even, so drop the 5 and round away from zero here.
    last = std::to_chars(digits, end - 1, magnitude, std::chars_format::fixed, n + 1).ptr - 1;
    if (n == 0) --last;  // the "." before the dropped 5
    last = IncrementLastDigit(digits, last);
  } else {
    last = std::to_chars(digits, end, magnitude, std::chars_format::fixed, n).ptr;
  }

  std::string text(buffer, last);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

std::string DotDecimal(const std::string& s) {
  std::string text = ReplaceAll(s, ",", ".");
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

std::string RepeatText(int n, const std::string& s) {
  std::string text;
  for (int k = 0; k < n; ++k) text += s;
  return text;
}

std::string DeleteAt(const std::string& s, std::size_t p, std::size_t c) {
  if (p < 1) return s;
  const std::size_t from = Utf8Offset(s, p);
  if (from >= s.size()) return s;
  std::size_t to = from;
  for (std::size_t k = 0; k < c && to < s.size(); ++k) to += Utf8CharSize(s, to);
  return s.substr(0, from) + s.substr(to);
}

std::string DeleteFirst(const std::string& s, const std::string& t) {
  const std::size_t at = t.empty() ? std::string::npos : s.find(t);
  if (at == std::string::npos) return s;
  return s.substr(0, at) + s.substr(at + t.size());
}

std::string InsertAt(const std::string& s, const std::string& t, std::size_t p) {
  if (s.empty()) return t;
  const std::size_t at = Utf8Offset(s, std::max<std::size_t>(p, 1));
  return s.substr(0, at) + t + s.substr(at);
}

std::string ReplaceFirst(const std::string& s, const std::string& find, const std::string& repl) {
  const std::size_t at = find.empty() ? std::string::npos : s.find(find);
  if (at == std::string::npos) return s;
  return s.substr(0, at) + repl + s.substr(at + find.size());
}

std::string ReplaceAll(const std::string& s, const std::string& find, const std::string& repl) {
  if (find.empty()) return s;
  // When repl is not empty and shares no character with find, no new occurrence can form
  // across a replacement, so one left-to-right pass gives what replacing the first occurrence
  // until none is left gives. The same pass is taken when repl holds find, where repeating
  // would never end.
  if ((!repl.empty() && repl.find_first_of(find) == std::string::npos) ||
      repl.find(find) != std::string::npos) {
    std::string text;
    std::size_t from = 0;
    for (std::size_t at = s.find(find); at != std::string::npos; at = s.find(find, from)) {
      text.append(s, from, at - from).append(repl);
      from = at + find.size();
    }
    return text.append(s, from);
  }
  std::string text = s;
  std::size_t from = 0;
  // The cap only guards against pairs that keep creating occurrences without end.
  for (int rounds = 0; rounds < 1000000; ++rounds) {
    const std::size_t at = text.find(find, from);
    if (at == std::string::npos) break;
    text.replace(at, find.size(), repl);
    // Before at the text is unchanged, so a new occurrence can only start where it overlaps repl.
    from = at + 1 > find.size() ? at + 1 - find.size() : 0;
  }
  return text;
}

std::size_t FirstOfChars(const std::string& set, const std::string& s) {
  for (std::size_t i = 0; i < set.size();) {
    const std::size_t size = Utf8CharSize(set, i);
    const std::size_t at = s.find(set.data() + i, 0, size);
    if (at != std::string::npos) return Utf8Position(s, at);
    i += size;
  }
  return 0;
}
