// SPDX-License-Identifier: MIT
#include "text/parse.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "text/format_real.h"
#include "text/pasted_text.h"
#include "text/ascii.h"
#include "text/real_reader.h"

namespace {

constexpr std::string_view Blanks = " \t\n";

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

constexpr std::string_view Degree = "\u00B0";
constexpr std::string_view Angle = "\u2220";

enum class Box { Polar, Cartesian };

// What to type in each box, for the causes.
std::string Example(Box box) { return box == Box::Cartesian ? "3, 4 or 3+4i" : "5, 53.13"; }

std::string_view Trimmed(std::string_view s) {
  const std::size_t from = s.find_first_not_of(Blanks);
  if (from == std::string_view::npos) return {};
  return s.substr(from, s.find_last_not_of(Blanks) + 1 - from);
}

// One pair of brackets around the whole entry, "(3, 4)" or "[3+4i]", becomes two blanks.
void Unbracket(std::string& t) {
  const std::size_t first = t.find_first_not_of(Blanks);
  const std::size_t last = t.find_last_not_of(Blanks);
  if (first == std::string::npos || last == first) return;
  const char open = t[first];
  const char close = open == '(' ? ')' : open == '[' ? ']' : '\0';
  if (close == '\0' || t[last] != close) return;
  int level = 0;
  for (std::size_t k = first; k < last; ++k) {
    if (t[k] == open) ++level;
    if (t[k] == close && --level == 0) return;  // "(1)+(2)" is no bracketed whole
  }
  t[first] = ' ';
  t[last] = ' ';
}

// The part text[from, to) read as a real; an error points into text.
bool ReadPart(std::string_view text, std::size_t from, std::size_t to, double& value, ExprError* error) {
  if (ParseRealNested(text.substr(from, to - from), 0, value, error)) return true;
  ShiftError(error, from);
  return false;
}

// An "i" or "j" of the imaginary unit that does not end the text, as in "4i+3" or "3+i4": not the
// "i" of "pi", and not inside a word.
std::size_t StrayUnit(std::string_view t, std::size_t last) {
  for (std::size_t k = 0; k < last; ++k) {
    if (t[k] != 'i' && t[k] != 'j') continue;
    if (t[k] == 'i' && k > 0 && t[k - 1] == 'p') continue;
    if ((k > 0 && IsLetter(t[k - 1])) || (k + 1 < t.size() && IsLetter(t[k + 1]))) continue;
    return k;
  }
  return std::string_view::npos;
}

// "53°8'" or "53°8'30\"": the degrees written with minutes (and seconds); the decimal degrees, to
// write with 3 decimals, or 4 with seconds.
bool DegreesAndMinutes(std::string_view arg, double& degrees, int& decimals) {
  const std::size_t mark = arg.find(Degree);
  if (mark == std::string_view::npos) return false;
  std::string_view rest = arg.substr(mark + Degree.size());
  const auto whole = [](std::string_view s, double& v) {
    // Degrees, minutes and seconds are short; a page of digits is no such text.
    if (s.size() > 20 || s.find_first_of("0123456789") == std::string_view::npos ||
        s.find_first_not_of("0123456789.") != std::string_view::npos) {
      return false;
    }
    v = std::strtod(std::string(s).c_str(), nullptr);  // never throws
    return std::isfinite(v);
  };
  double d = 0;
  double m = 0;
  double sec = 0;
  const std::size_t prime = rest.find('\'');
  if (!whole(Trimmed(arg.substr(0, mark)), d) || prime == std::string_view::npos ||
      !whole(Trimmed(rest.substr(0, prime)), m)) {
    return false;
  }
  rest = Trimmed(rest.substr(prime + 1));
  decimals = rest.empty() ? 3 : 4;
  if (!rest.empty()) {
    const std::size_t second = rest.find_first_of("\"'");
    if (second == std::string_view::npos || !whole(Trimmed(rest.substr(0, second)), sec)) return false;
  }
  degrees = d + m / 60 + sec / 3600;
  return true;
}

// The argument of the polar box at text[from, to), answered in degrees. A "°" after it says
// degrees and "rad" says radians whatever the unit; otherwise it is read in unit.
bool ReadArgument(std::string_view text, std::size_t from, std::size_t to, AngleUnit unit, double& degrees,
                  std::size_t separatorAt, std::size_t separatorSize, ExprError* error) {
  while (from < to && Blanks.find(text[from]) != std::string_view::npos) ++from;
  const std::string_view arg = text.substr(from, to - from);
  const std::size_t mark = arg.find(Degree);
  double minutes = 0;
  int decimals = 0;
  if (DegreesAndMinutes(arg, minutes, decimals)) {
    SetError(error, "degrees and minutes are not read: write " + FormatReal(minutes, decimals), from, arg.size());
    return false;
  }
  std::string read(arg);
  if (mark != std::string_view::npos) {
    // The "°" becomes blanks in place, so that the places of an error stay those of text.
    read.replace(mark, Degree.size(), Degree.size(), ' ');
    unit = AngleUnit::Degrees;
  } else if (Trimmed(arg).size() > 3 && Trimmed(arg).substr(Trimmed(arg).size() - 3) == "rad") {
    read.replace(read.rfind("rad"), 3, 3, ' ');
    unit = AngleUnit::Radians;
  }
  if (IsBlankOnly(read)) {
    SetError(error, "missing argument after " + Quoted(text.substr(separatorAt, separatorSize)) + ": type 5, 53.13",
             separatorAt, separatorSize);
    return false;
  }
  double value = 0;
  if (!ReadPart(read, 0, read.size(), value, error)) {
    ShiftError(error, from);
    return false;
  }
  if (unit == AngleUnit::Radians) {
    degrees = value / PiValue * 180;
    if (!std::isfinite(degrees)) {
      SetError(error, "number too large", from, arg.size());
      return false;
    }
    return true;
  }
  if (read.find("pi") != std::string::npos) {
    SetError(error,
             "pi in an argument in degrees: write the degrees, " + FormatReal(value / PiValue * 180, 4) +
                 ", or switch the angle unit to radians",
             from, arg.size());
    return false;
  }
  degrees = value;
  return true;
}

// "3,5, 4": the "," followed by a blank separates, the other is a decimal comma.
std::string TwoCommas(std::string_view t) {
  const std::size_t one = t.find(',');
  const std::size_t two = t.find(',', one + 1);
  if (t.find(',', two + 1) != std::string_view::npos) return "more than one \u201C,\u201D in a pair: write 3,5; 4 or 3.5, 4";
  const bool secondSplits = two + 1 < t.size() && t[two + 1] == ' ';
  const std::size_t split = secondSplits || !(one + 1 < t.size() && t[one + 1] == ' ') ? two : one;
  const std::size_t other = split == one ? two : one;
  std::string point(t);
  point[other] = '.';
  const std::string semicolon =
      std::string(Trimmed(t.substr(0, split))) + "; " + std::string(Trimmed(t.substr(split + 1)));
  point = std::string(Trimmed(std::string_view(point).substr(0, split))) + ", " +
          std::string(Trimmed(std::string_view(point).substr(split + 1)));
  return "two \u201C,\u201D in a pair: write " + Shortened(semicolon) + " or " + Shortened(point);
}

bool ReadPair(std::string t, RealPair& pair, ExprError* error, Box box, AngleUnit unit) {
  if (IsBlankOnly(t)) {
    SetError(error, "the box is empty: type " + Example(box), 0, 0);
    return false;
  }
  Unbracket(t);
  const std::size_t begin = t.find_first_not_of(Blanks);
  const std::size_t end = t.find_last_not_of(Blanks) + 1;

  // The separator: ";" lets both numbers have a decimal comma, and so does the tab of a pasted
  // row and the "∠" of the polar form; without them the first ",", then the first blank.
  std::size_t at = t.find(';');
  std::size_t size = 1;
  if (at == std::string::npos) at = t.substr(0, end).find('\t', begin);
  if (at == std::string::npos && box == Box::Polar) {
    at = t.find(Angle);
    size = Angle.size();
  }
  if (at == std::string::npos) {
    size = 1;
    at = t.find(',');
  }
  const bool comma = at != std::string::npos && t[at] == ',';
  if (at == std::string::npos) at = t.substr(0, end).find(' ', begin);
  if (at == std::string::npos) {
    if (box == Box::Cartesian) {
      // A real alone is a+0i.
      double re = 0;
      if (!ReadPart(t, 0, t.size(), re, error)) return false;
      pair = {re, 0};
      return true;
    }
    const bool complex = t[end - 1] == 'j' || (t[end - 1] == 'i' && !(end >= 2 && t[end - 2] == 'p'));
    SetError(error,
             complex ? "this box takes modulus, argument, as 5, 53.13: type " + Shortened(Trimmed(t)) +
                           " in the cartesian box a,b"
                     : "missing \u201C,\u201D between modulus and argument: type 5, 53.13",
             begin, end - begin);
    return false;
  }
  const std::string separator = Quoted(std::string_view(t).substr(at, size));
  if (IsBlankOnly(t.substr(0, at))) {
    SetError(error, "missing number before " + separator + ": type " + Example(box), at, size);
    return false;
  }
  const std::size_t from = at + size;
  if (comma && t.find(',', from) != std::string::npos) {
    SetError(error, TwoCommas(std::string_view(t).substr(begin, end - begin)), begin, end - begin);
    return false;
  }
  if (!comma && t[at] == ' ') {
    // "1 000" or "12 345 678": digit groups of three read as one number with its thousands apart.
    const std::string_view whole = std::string_view(t).substr(begin, end - begin);
    bool groups = at - begin <= 3 && whole.find_first_not_of("0123456789 ") == std::string_view::npos;
    for (std::size_t k = at - begin; groups && k < whole.size(); k += 4) {
      groups = k + 4 <= whole.size() && whole[k] == ' ' &&
               whole.substr(k + 1, 3).find(' ') == std::string_view::npos && (k + 4 == whole.size() || whole[k + 4] == ' ');
    }
    if (groups) {
      std::string joined;
      for (const char c : whole) {
        if (c != ' ') joined += c;
      }
      SetError(error, "a blank inside a number: write " + Shortened(joined) + ", or two numbers as " +
                          std::string(whole.substr(0, at - begin)) + ", " + Shortened(Trimmed(whole.substr(at - begin))),
               begin, end - begin);
      return false;
    }
  }
  if (IsBlankOnly(t.substr(from, end > from ? end - from : 0)) && box == Box::Cartesian) {
    SetError(error, "missing number after " + separator + ": type " + Example(box), at, size);
    return false;
  }

  double first = 0;
  double second = 0;
  if (box == Box::Polar && t.substr(begin, at - begin).find(Degree) != std::string::npos) {
    SetError(error, "the \u201C\u00B0\u201D goes after the argument: type 5, 53.13\u00B0", begin, at - begin);
    return false;
  }
  if (!ReadPart(t, begin, at, first, error)) return false;
  const std::size_t to = std::max(end, from);
  const bool read = box == Box::Polar ? ReadArgument(t, from, to, unit, second, at, size, error)
                                      : ReadPart(t, from, to, second, error);
  if (!read) {
    // "2,5 3": a decimal comma where the pair is split at the comma.
    const std::string_view rest = Trimmed(std::string_view(t).substr(from, to - from));
    const std::size_t blank = rest.find(' ');
    if (comma && error != nullptr && error->Cause.rfind("a blank inside a number", 0) == 0 &&
        blank != std::string_view::npos &&
        rest.substr(0, blank).find_first_not_of("0123456789") == std::string_view::npos) {
      const std::string meant = std::string(Trimmed(std::string_view(t).substr(begin, at - begin))) + "," +
                                std::string(rest.substr(0, blank)) + "; " + std::string(Trimmed(rest.substr(blank)));
      error->Cause = "a blank inside a number: write " + Shortened(meant) + " for a decimal comma";
    }
    return false;
  }
  pair.First = first;
  pair.Second = second;
  return true;
}
// The a+bi form; text ends, before any blanks, with the "i" (or "j") at byte last.
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
  // "4*i" is 4i.
  if (coefficient.size() >= 2 && coefficient.back() == '*') {
    const std::size_t factor = coefficient.find_last_not_of(Blanks, coefficient.size() - 2);
    const char c = factor == std::string::npos ? ' ' : coefficient[factor];
    if (IsDigit(c) || c == '.' || c == ')' || c == 'i') coefficient.erase(factor + 1);
  }
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

bool ReadCart(std::string t, RealPair& pair, ExprError* error) {
  const std::size_t degree = t.find(Degree);
  const std::size_t angle = t.find(Angle);
  if (degree != std::string::npos || angle != std::string::npos) {
    const std::size_t at = std::min(degree, angle);
    SetError(error, "the " + Quoted(t.substr(at, at == degree ? Degree.size() : Angle.size())) +
                        " belongs in the polar box r, φ°: type " + Shortened(Trimmed(t)) + " there",
             at, at == degree ? Degree.size() : Angle.size());
    return false;
  }
  Unbracket(t);
  const std::size_t last = t.find_last_not_of(Blanks);
  if (last != std::string::npos && (t[last] == 'j' || (t[last] == 'i' && !(last > 0 && t[last - 1] == 'p')))) {
    return ReadCartesian(t, last, pair, error);
  }
  const std::size_t stray = last == std::string::npos ? last : StrayUnit(t, last + 1);
  if (stray != std::string::npos) {
    SetError(error, "write a complex as 3+4i: real part first, then the imaginary part with i after it", stray, 1);
    return false;
  }
  return ReadPair(std::move(t), pair, error, Box::Cartesian, AngleUnit::Degrees);
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
  value = 0;
  if (IsBlankOnly(text)) {
    SetError(error, "the box is empty: type a number, such as 2 or 1/2", 0, 0);
    return false;
  }
  const PlainText plain(text);
  if (ParseRealNested(plain.Text(), 0, value, error)) return true;
  plain.ToTyped(error);
  return false;
}

bool ReadPairEntry(const std::string& text, RealPair& pair, ExprError* error, AngleUnit unit) {
  const PlainText plain(text);
  if (ReadPair(plain.Text(), pair, error, Box::Polar, unit)) return true;
  plain.ToTyped(error);
  return false;
}

bool ReadCartEntry(const std::string& text, RealPair& pair, ExprError* error) {
  const PlainText plain(text);
  if (ReadCart(plain.Text(), pair, error)) return true;
  plain.ToTyped(error);
  return false;
}

bool ParsePairEntry(const std::string& text, RealPair& pair, Notice& notice, ExprError* error, AngleUnit unit) {
  if (ReadPairEntry(text, pair, error, unit)) return true;
  notice.Show("wrong expression");
  return false;
}
