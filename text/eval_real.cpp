// SPDX-License-Identifier: MIT
#include "text/eval_real.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "text/ascii.h"
#include "text/real_reader.h"

namespace {

constexpr std::string_view PiDigits = "3.14159265358979";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
  while (i < s.size() && IsBlank(s[i])) ++i;
  return i;
}

// Where a byte of the evaluated text came from in the typed one. Only "pi" changes lengths (the
// decimal comma becomes a "." in place), so the typed text is walked "pi" by "pi"; a byte of an
// expanded "pi" stands for the whole "pi".
class TypedMap {
 public:
  TypedMap(std::string_view text, std::string_view typed) : text_(text), typed_(typed) {}

  std::size_t Start(std::size_t k) const { return Find(k, false); }
  // The typed offset just after the evaluated bytes before end.
  std::size_t End(std::size_t end) const { return end == 0 ? 0 : Find(end - 1, true); }
  std::string_view Piece(std::size_t begin, std::size_t end) const {
    const std::size_t from = Start(begin);
    const std::size_t to = End(end);
    return to > from ? typed_.substr(from, to - from) : std::string_view();
  }

 private:
  std::size_t Find(std::size_t k, bool after) const {
    if (text_.size() == typed_.size()) return std::min(k + (after ? 1 : 0), typed_.size());
    std::size_t t = 0;
    std::size_t n = 0;
    for (;;) {
      const std::size_t q = typed_.find("pi", t);
      if (q == std::string_view::npos || k < n + (q - t)) {
        return std::min(t + (k - n) + (after ? 1 : 0), typed_.size());
      }
      n += q - t;
      if (k < n + PiDigits.size()) return after ? q + 2 : q;
      n += PiDigits.size();
      t = q + 2;
    }
  }

  std::string_view text_;
  std::string_view typed_;
};

// Thrown once the first text error is recorded; the reader unwinds to its entry point.
struct Stop {};

class RealReader {
 public:
  RealReader(std::string_view text, std::string_view typed, int depth, ExprError* error)
      : s_(text), map_(text, typed), depth_(depth), error_(error) {}

  bool Read(double& value) {
    value = 0;
    try {
      pos_ = SkipBlanks(s_, 0);
      if (pos_ == s_.size()) Fail(0, s_.size(), "the text is empty");
      const Value v = Expr();
      pos_ = SkipBlanks(s_, pos_);
      if (pos_ < s_.size()) Unexpected();
      if (v.Bad) {
        Report(arithmetic_);
        return false;
      }
      value = v.V + 0.0;  // -0 is plain 0
      return true;
    } catch (const Stop&) {
      return false;
    }
  }

 private:
  struct Value {
    double V = 0;
    std::size_t Begin = 0;
    std::size_t End = 0;
    bool Bad = false;  // an arithmetic failure was met inside; arithmetic_ says which
  };
  struct Fault {
    const char* Cause = nullptr;
    std::size_t Begin = 0;
    std::size_t End = 0;
  };

  void Report(const Fault& f) {
    if (error_ == nullptr) return;
    error_->Cause = f.Cause;
    error_->Start = map_.Start(f.Begin);
    const std::size_t end = map_.End(f.End);
    error_->Length = end > error_->Start ? end - error_->Start : 0;
    error_->Arithmetic = true;
  }

  [[noreturn]] void Fail(std::size_t begin, std::size_t end, std::string cause) {
    if (error_ != nullptr) {
      error_->Cause = std::move(cause);
      error_->Start = begin < s_.size() ? map_.Start(begin) : map_.End(s_.size());
      const std::size_t to = map_.End(end);
      error_->Length = end > begin && to > error_->Start ? to - error_->Start : 0;
      error_->Arithmetic = false;
    }
    throw Stop{};
  }

