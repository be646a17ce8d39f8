// SPDX-License-Identifier: MIT
// The working of a formula: it is read again with the grouping of the formula reader (sums left to
// right over products left to right over signs, powers and conjugates), and each operation becomes
// a named intermediate t₁, t₂, … computed with the same arithmetic as the reader's.
#include <string_view>

#include "calc/eval_combined.h"
#include "core/power_root.h"
#include "text/ascii.h"
#include "text/parse.h"
#include "text/real_reader.h"
#include "working/steps.h"
#include "working/working.h"

using namespace working_detail;

namespace {

const Phrase FormulaHeading = {"Formula", "Fórmula", "Fórmula"};
const Phrase Unreadable = {"the formula cannot be read", "la fórmula no es pot llegir",
                           "la fórmula no se puede leer"};
const Phrase NoValue = {"this step has no value: the numbers go beyond their range",
                        "aquest pas no té valor: els nombres surten del seu rang",
                        "este paso no tiene valor: los números salen de su rango"};
const Phrase ZeroToNegative = {"0 to a negative power is not defined",
                               "0 elevat a una potència negativa no està definit",
                               "0 elevado a una potencia negativa no está definido"};
const Phrase ConjugateNote = {"the conjugate changes the sign of the imaginary part",
                              "el conjugat canvia el signe de la part imaginària",
                              "el conjugado cambia el signo de la parte imaginaria"};

// The reading stops: the formula cannot be read, or a step has no value (already written).
struct Stop {};

class StepReader {
 public:
  StepReader(std::string_view text, const std::vector<Cplx>& letters, const Style& style)
      : s_(text), letters_(letters), st_(style) {}

  Working Read() {
    Working w;
    w.push_back(Heading(st_.Say(FormulaHeading)));
    Value v;
    try {
      v = Expr();
      if (pos_ != s_.size()) throw Stop{};
    } catch (const Stop&) {
      if (!stopped_) {
        w.push_back(Line() << st_.Say(Unreadable));
        return w;
      }
    }
    if (!stopped_) {
      Line head;
      head.Append(v.Display) << " = " << Cart(v.Z, st_);
      w.push_back(head);
    } else {
      w.push_back(Line() << std::string(s_));
    }
    w.insert(w.end(), values_.begin(), values_.end());
    w.insert(w.end(), steps_.begin(), steps_.end());
    if (stopped_) return w;
    Line result;
    result << st_.Say(ResultWord) << ": ";
    result.Append(v.Display);
    if (v.Display.Runs.size() != 1 || v.Display.Runs[0].Text != v.Name) result << " = " << v.Name;
    result << " = " << Cart(v.Z, st_) << " = " << PolarText(v.Z, st_);
    w.push_back(result);
    w.push_back(Heading(st_.Say(OtherFormsHeading)));
    OtherForms(w, Line() << v.Name, v.Z, st_);
    return w;
  }

 private:
  struct Value {
    Cplx Z;
    std::string Name;     // "a", "2", "t₁"
    WorkingLine Display;  // the part of the formula it comes from, typeset
  };

  bool At(char c) const { return pos_ < s_.size() && s_[pos_] == c; }

  // A nesting the formula reader refuses is not read here either: the stack stays bounded.
  void Deeper() {
    if (++depth_ > MaxEvalCombinedDepth) throw Stop{};
  }

  std::string NextName() {
    static const char* const digits[10] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string name = "t";
    for (const char c : std::to_string(++count_)) name += digits[c - '0'];
    return name;
  }

  // Computes a step, or writes why it has no value and stops.
  template <class F>
  Cplx Guarded(const std::string& name, const WorkingLine& shown, F operation) {
    try {
      return operation();
    } catch (const ArithmeticError&) {
      Line line;
      (line << name << " = ").Append(shown) << ": " << st_.Say(NoValue);
      steps_.push_back(line);
      stopped_ = true;
      throw Stop{};
    }
  }

  Value Expr() {
    Value v = Term();
    while (At('+') || At('-')) {
      const OpCode op = s_[pos_++] == '+' ? OpAdd : OpSubtract;
      v = Operation(op, v, Term());
    }
    return v;
  }

  Value Term() {
    Value v = Unary();
    while (At('*') || At('/')) {
      const OpCode op = s_[pos_++] == '*' ? OpMultiply : OpDivide;
      v = Operation(op, v, Unary());
    }
    return v;
  }

  Value Operation(OpCode op, const Value& a, const Value& b) {
    const std::string name = NextName();
    Line shown;
    shown << a.Name << OpSigns[static_cast<std::size_t>(op)] << b.Name;
    if (op == OpDivide && b.Z.Mod == 0) {
      Line line;
      (line << name << " = ").Append(shown);
      steps_.push_back(line);
      steps_.push_back(ZeroDivisorLine(b.Name, st_));
      stopped_ = true;
      throw Stop{};
    }
    const Cplx r = Guarded(name, shown, [&] { return CplxOp(op, a.Z, b.Z); });
    Line line;
    (line << name << " = ").Append(shown);
    if (op == OpDivide) {
      QuotientRhs(line, a.Z, b.Z, r, st_);
    } else {
      line << " = " << Paren(Cart(a.Z, st_)) << OpSigns[static_cast<std::size_t>(op)] << Paren(Cart(b.Z, st_));
      if (op == OpMultiply) {
        ProductRhs(line, a.Z, b.Z, r, st_);
      } else {
        SumRhs(line, op, a.Z, b.Z, r, st_);
      }
    }
    steps_.push_back(line);
    Line display;
    display.Append(a.Display) << OpSigns[static_cast<std::size_t>(op)];
    display.Append(b.Display);
    return {r, name, display};
  }

