// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>

// A complex value that carries both of its forms at once. Whoever changes one pair calls
// SyncCplx, which recomputes the other one. The argument is in degrees.
struct Cplx {
  double Re = 0;
  double Im = 0;
  double Mod = 0;
  double Arg = 0;
};

// Either half of a Cplx: (Re, Im) or (Mod, Arg).
struct RealPair {
  double First = 0;
  double Second = 0;
};

// 0 add, 1 subtract, 2 multiply, 3 divide: also the position in the operator list "+-*/^'".
using OpCode = std::int16_t;
inline constexpr OpCode OpAdd = 0;
inline constexpr OpCode OpSubtract = 1;
inline constexpr OpCode OpMultiply = 2;
inline constexpr OpCode OpDivide = 3;

// The 15-digit literal, not the full double: every degree/radian conversion uses it.
inline constexpr double PiValue = 3.14159265358979;

// The one failure of the arithmetic: overflow, division by zero, an invalid operation.
class ArithmeticError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The relative error of a conversion from degrees per radian of the angle, with room to spare:
// PolarToCart takes a component below mod * ConversionNoise * (1 + |angle in radians|) for 0.
inline constexpr double ConversionNoise = 1e-14;

// The pair of a Cplx that holds the value; SyncCplx computes the other one from it.
enum class SyncFrom { Cartesian, Polar };
void SyncCplx(Cplx& z, SyncFrom from);
RealPair CartToPolar(double re, double im);
RealPair PolarToCart(double mod, double arg);
double ArgDegrees(double re, double im);
double DegToRad(double degrees);
double Reduce360(double degrees);
Cplx MakeCplx(double re, double im);
// A complex given by its polar pair (argument in degrees, kept as given), cartesian pair filled.
Cplx MakePolarCplx(double mod, double arg);
Cplx Conjugate(const Cplx& z);
Cplx CplxOp(OpCode op, const Cplx& a, const Cplx& b);
double LargestComponent(const Cplx& a, const Cplx& b, const Cplx& c);