  // The result of an operation on a and b, spanning both; the first arithmetic failure is kept
  // and everything built on it stays bad, while the text is still read to its end.
  Value Combine(const Value& a, const Value& b, double v, const char* fault) {
    Value r{v, a.Begin, b.End, a.Bad || b.Bad};
    if (!r.Bad && fault != nullptr) {
      if (arithmetic_.Cause == nullptr) arithmetic_ = {fault, a.Begin, b.End};
      r.Bad = true;
    }
    if (r.Bad) r.V = 0;
    return r;
  }

  std::string Piece(std::size_t begin, std::size_t end) const {
    return std::string(map_.Piece(begin, end));
  }

  // "after 3" or "after “)”": what the reader last took, as typed.
  std::string After() const {
    if (prevEnd_ == 0) return "";
    const std::string prev = Piece(prevBegin_, prevEnd_);
    return prevIsNumber_ ? " after " + Shortened(prev) : " after " + Quoted(prev);
  }

  void Took(std::size_t begin, std::size_t end, bool number) {
    prevBegin_ = begin;
    prevEnd_ = end;
    prevIsNumber_ = number;
  }

  void Deeper(std::size_t at) {
    if (++depth_ > MaxEvalRealDepth) Fail(at, at + 1, "more than 256 nested levels");
  }

  Value Expr() {
    Value v = Term();
    for (;;) {
      pos_ = SkipBlanks(s_, pos_);
      if (pos_ == s_.size() || (s_[pos_] != '+' && s_[pos_] != '-')) return v;
      const char op = s_[pos_];
      Took(pos_, pos_ + 1, false);
      ++pos_;
      const Value b = Term();
      const double r = op == '+' ? v.V + b.V : v.V - b.V;
      v = Combine(v, b, r, std::isfinite(r) ? nullptr : "number too large");
    }
  }

  Value Term() {
    Value v = Unary();
    for (;;) {
      pos_ = SkipBlanks(s_, pos_);
      if (pos_ == s_.size() || (s_[pos_] != '*' && s_[pos_] != '/')) return v;
      const char op = s_[pos_];
      Took(pos_, pos_ + 1, false);
      ++pos_;
      if (op == '*' && pos_ < s_.size() && s_[pos_] == '*') {
        Fail(pos_ - 1, pos_ + 1, PowerAdvice(Piece(v.Begin, v.End), map_.Piece(pos_ + 1, s_.size())));
      }
      const Value b = Unary();
      if (op == '/' && b.V == 0 && !b.Bad) {
        v = Combine(v, b, 0, "division by zero");
        continue;
      }
      const double r = op == '*' ? v.V * b.V : v.V / b.V;
      v = Combine(v, b, r, std::isfinite(r) ? nullptr : "number too large");
    }
  }

