// SPDX-License-Identifier: MIT
#include "calc/eval_combined.h"

#include <cstddef>
#include <string_view>

#include "core/power_root.h"
#include "text/pasted_text.h"
#include "text/ascii.h"
#include "text/real_reader.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool StartsOperand(char c) { return IsLetter(c) || IsDigit(c) || c == '.' || c == '('; }

// Thrown once the first text error is recorded; the reader unwinds to its entry point.
struct Stop {};

// What a failed complex operation means to the student.
const char* CauseOf(const ArithmeticError& e) {
  return std::string_view(e.what()) == "overflow" ? "number too large" : "result not defined";
}

class FormulaReader {
 public:
  FormulaReader(std::string_view text, const ComplexStore& store, ExprError* error)
      : s_(text), store_(store), error_(error) {}

  bool Read(Cplx& z) {
    try {
      if (s_.empty()) Fail(0, 0, "the formula is empty");
      for (std::size_t k = 0; k < s_.size(); ++k) {
        if (!IsBlank(s_[k])) continue;
        std::size_t end = k;
        while (end < s_.size() && IsBlank(s_[end])) ++end;
        Fail(k, end, "no blanks in a formula: write a+b, not a + b");
      }
      const Value v = Expr();
      if (pos_ < s_.size()) Unexpected();
      if (v.Bad) {
        if (error_ != nullptr) *error_ = arithmetic_;
        return false;
      }
      z = v.Z;
      return true;
    } catch (const Stop&) {
      return false;
    }
  }

 private:
  struct Value {
    Cplx Z;
    std::size_t Begin = 0;
    std::size_t End = 0;
    bool Bad = false;  // an arithmetic failure was met inside; arithmetic_ says which
  };
  struct Real {
    double V = 0;
    bool Bad = false;
  };
  enum class Took { Nothing, Operator, Operand, Number };

  [[noreturn]] void Fail(std::size_t begin, std::size_t end, std::string cause) {
    if (error_ != nullptr) {
      error_->Cause = std::move(cause);
      error_->Start = begin;
      error_->Length = end - begin;
    }
    throw Stop{};
  }

  // Keeps the first arithmetic failure; the formula is still read to its end, so a text error
  // further on is the one reported.
  void Note(const char* cause, std::size_t begin, std::size_t end) {
    if (arithmeticSeen_) return;
    arithmeticSeen_ = true;
    arithmetic_ = {cause, begin, end - begin, true};
  }

  template <class F>
  Value Guarded(std::size_t begin, std::size_t end, bool bad, F operation) {
    Value r{Cplx{}, begin, end, bad};
    if (bad) return r;
    try {
      r.Z = operation();
    } catch (const ArithmeticError& e) {
      Note(CauseOf(e), begin, end);
      r.Bad = true;
    }
    return r;
  }

  void Mark(std::size_t begin, std::size_t end, Took kind) {
    prevBegin_ = begin;
    prevEnd_ = end;
    prev_ = kind;
    factorBegin_ = begin;
  }

  void Deeper(std::size_t at) {
    if (++depth_ > MaxEvalCombinedDepth) Fail(at, at + 1, "more than 256 nested levels");
  }

  bool At(char c) const { return pos_ < s_.size() && s_[pos_] == c; }

  Value Expr() {
    Value v = Term();
    while (At('+') || At('-')) {
      const OpCode op = s_[pos_] == '+' ? OpAdd : OpSubtract;
      Mark(pos_, pos_ + 1, Took::Operator);
      ++pos_;
      const Value b = Term();
      v = Guarded(v.Begin, b.End, v.Bad || b.Bad, [&] { return CplxOp(op, v.Z, b.Z); });
    }
    return v;
  }

