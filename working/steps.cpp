// SPDX-License-Identifier: MIT
#include "working/steps.h"

#include <cmath>
#include <cstdio>

#include "text/textbook_text.h"

namespace working_detail {

const Phrase OperandsHeading = {"Operands", "Operands", "Operandos"};
const Phrase OtherFormsHeading = {"Other forms of the result", "Altres formes del resultat",
                                  "Otras formas del resultado"};
const Phrase ResultWord = {"result", "resultat", "resultado"};
const Phrase InPolarForm = {"in polar form", "en forma polar", "en forma polar"};

namespace {

const Phrase ZeroOperand = {"0 has no direction; its argument is taken as 0°",
                            "0 no té direcció; el seu argument es pren com a 0°",
                            "0 no tiene dirección; su argumento se toma como 0°"};
const std::array<Phrase, 4> Quadrants = {{
    {"first quadrant", "primer quadrant", "primer cuadrante"},
    {"second quadrant", "segon quadrant", "segundo cuadrante"},
    {"third quadrant", "tercer quadrant", "tercer cuadrante"},
    {"fourth quadrant", "quart quadrant", "cuarto cuadrante"},
}};
const std::array<Phrase, 4> Axes = {{
    {"on the positive real axis", "sobre el semieix real positiu", "sobre el semieje real positivo"},
    {"on the negative real axis", "sobre el semieix real negatiu", "sobre el semieje real negativo"},
    {"on the positive imaginary axis", "sobre el semieix imaginari positiu",
     "sobre el semieje imaginario positivo"},
    {"on the negative imaginary axis", "sobre el semieix imaginari negatiu",
     "sobre el semieje imaginario negativo"},
}};
const Phrase SinceISquared = {"since i² = −1", "ja que i² = −1", "ya que i² = −1"};
const Phrase ZeroDivisor = {
    "dividing by 0 is not defined (the denominator would be 0² + 0² = 0), so the quotient does not exist",
    "dividir per 0 no està definit (el denominador seria 0² + 0² = 0), així que el quocient no existeix",
    "dividir por 0 no está definido (el denominador sería 0² + 0² = 0), así que el cociente no existe"};
const Phrase TrigonometricForm = {"trigonometric form", "forma trigonomètrica", "forma trigonométrica"};
const Phrase ExponentialForm = {"exponential form", "forma exponencial", "forma exponencial"};

const char* const Minus = "\u2212";

bool Negative(const std::string& text) { return text.rfind(Minus, 0) == 0; }

// A term of an expansion: a signed magnitude with "", "i" or "i²" behind it.
void Term(Line& line, double value, int power, bool first, const Style& s) {
  const std::string magnitude = Num(std::fabs(value), s);
  const bool negative = value < 0 && magnitude != "0";
  if (first) {
    if (negative) line << Minus;
  } else {
    line << (negative ? std::string(" ") + Minus + " " : std::string(" + "));
  }
  if (power == 0 || magnitude != "1") line << magnitude;
  if (power >= 1) line << "i";
  if (power == 2) line.Sup("2");
}

// The product a·b term by term (terms with a factor 0 are left out); answers whether an i²
// term was written.
bool Expansion(Line& line, const Cplx& a, const Cplx& b, const Style& s, int& terms) {
  const double values[4] = {a.Re * b.Re, a.Re * b.Im, a.Im * b.Re, a.Im * b.Im};
  const bool present[4] = {a.Re != 0 && b.Re != 0, a.Re != 0 && b.Im != 0, a.Im != 0 && b.Re != 0,
                           a.Im != 0 && b.Im != 0};
  const int powers[4] = {0, 1, 1, 2};
  terms = 0;
  for (int k = 0; k < 4; ++k) {
    if (!present[k]) continue;
    Term(line, values[k], powers[k], terms == 0, s);
    ++terms;
  }
  if (terms == 0) line << "0";
  return present[3];
}

struct PiFraction {
  bool Found = false;
  long P = 0;
  long Q = 1;
};

// The angle as p·π/q with q up to 12, when it is one.
PiFraction AsPiFraction(double degrees) {
  for (long q = 1; q <= 12; ++q) {
    const double k = degrees * static_cast<double>(q) / 180;
    const double p = std::round(k);
    if (std::fabs(k - p) < 1e-7) return {true, static_cast<long>(p), q};
  }
  return {};
}

std::string WholeNumber(long x) { return std::to_string(x); }

}  // namespace

Line& Line::Add(const std::string& text, Script place) {
  if (text.empty()) return *this;
  if (!line_.Runs.empty() && line_.Runs.back().Place == place) {
    line_.Runs.back().Text += text;
  } else {
    line_.Runs.push_back({text, place});
  }
  return *this;
}

Line& Line::Append(const WorkingLine& other) {
  for (const WorkingRun& run : other.Runs) Add(run.Text, run.Place);
  return *this;
}

WorkingLine Heading(const std::string& text) {
  WorkingLine line = Line() << text;
  line.Heading = true;
  return line;
}

std::string Num(double x, const Style& s) { return TextbookReal(x, s.Decimals); }
std::string Cart(const Cplx& z, const Style& s) { return TextbookCart(z, s.Decimals); }
std::string Deg(double degrees, const Style& s) { return Num(degrees, s) + "°"; }

std::string Paren(const std::string& text) {
  if (text.find(' ') != std::string::npos || Negative(text)) return "(" + text + ")";
  return text;
}

double PrincipalDegrees(double degrees) {
  double x = std::fmod(degrees, 360.0);
  if (x <= -180) x += 360;
  if (x > 180) x -= 360;
  return x;
}

std::string ArgText(double degrees, const Style& s) {
  const std::string held = Deg(degrees, s);
  const std::string principal = Deg(PrincipalDegrees(degrees), s);
  return held == principal ? held : held + " = " + principal;
}

std::string HeldPolar(const Cplx& z, const Style& s) {
  const std::string mod = Num(z.Mod, s);
  return mod == "0" ? mod : mod + "∠" + Deg(z.Arg, s);
}

std::string Applied(const std::string& function, const std::string& argument) {
  return function + (argument.front() == '(' ? "" : " ") + argument;
}

std::string PolarText(const Cplx& z, const Style& s) {
  const std::string mod = Num(z.Mod, s);
  if (mod == "0") return mod;
  const std::string held = mod + "∠" + Deg(z.Arg, s);
  const std::string principal = mod + "∠" + Deg(PrincipalDegrees(z.Arg), s);
  return held == principal ? held : held + " = " + principal;
}

void OperandSteps(Working& w, const std::string& name, const Cplx& z, const Style& s) {
  if (z.Mod == 0 || (z.Re == 0 && z.Im == 0)) {
    w.push_back(Line() << name << " = 0: r = 0, θ = 0° (" << s.Say(ZeroOperand) << ")");
    return;
  }
  if (std::fabs(z.Arg - ArgDegrees(z.Re, z.Im)) > 1e-7) {
    // Held in polar form with an argument of its own: the cartesian pair follows from it.
    const std::string angle = Paren(Deg(z.Arg, s));
    w.push_back(Line() << name << " = " << PolarText(z, s));
    w.push_back(Line() << "a = r·cos θ = " << Num(z.Mod, s) << "·" << Applied("cos", angle) << " = " << Num(z.Re, s));
    w.push_back(Line() << "b = r·sin θ = " << Num(z.Mod, s) << "·" << Applied("sin", angle) << " = " << Num(z.Im, s));
    w.push_back(Line() << name << " = " << Cart(z, s));
    return;
  }
  w.push_back(Line() << name << " = " << Cart(z, s));
  Line modulus;
  modulus << "r = √(" << Paren(Num(z.Re, s));
  modulus.Sup("2") << " + " << Paren(Num(z.Im, s));
  modulus.Sup("2") << ") = √" << Num(z.Re * z.Re + z.Im * z.Im, s) << " = " << Num(z.Mod, s);
  w.push_back(modulus);
  Line arg;
  const std::string ratio = "arctan(" + Num(std::fabs(z.Im), s) + "/" + Num(std::fabs(z.Re), s) + ")";
  if (z.Im == 0) {
    arg << s.Say(Axes[z.Re > 0 ? 0 : 1]) << ": θ = " << Deg(z.Arg, s);
  } else if (z.Re == 0) {
    arg << s.Say(Axes[z.Im > 0 ? 2 : 3]) << ": θ = " << Deg(z.Arg, s);
  } else if (z.Re > 0 && z.Im > 0) {
    arg << s.Say(Quadrants[0]) << ": θ = " << ratio << " = " << Deg(z.Arg, s);
  } else if (z.Re < 0 && z.Im > 0) {
    arg << s.Say(Quadrants[1]) << ": θ = 180° " << Minus << " " << ratio << " = " << Deg(z.Arg, s);
  } else if (z.Re < 0) {
    arg << s.Say(Quadrants[2]) << ": θ = " << ratio << " " << Minus << " 180° = " << Deg(z.Arg, s);
  } else {
    arg << s.Say(Quadrants[3]) << ": θ = " << Minus << ratio << " = " << Deg(z.Arg, s);
  }
  w.push_back(arg);
}

void SumRhs(Line& line, OpCode op, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s) {
  const std::string sign = op == OpAdd ? " + " : std::string(" ") + Minus + " ";
  line << " = (" << Num(a.Re, s) << sign << Paren(Num(b.Re, s)) << ") + (" << Num(a.Im, s) << sign
       << Paren(Num(b.Im, s)) << ")i = " << Cart(r, s);
}

void ProductRhs(Line& line, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s) {
  Line expansion;
  int terms = 0;
  const bool iSquared = Expansion(expansion, a, b, s, terms);
  if (terms >= 2 || iSquared) (line << " = ").Append(expansion.Done());
  line << " = " << Cart(r, s);
  if (iSquared) line << ", " << s.Say(SinceISquared);
}

void QuotientRhs(Line& line, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s) {
  const Cplx conj{b.Re, -b.Im, 0, 0};
  const Cplx numerator{a.Re * b.Re + a.Im * b.Im, a.Im * b.Re - a.Re * b.Im, 0, 0};
  const double denominator = b.Re * b.Re + b.Im * b.Im;
  const std::string c = "(" + Cart(conj, s) + ")";
  line << " = (" << Cart(a, s) << ")" << c << " ÷ ((" << Cart(b, s) << ")" << c << ") = "
       << Paren(Cart(numerator, s)) << " ÷ " << Paren(Num(denominator, s)) << " = " << Cart(r, s);
}

WorkingLine PolarProductLine(OpCode op, const Cplx& a, const Cplx& b, const Cplx& r, const Style& s) {
  const bool product = op == OpMultiply;
  const double raw = product ? a.Arg + b.Arg : a.Arg - b.Arg;
  Line line;
  line << s.Say(InPolarForm) << ": " << HeldPolar(a, s) << (product ? " · " : " ÷ ") << HeldPolar(b, s)
       << " = (" << Num(a.Mod, s) << (product ? "·" : " ÷ ") << Num(b.Mod, s) << ")∠(" << Deg(a.Arg, s)
       << (product ? " + " : std::string(" ") + Minus + " ") << Paren(Deg(b.Arg, s)) << ") = ";
  const std::string mod = Num(r.Mod, s);
  if (mod == "0") return line << "0";
  line << mod << "∠" << Deg(raw, s);
  if (Deg(raw, s) != Deg(r.Arg, s)) line << " = " << mod << "∠" << Deg(r.Arg, s);
  if (Deg(r.Arg, s) != Deg(PrincipalDegrees(r.Arg), s)) line << " = " << mod << "∠" << Deg(PrincipalDegrees(r.Arg), s);
  return line;
}

std::string ExponentText(double n) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", n);
  std::string text = buffer;
  if (!text.empty() && text[0] == '-') text = Minus + text.substr(1);
  return text;
}