  Value Unary() {
    pos_ = SkipBlanks(s_, pos_);
    if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) {
      const std::size_t at = pos_;
      const char sign = s_[pos_];
      Took(pos_, pos_ + 1, false);
      ++pos_;
      Deeper(at);
      Value v = Unary();
      --depth_;
      // -x is 0 - x, so -0 is 0.
      if (sign == '-') v.V = 0 - v.V;
      v.Begin = at;
      return v;
    }
    return Power();
  }

  Value Power() {
    const Value a = Atom();
    pos_ = SkipBlanks(s_, pos_);
    if (pos_ == s_.size() || s_[pos_] != '^') return a;
    const std::size_t at = pos_;
    Took(pos_, pos_ + 1, false);
    ++pos_;
    Deeper(at);
    const Value b = Unary();
    --depth_;
    if (a.Bad || b.Bad) return Combine(a, b, 0, nullptr);
    double r = 0;
    const char* fault = RealPowerFault(a.V, b.V, r);
    return Combine(a, b, r, fault);
  }

  Value Atom() {
    pos_ = SkipBlanks(s_, pos_);
    if (pos_ < s_.size() && s_[pos_] == '(') {
      const std::size_t open = pos_;
      Took(pos_, pos_ + 1, false);
      ++pos_;
      Deeper(open);
      ++open_;
      Value v = Expr();
      --open_;
      --depth_;
      pos_ = SkipBlanks(s_, pos_);
      if (pos_ == s_.size()) Fail(open, open + 1, "missing \u201C)\u201D");
      if (s_[pos_] != ')') Unexpected();
      Took(pos_, pos_ + 1, false);
      ++pos_;
      v.Begin = open;
      v.End = pos_;
      return v;
    }
    NumberToken number;
    if (ScanNumber(s_, pos_, false, number)) {
      const std::size_t begin = pos_;
      pos_ = number.End;
      Took(begin, pos_, true);
      if (number.TooLarge) {
        Value v{0, begin, pos_, false};
        return Combine(v, v, 0, "number too large");
      }
      return {number.Value, begin, pos_, false};
    }
    Missing();
  }

  // An operand was due and none starts here.
  [[noreturn]] void Missing() {
    if (pos_ == s_.size()) {
      Fail(prevBegin_, prevEnd_, "missing number after " + Quoted(Piece(prevBegin_, prevEnd_)));
    }
    const char c = s_[pos_];
    if (c == ')' && prevEnd_ > 0 && s_[prevBegin_] == '(' && prevEnd_ == prevBegin_ + 1) {
      Fail(prevBegin_, pos_ + 1, "nothing between \u201C(\u201D and \u201C)\u201D");
    }
    if ((c == ')' && open_ > 0) || c == '*' || c == '/' || c == '^') {
      Fail(pos_, pos_ + 1, "missing number before " + Quoted(s_.substr(pos_, 1)));
    }
    Unexpected();
  }

  // Something that cannot follow what was read.
  [[noreturn]] void Unexpected() {
    const char c = s_[pos_];
    const bool afterOperand = prevEnd_ > 0 && (prevIsNumber_ || s_[prevBegin_] == ')');
    if (c == ')') Fail(pos_, pos_ + 1, "\u201C)\u201D without its \u201C(\u201D");
    if (prevIsNumber_) NumberGoesOn();
    if (c == '.' && prevIsNumber_ && prevEnd_ == pos_) {
      NumberToken rest;
      const std::size_t end = ScanNumber(s_, pos_, false, rest) ? rest.End : pos_ + 1;
      Fail(pos_, end, "a number has at most one \u201C.\u201D");
    }
    if (afterOperand && (c == '(' || IsDigit(c) || c == '.')) {
      const std::string left = prevIsNumber_ ? Shortened(Piece(prevBegin_, prevEnd_)) : "(\u2026)";
      std::string right = "(\u2026)";
      std::size_t end = pos_ + 1;
      NumberToken number;
      if (c != '(' && ScanNumber(s_, pos_, false, number)) {
        end = number.End;
        right = Shortened(Piece(pos_, end));
      }
      Fail(pos_, end, "write " + left + "*" + right + " for a product");
    }
    // A run of characters that have no place in an expression, such as "abc" or "x".
    std::size_t end = pos_;
    while (end < s_.size() && std::string_view("0123456789.+-*/^() \t\n").find(s_[end]) ==
                                  std::string_view::npos) {
      ++end;
    }
    if (end == pos_) end = pos_ + 1;
    Fail(pos_, end, "unexpected " + Quoted(Piece(pos_, end)) + After());
  }

  // What follows the number just read looks like more of it: a blank inside it ("1 000",
  // "0 .67", "1 e5", "1e 5"), or an exponent letter without its digits ("1e").
  void NumberGoesOn() {
    const char c = s_[pos_];
    const bool exponent = IsExponentLetter(c);
    const std::size_t exponentEnd = exponent ? ExponentEnd(s_, pos_) : std::string_view::npos;
    std::size_t end = pos_;
    if (pos_ > prevEnd_ && (IsDigit(c) || c == '.')) {
      NumberToken rest;
      end = ScanNumber(s_, pos_, false, rest) ? rest.End : pos_ + 1;
    } else if (exponentEnd != std::string_view::npos) {
      end = exponentEnd;
    }
    if (end > pos_) {
      std::string joined;
      for (const char k : Piece(prevBegin_, end)) {
        if (!IsBlank(k)) joined += k;
      }
      if (joined.size() < Piece(prevBegin_, end).size()) {
        Fail(prevBegin_, end, "a blank inside a number: write " + Shortened(joined));
      }
    }
    if (exponent && prevEnd_ == pos_ && (pos_ + 1 == s_.size() || !IsLetter(s_[pos_ + 1]))) {
      std::size_t to = pos_ + 1;
      if (to < s_.size() && (s_[to] == '+' || s_[to] == '-')) ++to;
      const std::string letter = Piece(pos_, pos_ + 1);
      Fail(prevBegin_, to, "digits missing after " + Quoted(letter) + ": write " +
                               Shortened(Piece(prevBegin_, pos_)) + letter + "5");
    }
  }

  std::string_view s_;
  TypedMap map_;
  int depth_;
  int open_ = 0;  // parentheses open around the reading position
  ExprError* error_;
  std::size_t pos_ = 0;
  std::size_t prevBegin_ = 0;
  std::size_t prevEnd_ = 0;
  bool prevIsNumber_ = false;
  Fault arithmetic_;
};

}  // namespace