  Value Term() {
    Value v = Unary();
    while (At('*') || At('/')) {
      const OpCode op = s_[pos_] == '*' ? OpMultiply : OpDivide;
      Mark(pos_, pos_ + 1, Took::Operator);
      ++pos_;
      if (op == OpMultiply && At('*')) {
        Fail(pos_ - 1, pos_ + 1, PowerAdvice(s_.substr(v.Begin, v.End - v.Begin), s_.substr(pos_ + 1)));
      }
      const Value b = Unary();
      if (op == OpDivide && !v.Bad && !b.Bad && b.Z.Mod == 0) {
        Note("division by zero", v.Begin, b.End);
        v = Value{Cplx{}, v.Begin, b.End, true};
        continue;
      }
      v = Guarded(v.Begin, b.End, v.Bad || b.Bad, [&] { return CplxOp(op, v.Z, b.Z); });
    }
    return v;
  }

  Value Unary() {
    if (At('+') || At('-')) {
      const std::size_t at = pos_;
      const bool minus = s_[pos_] == '-';
      Mark(pos_, pos_ + 1, Took::Operator);
      ++pos_;
      Deeper(at);
      const Value v = Unary();
      --depth_;
      if (!minus) return Value{v.Z, at, v.End, v.Bad};
      return Guarded(at, v.End, v.Bad, [&] { return CplxOp(OpSubtract, MakeCplx(0, 0), v.Z); });
    }
    return Power();
  }

  Value Power() {
    const Value base = Postfix();
    if (!At('^')) return base;
    const std::size_t at = pos_;
    Mark(pos_, pos_ + 1, Took::Operator);
    ++pos_;
    Deeper(at);
    const Real n = Exponent();
    --depth_;
    const std::size_t end = pos_;
    // What follows is quoted with the whole power before it: "write a^(2)*b for a product".
    factorBegin_ = base.Begin;
    if (At('\'')) {
      const std::string power(s_.substr(base.Begin, end - base.Begin));
      Fail(pos_, pos_ + 1, "write (" + Shortened(power) + ")' for the conjugate of a power");
    }
    if (!base.Bad && !n.Bad && base.Z.Mod == 0 && n.V < 0) {
      Note("0 to a negative power is not defined", base.Begin, end);
      return Value{Cplx{}, base.Begin, end, true};
    }
    return Guarded(base.Begin, end, base.Bad || n.Bad, [&] { return CplxPower(base.Z, n.V); });
  }

  Value Postfix() {
    Value v = Atom();
    while (At('\'')) {
      ++pos_;
      Mark(v.Begin, pos_, Took::Operand);
      v = Guarded(v.Begin, pos_, v.Bad, [&] { return Conjugate(v.Z); });
    }
    return v;
  }

  Value Atom() {
    const std::size_t begin = pos_;
    if (At('(')) {
      Mark(pos_, pos_ + 1, Took::Operator);
      ++pos_;
      Deeper(begin);
      ++open_;
      Value v = Expr();
      --open_;
      --depth_;
      if (pos_ == s_.size()) Fail(begin, begin + 1, "missing \u201C)\u201D");
      if (!At(')')) Unexpected();
      ++pos_;
      Mark(begin, pos_, Took::Operand);
      return Value{v.Z, begin, pos_, v.Bad};
    }
    if (pos_ < s_.size() && IsLetter(s_[pos_])) {
      const char letter = s_[pos_];
      const int k = (letter >= 'a' ? letter - 'a' : letter - 'A') + 1;
      if ((letter == 'p' || letter == 'P') && pos_ + 1 < s_.size() && (s_[pos_ + 1] == 'i' || s_[pos_ + 1] == 'I') &&
          !(pos_ + 2 < s_.size() && IsLetter(s_[pos_ + 2]))) {
        Fail(pos_, pos_ + 2, "pi can only be used in an exponent, as a^(pi); elsewhere type its value, 3.14159265358979");
      }
      if (k > store_.Count() && (letter == 'i' || letter == 'I')) {
        Fail(pos_, pos_ + 1, std::string(1, letter) + " is not a stored letter here: enter 0+1i and use its letter");
      }
      if (k > store_.Count()) Fail(pos_, pos_ + 1, std::string("the letter ") + letter + " is not stored");
      ++pos_;
      Mark(begin, pos_, Took::Operand);
      return Value{store_.At(k), begin, pos_, false};
    }
    NumberToken number;
    if (ScanNumber(s_, pos_, false, number)) {
      pos_ = number.End;
      Mark(begin, pos_, Took::Number);
      if (number.TooLarge) {
        Note("number too large", begin, pos_);
        return Value{Cplx{}, begin, pos_, true};
      }
      return Guarded(begin, pos_, false, [&] { return MakeCplx(number.Value + 0.0, 0); });
    }
    Missing("letter or number");
  }