void PowerRhs(Line& line, const Cplx& base, double n, const Cplx& r, const Style& s) {
  const std::string exponent = ExponentText(n);
  line << " = " << Paren(Num(base.Mod, s));
  line.Sup(exponent) << "∠(" << Paren(exponent) << "·" << Paren(Deg(base.Arg, s)) << ") = ";
  const std::string mod = Num(r.Mod, s);
  if (mod != "0") {
    line << mod << "∠" << Deg(base.Arg * n, s);
    if (Deg(base.Arg * n, s) != Deg(r.Arg, s)) line << " = " << mod << "∠" << Deg(r.Arg, s);
    line << " = ";
  }
  line << Cart(r, s);
}

WorkingLine ZeroDivisorLine(const std::string& divisorName, const Style& s) {
  return Line() << divisorName << " = 0: " << s.Say(ZeroDivisor);
}

std::string RadiansText(double degrees, const Style& s) {
  const PiFraction f = AsPiFraction(degrees);
  if (!f.Found) return Num(DegToRad(degrees), s);
  if (f.P == 0) return "0";
  std::string text = f.P < 0 ? Minus : "";
  if (std::labs(f.P) != 1) text += WholeNumber(std::labs(f.P));
  text += "π";
  if (f.Q != 1) text += "/" + WholeNumber(f.Q);
  return text;
}

