// SPDX-License-Identifier: MIT
#include "working/working.h"

#include <cmath>

#include "working/steps.h"

using namespace working_detail;

namespace {

const std::array<Phrase, 4> OperationHeadings = {{
    {"Sum", "Suma", "Suma"},
    {"Difference", "Diferència", "Diferencia"},
    {"Product", "Producte", "Producto"},
    {"Quotient", "Quocient", "Cociente"},
}};
const Phrase ByConjugate = {"numerator and denominator multiplied by the conjugate of Z₂",
                            "numerador i denominador multiplicats pel conjugat de Z₂",
                            "numerador y denominador multiplicados por el conjugado de Z₂"};
const Phrase OutOfRange = {"the result is beyond the range of numbers", "el resultat supera el rang dels nombres",
                           "el resultado supera el rango de los números"};
const Phrase BaseHeading = {"Base", "Base", "Base"};
const Phrase PowerHeading = {"Power", "Potència", "Potencia"};
const Phrase DeMoivre = {"de Moivre's formula", "fórmula de De Moivre", "fórmula de De Moivre"};
const Phrase NegativeExponent = {"a negative exponent: rⁿ = 1/r^|n|", "exponent negatiu: rⁿ = 1/r^|n|",
                                 "exponente negativo: rⁿ = 1/r^|n|"};
const Phrase FractionalExponent = {"a fractional exponent: the principal value, from θ as held",
                                   "exponent fraccionari: el valor principal, a partir de θ tal com és",
                                   "exponente fraccionario: el valor principal, a partir de θ tal como está"};
const Phrase RadicandHeading = {"Radicand", "Radicand", "Radicando"};
const Phrase RootsHeading = {"Roots", "Arrels", "Raíces"};

std::string Subscript(int k) {
  static const char* const digits[10] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
  std::string text;
  for (const char c : std::to_string(k)) text += digits[c - '0'];
  return text;
}

void OperationSteps(Working& w, const BinaryCalc& calc, OpCode op, const Style& s) {
  const std::size_t k = static_cast<std::size_t>(op);
  w.push_back(Heading(s.Say(OperationHeadings[k])));
  const Cplx& a = calc.Z1;
  const Cplx& b = calc.Z2;
  const std::string name = std::string("Z₁") + OpSigns[k] + "Z₂";
  if (op == OpDivide && b.Mod == 0) {
    w.push_back(ZeroDivisorLine("Z₂", s));
    return;
  }
  if (!calc.Defined[k]) {
    w.push_back(Line() << name << ": " << s.Say(OutOfRange));
    return;
  }
  const Cplx& r = calc.Results[k];
  Line line;
  if (op == OpDivide) {
    w.push_back(Line() << s.Say(ByConjugate) << ": " << Cart(Cplx{b.Re, -b.Im, 0, 0}, s));
    line << name;
    QuotientRhs(line, a, b, r, s);
  } else {
    line << name << " = " << Paren(Cart(a, s)) << OpSigns[k] << Paren(Cart(b, s));
    if (op == OpMultiply) {
      ProductRhs(line, a, b, r, s);
    } else {
      SumRhs(line, op, a, b, r, s);
    }
  }
  w.push_back(line);
  if (op >= OpMultiply) w.push_back(PolarProductLine(op, a, b, r, s));
  OtherForms(w, Line() << name, r, s);
}

}  // namespace

WorkingLanguage WorkingLanguageOf(int index) {
  return index == 1 ? WorkingLanguage::Catalan : index == 2 ? WorkingLanguage::Spanish : WorkingLanguage::English;
}

Working BinaryOpWorking(const BinaryCalc& calc, OpCode op, int decimals, WorkingLanguage language) {
  const Style s{decimals, language};
  Working w;
  w.push_back(Heading(s.Say(OperandsHeading)));
  OperandSteps(w, "Z₁", calc.Z1, s);
  OperandSteps(w, "Z₂", calc.Z2, s);
  if (op >= OpAdd && op <= OpDivide) OperationSteps(w, calc, op, s);
  return w;
}

Working BinaryWorking(const BinaryCalc& calc, int decimals, WorkingLanguage language) {
  Working w = BinaryOpWorking(calc, -1, decimals, language);
  for (OpCode op = OpAdd; op <= OpDivide; ++op) OperationSteps(w, calc, op, Style{decimals, language});
  return w;
}