  // The exponent of "^": a real number or a parenthesised real expression, with signs in front
  // and "^" chains behind, read right to left: a^2^3 is a^8.
  Real Exponent() {
    const std::size_t begin = pos_;
    if (At('+') || At('-')) {
      const bool minus = s_[pos_] == '-';
      Mark(pos_, pos_ + 1, Took::Operator);
      ++pos_;
      Deeper(begin);
      Real r = Exponent();
      --depth_;
      if (minus) r.V = 0 - r.V;
      return r;
    }
    Real r;
    if (At('(')) {
      std::ptrdiff_t level = 0;
      std::size_t close = pos_;
      for (; close < s_.size(); ++close) {
        if (s_[close] == '(') ++level;
        if (s_[close] == ')' && --level == 0) break;
      }
      if (close == s_.size()) Fail(begin, begin + 1, "missing \u201C)\u201D");
      if (close == begin + 1) Fail(begin, close + 1, "nothing between \u201C(\u201D and \u201C)\u201D");
      // Inside the parentheses the exponent is a typed real: "pi" and a decimal comma are read.
      // A value that cannot be worked out is noted and the formula read on, so that a fault of
      // the text further on is the one reported.
      ExprError inner;
      if (!ParseRealNested(s_.substr(begin + 1, close - begin - 1), depth_ + 1, r.V, &inner)) {
        ShiftError(&inner, begin + 1);
        if (!inner.Arithmetic) {
          if (error_ != nullptr) *error_ = inner;
          throw Stop{};
        }
        if (!arithmeticSeen_) {
          arithmeticSeen_ = true;
          arithmetic_ = inner;
        }
        r = Real{0, true};
      }
      pos_ = close + 1;
      Mark(close, pos_, Took::Operand);
    } else {
      NumberToken number;
      if (!ScanNumber(s_, pos_, true, number)) {
        if (pos_ < s_.size() && IsLetter(s_[pos_])) {
          std::size_t end = pos_;
          while (end < s_.size() && IsLetter(s_[end])) ++end;
          const std::string_view word = s_.substr(pos_, end - pos_);
          if (word == "pi") Fail(pos_, end, "write ^(pi) for the power pi");
          Fail(pos_, pos_ + 1, "the exponent must be a real number, not a letter");
        }
        Missing("exponent");
      }
      pos_ = number.End;
      Mark(begin, pos_, Took::Number);
      if (number.TooLarge) {
        Note("number too large", begin, pos_);
        r.Bad = true;
      }
      r.V = number.Value;
    }
    if (!At('^')) return r;
    const std::size_t at = pos_;
    Mark(pos_, pos_ + 1, Took::Operator);
    ++pos_;
    Deeper(at);
    const Real e = Exponent();
    --depth_;
    if (r.Bad || e.Bad) return Real{0, true};
    double value = 0;
    if (const char* fault = RealPowerFault(r.V, e.V, value)) {
      Note(fault, begin, pos_);
      return Real{0, true};
    }
    return Real{value, false};
  }

