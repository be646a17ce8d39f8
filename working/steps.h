// SPDX-License-Identifier: MIT
#pragma once

// The pieces the workings of every kind are written with: a line builder, the numbers as the
// working writes them, the phrases in three languages and the short workings that a binary
// calculation and a formula share.

#include <array>
#include <string>

#include "core/cplx.h"
#include "working/working.h"

namespace working_detail {

// A phrase in English, Catalan and Spanish (UTF-8).
using Phrase = std::array<const char*, 3>;

// The signs of the four operations, by OpCode, as a working writes them between operands.
inline constexpr std::array<const char*, 4> OpSigns = {" + ", " − ", "·", " ÷ "};

// What every step needs: the decimals and the language.
struct Style {
  int Decimals = 2;
  WorkingLanguage Language = WorkingLanguage::English;
  std::string Say(const Phrase& phrase) const { return phrase[static_cast<std::size_t>(Language)]; }
};

// Builds one line from runs; adjacent runs in the same place are joined.
class Line {
 public:
  Line& operator<<(const std::string& text) { return Add(text, Script::Normal); }
  Line& Sup(const std::string& text) { return Add(text, Script::Super); }
  Line& Sub(const std::string& text) { return Add(text, Script::Sub); }
  Line& Add(const std::string& text, Script place);
  Line& Append(const WorkingLine& other);
  WorkingLine Done() const { return line_; }
  operator WorkingLine() const { return line_; }

 private:
  WorkingLine line_;
};

WorkingLine Heading(const std::string& text);

// Numbers at the style's decimals: "−3", "4 − i", "53.13°".
std::string Num(double x, const Style& s);
std::string Cart(const Cplx& z, const Style& s);
std::string Deg(double degrees, const Style& s);
// A text in parentheses when it holds a blank or starts with a minus sign: "(3 + 4i)", "(−2)".
std::string Paren(const std::string& text);
// The argument in (−180°, 180°].
double PrincipalDegrees(double degrees);
// "−325.3°", followed by " = 34.7°" when the argument is not its principal value.
std::string ArgText(double degrees, const Style& s);
// "5∠−325.3°" and " = 5∠34.7°" when the argument is not principal; "0" for the zero complex.
std::string PolarText(const Cplx& z, const Style& s);

// "5∠−325.3°": the argument as held.
std::string HeldPolar(const Cplx& z, const Style& s);
// "cos 0.93", "cos(−π/2)": a function applied to an argument.
std::string Applied(const std::string& function, const std::string& argument);

// The operand called `name` (such as "Z₁"): its cartesian form, modulus and argument with the
// quadrant rule, or, when it holds an argument that is not the one of its cartesian pair (an
// unreduced one), its cartesian pair from the polar one.
void OperandSteps(Working& w, const std::string& name, const Cplx& z, const Style& s);

// The right-hand side of a step, from "= " on, for each operation of a and b (written as
// aText and bText) whose result is r: the expansion of a sum, a product with i² = −1, a quotient
// by the conjugate. A quotient by 0 is not called here.
void SumRhs(Line& line, OpCode op, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s);
void ProductRhs(Line& line, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s);
void QuotientRhs(Line& line, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s);
// The polar form of a product or quotient: moduli multiplied (divided), arguments added
// (subtracted).
WorkingLine PolarProductLine(OpCode op, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s);
// The exponent as written in the working: "3", "−1", "0.5", "0.333333".
std::string ExponentText(double n);
// "= rⁿ∠nθ = …": the de Moivre step of base^n = r.
void PowerRhs(Line& line, const Cplx& base, double n, const Cplx& r, const Style& s);
// Why a quotient by 0 does not exist.
WorkingLine ZeroDivisorLine(const std::string& divisorName, const Style& s);
// The result in trigonometric and exponential form, θ in radians (a multiple of π when it is one
// with a small denominator).
void OtherForms(Working& w, const WorkingLine& name, const Cplx& z, const Style& s);
// θ in radians as the working writes it: "π/4", "−2π/3", "π", "0", "0.93".
std::string RadiansText(double degrees, const Style& s);

// Phrases used by more than one kind.
extern const Phrase OperandsHeading;
extern const Phrase OtherFormsHeading;
extern const Phrase ResultWord;
extern const Phrase InPolarForm;

}  // namespace working_detail
