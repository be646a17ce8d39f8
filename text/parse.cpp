// SPDX-License-Identifier: MIT
#include "text/parse.h"

#include <string_view>

#include "text/format_real.h"
#include "text/real_reader.h"

namespace {

constexpr std::string_view Blanks = " \t\n";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlankOnly(std::string_view s) { return s.find_first_not_of(Blanks) == std::string_view::npos; }

void SetError(ExprError* error, std::string cause, std::size_t start, std::size_t length) {
  if (error == nullptr) return;
  error->Cause = std::move(cause);
  error->Start = start;
  error->Length = length;
}

// The error of a part read from text[offset...] whose byte removedAt (in part coordinates) lost
// removedLength bytes before it was read (the "°" of an argument).
void PlaceError(ExprError* error, std::size_t offset, std::size_t removedAt = std::string::npos,
                std::size_t removedLength = 0) {
  if (error == nullptr) return;
  if (error->Start >= removedAt) {
    error->Start += removedLength;
  } else if (error->Start + error->Length > removedAt) {
    error->Length += removedLength;
  }
  error->Start += offset;
}

// "pi" is replaced by its digits, so a "pi" touching a number would run into it: 2pi would be
// 23.14159265358979 and pie5 314159.265358979. Such a text is refused instead.
bool PiStandsAlone(std::string_view text, ExprError* error) {
  for (std::size_t at = text.find("pi"); at != std::string_view::npos; at = text.find("pi", at + 2)) {
    std::size_t left = at;
    while (left > 0 && Blanks.find(text[left - 1]) != std::string_view::npos) --left;
    const char before = left > 0 ? text[left - 1] : ' ';
    if (IsDigit(before) || before == '.' || (before == 'i' && left >= 2 && text[left - 2] == 'p')) {
      std::size_t from = left - 1;
      if (before == 'i') {
        from = left - 2;
      } else {
        while (from > 0 && (IsDigit(text[from - 1]) || text[from - 1] == '.')) --from;
      }
      SetError(error, "write " + Shortened(text.substr(from, left - from)) + "*pi for a product", from,
               at + 2 - from);
      return false;
    }
    std::size_t right = at + 2;
    while (right < text.size() && Blanks.find(text[right]) != std::string_view::npos) ++right;
    const char after = right < text.size() ? text[right] : ' ';
    if (IsDigit(after) || after == '.' || text.substr(right, 2) == "pi") {
      std::size_t to = right + 2;
      if (after != 'p') {
        to = right;
        while (to < text.size() && (IsDigit(text[to]) || text[to] == '.')) ++to;
      }
      SetError(error, "write pi*" + Shortened(text.substr(right, to - right)) + " for a product", at,
               to - at);
      return false;
    }
    if (before == ',' || after == ',' || std::string_view("EeDd").find(before) != std::string_view::npos ||
        std::string_view("EeDd").find(after) != std::string_view::npos) {
      SetError(error, "pi cannot be part of a number", at, 2);
      return false;
    }
  }
  return true;
}

enum class Form { Pair, Cartesian };

bool ReadPair(const std::string& text, RealPair& pair, ExprError* error, Form form) {
  // A comma anywhere wins over a blank that comes before it.
  std::size_t at = text.find(',');
  const bool comma = at != std::string::npos;
  if (!comma) at = text.find(' ');
  if (at == std::string::npos) {
    SetError(error,
             form == Form::Pair ? "missing \u201C,\u201D between the two numbers"
                                : "missing \u201C,\u201D between the two numbers, or \u201Ci\u201D after the "
                                  "imaginary part",
             0, text.size());
    return false;
  }
  const std::string separator = comma ? "\u201C,\u201D" : "the blank";

  // The first part is taken as typed; blanks mean nothing in it.
  const std::string first = text.substr(0, at);
  if (IsBlankOnly(first)) {
    SetError(error, "missing number before " + separator, at, 1);
    return false;
  }
  std::size_t from = at + 1;
  while (from < text.size() && text[from] == ' ') ++from;
  std::size_t to = text.size();
  while (to > from && text[to - 1] == ' ') --to;
  const std::string raw = text.substr(from, to - from);
  const std::string degree = "\u00B0";
  const std::size_t degreeAt = raw.find(degree);
  const std::string second = DeleteFirst(raw, degree);
  if (IsBlankOnly(second)) {
    SetError(error, "missing number after " + separator, at, 1);
    return false;
  }

  double a = 0;
  double b = 0;
  if (!ParseRealNested(first, 0, a, error)) return false;
  if (!ParseRealNested(second, 0, b, error)) {
    PlaceError(error, from, degreeAt, degree.size());
    return false;
  }
  pair.First = a;
  pair.Second = b;
  return true;
}

// The a+bi form; text ends, before any blanks, with the "i" at byte last.
bool ReadCartesian(const std::string& text, std::size_t last, RealPair& pair, ExprError* error) {
  for (std::size_t k = text.find(','); k != std::string::npos; k = text.find(',', k + 1)) {
    if (k == 0 || !IsDigit(text[k - 1]) || k + 1 >= text.size() || !IsDigit(text[k + 1])) {
      SetError(error, "a pair is written 3, 4 and a complex 3+4i: \u201C,\u201D belongs to the pair", k, 1);
      return false;
    }
  }

  // "3 4i" is more likely a pair without its comma than 34i: no blank inside a number here.
  for (std::size_t k = text.find_first_of(Blanks); k < last; k = text.find_first_of(Blanks, k + 1)) {
    const std::size_t end = text.find_first_not_of(Blanks, k);
    const auto inNumber = [](char c) { return IsDigit(c) || c == '.'; };
    if (k > 0 && inNumber(text[k - 1]) && inNumber(text[end])) {
      SetError(error, "a blank inside a number: write 3+4i or 3, 4", k, end - k);
      return false;
    }
    k = end - 1;
  }

  // The last "+" or "-" outside parentheses that follows an operand splits; one that follows an
  // operator or an exponent letter ("1e-5") is a sign.
  std::size_t split = std::string::npos;
  std::ptrdiff_t level = 0;
  std::size_t before = std::string::npos;  // the last character other than a blank
  for (std::size_t k = 0; k < last; ++k) {
    const char c = text[k];
    if (Blanks.find(c) != std::string_view::npos) continue;
    if (c == '(') ++level;
    if (c == ')') --level;
    if ((c == '+' || c == '-') && level == 0 && before != std::string::npos) {
      const char b = text[before];
      const bool pi = b == 'i' && before > 0 && text[before - 1] == 'p';
      if (IsDigit(b) || b == '.' || b == ')' || pi) split = k;
    }
    before = k;
  }

  double re = 0;
  if (split != std::string::npos && !ParseRealNested(text.substr(0, split), 0, re, error)) return false;

  const std::size_t from = split == std::string::npos ? 0 : split;
  std::string coefficient = text.substr(from, last - from);
  const std::size_t lead = coefficient.find_first_not_of(Blanks);
  coefficient.erase(coefficient.find_last_not_of(Blanks) + 1);
  double im = 1;
  if (lead == std::string::npos || coefficient.substr(lead) == "+") {
    im = 1;
  } else if (coefficient.substr(lead) == "-") {
    im = -1;
  } else if (!ParseRealNested(coefficient, 0, im, error)) {
    PlaceError(error, from);
    return false;
  }
  pair.First = re;
  pair.Second = im;
  return true;
}

}  // namespace