void OtherForms(Working& w, const WorkingLine& name, const Cplx& z, const Style& s) {
  const std::string mod = Num(z.Mod, s);
  if (mod == "0") return;
  const double principal = PrincipalDegrees(z.Arg);
  const std::string theta = Paren(RadiansText(principal, s));
  const std::string factor = mod == "1" ? "" : mod;
  Line trigonometric;
  const std::string sum = Applied("cos", theta) + " + i " + Applied("sin", theta);
  (trigonometric << s.Say(TrigonometricForm) << ": ").Append(name) << " = "
                                                                   << (factor.empty() ? sum : factor + "(" + sum + ")");
  w.push_back(trigonometric);
  // The exponent iθ: "iπ/4", "−2iπ/3", "0.93i".
  const PiFraction f = AsPiFraction(principal);
  std::string exponent;
  if (!f.Found) {
    const std::string coefficient = Num(DegToRad(principal), s);
    exponent = (coefficient == "1" ? "" : coefficient == Minus + std::string("1") ? Minus : coefficient) + "i";
  } else if (f.P == 0) {
    exponent = "0";
  } else {
    exponent = (f.P < 0 ? Minus : "") + (std::labs(f.P) != 1 ? WholeNumber(std::labs(f.P)) : "") + "iπ" +
               (f.Q != 1 ? "/" + WholeNumber(f.Q) : "");
  }
  Line exponential;
  (exponential << s.Say(ExponentialForm) << ": ").Append(name) << " = " << (factor.empty() ? "" : factor + "·")
                                                                << "e";
  exponential.Sup(exponent);
  w.push_back(exponential);
}

}  // namespace working_detail