Working PowerWorking(const PowerCalc& calc, int decimals, WorkingLanguage language) {
  const Style s{decimals, language};
  const Cplx& z = calc.Base;
  const double n = calc.Exponent;
  const std::string exponent = ExponentText(n);
  Working w;
  w.push_back(Heading(s.Say(BaseHeading)));
  OperandSteps(w, "z", z, s);
  w.push_back(Heading(s.Say(PowerHeading)));
  Line formula;
  formula << s.Say(DeMoivre) << ": z";
  formula.Sup("n") << " = r";
  formula.Sup("n") << "(cos nθ + i sin nθ), n = " << exponent;
  w.push_back(formula);
  if (n < 0) w.push_back(Line() << s.Say(NegativeExponent));
  if (n != std::trunc(n)) w.push_back(Line() << s.Say(FractionalExponent));
  Line modulus;
  modulus << "r";
  modulus.Sup("n") << " = " << Paren(Num(z.Mod, s));
  modulus.Sup(exponent) << " = " << Num(calc.Result.Mod, s);
  w.push_back(modulus);
  Line angle;
  angle << "nθ = " << exponent << "·" << Paren(Deg(z.Arg, s)) << " = " << Deg(z.Arg * n, s);
  if (Deg(z.Arg * n, s) != Deg(calc.Result.Arg, s)) angle << " = " << Deg(calc.Result.Arg, s);
  if (Deg(calc.Result.Arg, s) != Deg(PrincipalDegrees(calc.Result.Arg), s)) {
    angle << " = " << Deg(PrincipalDegrees(calc.Result.Arg), s);
  }
  w.push_back(angle);
  const std::string theta = Paren(Deg(calc.Result.Arg, s));
  Line result;
  result << "z";
  result.Sup(exponent) << " = " << Num(calc.Result.Mod, s) << "(" << Applied("cos", theta) << " + i "
                       << Applied("sin", theta) << ") = " << Cart(calc.Result, s);
  w.push_back(result);
  w.push_back(Heading(s.Say(OtherFormsHeading)));
  Line name;
  name << "z";
  name.Sup(exponent);
  OtherForms(w, name, calc.Result, s);
  return w;
}

Working RootsWorking(const RootsCalc& calc, int decimals, WorkingLanguage language) {
  const Style s{decimals, language};
  const Cplx& z = calc.Radicand;
  const int n = calc.Index;
  const std::string index = std::to_string(n);
  Working w;
  w.push_back(Heading(s.Say(RadicandHeading)));
  OperandSteps(w, "z", z, s);
  w.push_back(Heading(s.Say(RootsHeading)));
  Line modulus;
  modulus.Sup(index) << "√r = ";
  modulus.Sup(index) << "√" << Num(z.Mod, s) << " = " << Num(calc.First.Mod, s);
  w.push_back(modulus);
  Line rule;
  rule << "θ";
  rule.Sub("k") << " = (θ + 360°·k)/n = (" << Deg(z.Arg, s) << " + 360°·k)/" << index << ", k = 0";
  if (n == 2) rule << ", 1";
  if (n == 3) rule << ", 1, 2";
  if (n > 3) rule << ", 1, …, " << std::to_string(n - 1);
  w.push_back(rule);
  for (int k = 0; k < n; ++k) {
    const Cplx root = calc.Root(k);
    const std::string sub = Subscript(k);
    w.push_back(Line() << "k = " << std::to_string(k) << ": θ" << sub << " = (" << Deg(z.Arg, s) << " + 360°·"
                       << std::to_string(k) << ")/" << index << " = " << ArgText(root.Arg, s) << ", w" << sub
                       << " = " << PolarText(root, s) << " = " << Cart(root, s));
  }
  return w;
}

Working WorkingOf(ProblemKind kind, const LastCalculations& last, int decimals, WorkingLanguage language) {
  switch (kind) {
    case ProblemKind::Binary:
      return BinaryWorking(last.Binary, decimals, language);
    case ProblemKind::Power:
      return PowerWorking(last.Power, decimals, language);
    case ProblemKind::Roots:
      return RootsWorking(last.Roots, decimals, language);
    case ProblemKind::Combined:
      break;
  }
  return CombinedWorking(last.Combined, decimals, language);
}