bool ParseRealNested(std::string_view text, int depth, double& value, ExprError* error) {
  value = 0;
  if (!PiStandsAlone(text, error)) return false;
  std::string s(text);
  s = ReplaceFirst(s, ",", ".");
  s = ReplaceAll(s, "pi", "3.14159265358979");
  return EvalRealTyped(s, text, depth, value, error);
}

bool ParseReal(const std::string& text, double& value, ExprError* error) {
  return ParseRealNested(text, 0, value, error);
}

bool ReadPairEntry(const std::string& text, RealPair& pair, ExprError* error) {
  return ReadPair(text, pair, error, Form::Pair);
}

bool ReadCartEntry(const std::string& text, RealPair& pair, ExprError* error) {
  const std::size_t last = text.find_last_not_of(Blanks);
  if (last != std::string::npos && text[last] == 'i' && !(last > 0 && text[last - 1] == 'p')) {
    return ReadCartesian(text, last, pair, error);
  }
  return ReadPair(text, pair, error, Form::Cartesian);
}

bool ParsePairEntry(const std::string& text, RealPair& pair, Notice& notice, ExprError* error) {
  if (ReadPairEntry(text, pair, error)) return true;
  notice.Show("wrong expression");
  return false;
}

bool ParseCartEntry(const std::string& text, RealPair& pair, Notice& notice, ExprError* error) {
  if (ReadCartEntry(text, pair, error)) return true;
  notice.Show("wrong expression");
  return false;
}