bool ScanNumber(std::string_view s, std::size_t pos, bool decimalComma, NumberToken& token) {
  std::string number;
  bool mark = false;
  bool digit = false;
  // Decimal order of the first significant digit, to tell an overflow from an underflow.
  long long order = 0;
  bool significant = false;
  std::size_t i = pos;
  std::size_t end = pos;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      digit = true;
      if (c != '0') significant = true;
      if (!mark && significant) ++order;
      if (mark && !significant) --order;
      number += c;
    } else if ((c == '.' || (decimalComma && c == ',')) && !mark) {
      mark = true;
      number += '.';
    } else {
      break;
    }
    end = i + 1;
  }
  if (!digit) return false;

  if (i < s.size() && IsExponentLetter(s[i])) {
    std::size_t j = i + 1;
    char sign = '+';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      sign = s[j];
      ++j;
    }
    if (j < s.size() && IsDigit(s[j])) {
      long long exponent = 0;
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        if (exponent < 1000000) exponent = exponent * 10 + (s[j] - '0');
        end = j + 1;
      }
      (number += 'e') += sign;
      number += std::to_string(exponent);
      order += sign == '-' ? -exponent : exponent;
    }
  }

  token = NumberToken{};
  token.End = end;
  if (!significant) return true;
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range || !std::isfinite(value)) {
    token.TooLarge = order > 0;
    return true;
  }
  token.Value = value;
  return true;
}

std::size_t ExponentEnd(std::string_view s, std::size_t pos) {
  std::size_t j = SkipBlanks(s, pos + 1);
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) j = SkipBlanks(s, j + 1);
  if (j == s.size() || !IsDigit(s[j])) return std::string_view::npos;
  while (j < s.size() && IsDigit(s[j])) ++j;
  return j;
}

std::string PowerAdvice(std::string_view left, std::string_view rest) {
  std::size_t end = 0;
  while (end < rest.size() && (IsDigit(rest[end]) || IsLetter(rest[end]) || rest[end] == '.')) ++end;
  const std::string right = end > 0 ? std::string(rest.substr(0, end)) : "(\u2026)";
  return "for a power write " + Shortened(left) + "^" + Shortened(right);
}

const char* RealPowerFault(double a, double b, double& result) {
  result = 0;
  if (!(std::fabs(b) <= 10000)) return "exponent beyond \u00B110000";
  if (a < 0 && b != std::trunc(b)) return "a negative number to a fractional power is not defined";
  if (a == 0 && b < 0) return "0 to a negative power is not defined";
  const double r = std::pow(a, b);
  if (std::isinf(r)) return "number too large";
  if (std::isnan(r)) return "power not defined";
  result = r;
  return nullptr;
}

bool EvalRealTyped(std::string_view text, std::string_view typed, int depth, double& value,
                   ExprError* error) {
  return RealReader(text, typed, depth, error).Read(value);
}

bool EvalReal(std::string_view text, double& value, ExprError* error) {
  return EvalRealTyped(text, text, 0, value, error);
}