  // An operand was due and none starts here.
  [[noreturn]] void Missing(const std::string& what) {
    const std::string_view prev = s_.substr(prevBegin_, prevEnd_ - prevBegin_);
    if (pos_ == s_.size()) Fail(prevBegin_, prevEnd_, "missing " + what + " after " + Quoted(prev));
    const char c = s_[pos_];
    if (c == ')' && prev == "(") Fail(prevBegin_, pos_ + 1, "nothing between \u201C(\u201D and \u201C)\u201D");
    if ((c == ')' && open_ > 0) || c == '*' || c == '/' || c == '^' || c == '\'') {
      Fail(pos_, pos_ + 1, "missing " + what + " before " + Quoted(s_.substr(pos_, 1)));
    }
    Unexpected();
  }

  // Something that cannot follow what was read.
  [[noreturn]] void Unexpected() {
    const char c = s_[pos_];
    const std::string_view prev = s_.substr(prevBegin_, prevEnd_ - prevBegin_);
    if (c == ')') Fail(pos_, pos_ + 1, "\u201C)\u201D without its \u201C(\u201D");
    if (c == '.' && prev_ == Took::Number) Fail(pos_, pos_ + 1, "a number has at most one \u201C.\u201D");
    NumberToken comma;
    if (c == ',' && prev_ == Took::Number && ScanNumber(s_, prevBegin_, true, comma) && comma.End > pos_ + 1) {
      std::string point(s_.substr(prevBegin_, comma.End - prevBegin_));
      point[pos_ - prevBegin_] = '.';
      Fail(prevBegin_, comma.End, "a decimal comma is read only in an exponent: write " + Shortened(point));
    }
    if ((prev_ == Took::Operand || prev_ == Took::Number) && StartsOperand(c)) {
      if (prev_ == Took::Number && (c == 'i' || c == 'I') && store_.Count() < 9) {
        Fail(prevBegin_, pos_ + 1,
             "no imaginary numbers in a formula: store " + Shortened(s_.substr(prevBegin_, pos_ + 1 - prevBegin_)) +
                 " as a letter");
      }
      std::size_t end = pos_ + 1;
      std::string right = "(\u2026)";
      NumberToken number;
      if (IsLetter(c)) {
        right = std::string(1, c);
      } else if (c != '(' && ScanNumber(s_, pos_, false, number)) {
        end = number.End;
        right = Shortened(s_.substr(pos_, end - pos_));
      }
      // The whole left factor as typed, "(…)" for one parenthesised group.
      const std::string_view factor = s_.substr(factorBegin_, prevEnd_ - factorBegin_);
      const bool group = factorBegin_ == prevBegin_ && prev.front() == '(' && prev_ == Took::Operand &&
                         prev.back() == ')';
      const std::string left = group ? "(\u2026)" : Shortened(factor);
      Fail(pos_, end, "write " + left + "*" + right + " for a product");
    }
    // A run of characters that have no place in a formula, such as "#" or "°".
    std::size_t end = pos_;
    while (end < s_.size() && !IsLetter(s_[end]) &&
           std::string_view("0123456789.+-*/^()'").find(s_[end]) == std::string_view::npos) {
      ++end;
    }
    if (end == pos_) end = pos_ + 1;
    const std::string after = prev_ == Took::Nothing  ? ""
                              : prev_ == Took::Number ? " after " + Shortened(prev)
                                                      : " after " + Quoted(prev);
    Fail(pos_, end, "unexpected " + Quoted(s_.substr(pos_, end - pos_)) + after);
  }

  std::string_view s_;
  const ComplexStore& store_;
  ExprError* error_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  int open_ = 0;  // parentheses open around the reading position
  std::size_t prevBegin_ = 0;
  std::size_t prevEnd_ = 0;
  Took prev_ = Took::Nothing;
  std::size_t factorBegin_ = 0;  // where the factor that ends at prevEnd_ begins
  bool arithmeticSeen_ = false;
  ExprError arithmetic_;
};

}  // namespace

bool EvalCombined(const std::string& text, const ComplexStore& store, Cplx& z, ExprError* error) {
  const PlainText plain(text);
  if (FormulaReader(plain.Text(), store, error).Read(z)) return true;
  plain.ToTyped(error);
  return false;
}