  Value Unary() {
    if (At('+')) {
      ++pos_;
      Deeper();
      Value v = Unary();
      --depth_;
      Line display;
      display << "+";
      v.Display = display.Append(v.Display);
      return v;
    }
    if (!At('-')) return Power();
    ++pos_;
    Deeper();
    const Value v = Unary();
    --depth_;
    const std::string name = NextName();
    const WorkingLine shown = Line() << "−" << v.Name;
    const Cplx r = Guarded(name, shown, [&] { return CplxOp(OpSubtract, MakeCplx(0, 0), v.Z); });
    Line line;
    (line << name << " = ").Append(shown) << " = 0 − " << Paren(Cart(v.Z, st_)) << " = " << Cart(r, st_);
    steps_.push_back(line);
    Line display;
    display << "−";
    return {r, name, display.Append(v.Display)};
  }

  Value Power() {
    const Value base = Postfix();
    if (!At('^')) return base;
    ++pos_;
    const std::size_t begin = pos_;
    const double n = Exponent();
    std::string typed;
    for (const char c : s_.substr(begin, pos_ - begin)) typed += c == '-' ? std::string("−") : std::string(1, c);
    const std::string name = NextName();
    const std::string exponent = ExponentText(n);
    Line shown;
    shown << Paren(base.Name);
    shown.Sup(exponent);
    if (base.Z.Mod == 0 && n < 0) {
      steps_.push_back(Line() << name << " = " << LinePlain(shown) << ": " << st_.Say(ZeroToNegative));
      stopped_ = true;
      throw Stop{};
    }
    const Cplx r = Guarded(name, shown, [&] { return CplxPower(base.Z, n); });
    Line line;
    (line << name << " = ").Append(shown);
    PowerRhs(line, base.Z, n, r, st_);
    steps_.push_back(line);
    Line display;
    display.Append(base.Display);
    display.Sup(typed);
    return {r, name, display};
  }

  Value Postfix() {
    Value v = Atom();
    while (At('\'')) {
      ++pos_;
      const std::string name = NextName();
      const Cplx r = Conjugate(v.Z);
      steps_.push_back(Line() << name << " = " << Paren(v.Name) << "′ = " << Cart(r, st_) << " ("
                              << st_.Say(ConjugateNote) << ")");
      Line display;
      display.Append(v.Display) << "′";
      v = {r, name, display};
    }
    return v;
  }

  Value Atom() {
    if (At('(')) {
      ++pos_;
      Deeper();
      Value v = Expr();
      --depth_;
      if (!At(')')) throw Stop{};
      ++pos_;
      Line display;
      display << "(";
      display.Append(v.Display) << ")";
      v.Display = display;
      return v;
    }
    if (pos_ < s_.size() && IsLetter(s_[pos_])) {
      const char letter = s_[pos_++];
      const std::size_t k = static_cast<std::size_t>(letter >= 'a' ? letter - 'a' : letter - 'A');
      if (k >= letters_.size()) throw Stop{};
      const std::string name(1, letter);
      if (seen_.find(letter) == std::string::npos) {
        seen_ += letter;
        values_.push_back(Line() << name << " = " << Cart(letters_[k], st_));
      }
      return {letters_[k], name, Line() << name};
    }
    NumberToken number;
    if (!ScanNumber(s_, pos_, false, number) || number.TooLarge) throw Stop{};
    const std::string typed(s_.substr(pos_, number.End - pos_));
    pos_ = number.End;
    return {MakeCplx(number.Value + 0.0, 0), typed, Line() << typed};
  }

  // A real exponent: signs, a number or a parenthesised real, and "^" chains read right to left.
  double Exponent() {
    if (At('+') || At('-')) {
      const bool minus = s_[pos_++] == '-';
      Deeper();
      const double r = Exponent();
      --depth_;
      return minus ? 0 - r : r;
    }
    double r = 0;
    if (At('(')) {
      int level = 0;
      std::size_t close = pos_;
      for (; close < s_.size(); ++close) {
        if (s_[close] == '(') ++level;
        if (s_[close] == ')' && --level == 0) break;
      }
      if (close == s_.size() || !ParseReal(std::string(s_.substr(pos_ + 1, close - pos_ - 1)), r)) throw Stop{};
      pos_ = close + 1;
    } else {
      NumberToken number;
      if (!ScanNumber(s_, pos_, true, number) || number.TooLarge) throw Stop{};
      pos_ = number.End;
      r = number.Value;
    }
    if (!At('^')) return r;
    ++pos_;
    Deeper();
    const double e = Exponent();
    --depth_;
    double value = 0;
    if (RealPowerFault(r, e, value) != nullptr) throw Stop{};
    return value;
  }

  std::string_view s_;
  const std::vector<Cplx>& letters_;
  Style st_;
  std::size_t pos_ = 0;
  int count_ = 0;
  int depth_ = 0;
  bool stopped_ = false;
  std::string seen_;
  Working values_;
  Working steps_;
};

}  // namespace

Working CombinedWorking(const std::string& formula, const std::vector<Cplx>& letters, int decimals,
                        WorkingLanguage language) {
  return StepReader(formula, letters, Style{decimals, language}).Read();
}

Working CombinedWorking(const CombinedCalc& calc, int decimals, WorkingLanguage language) {
  std::vector<Cplx> letters;
  for (int k = 1; k <= calc.Store.Count(); ++k) letters.push_back(calc.Store.At(k));
  return CombinedWorking(calc.Formula, letters, decimals, language);
}
