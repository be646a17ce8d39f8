// SPDX-License-Identifier: MIT
#include "core/cplx.h"

#include <cmath>

#include "core/checked.h"

RealPair CartToPolar(double re, double im) {
  RealPair polar;
  // hypot neither overflows nor underflows on the way: 1e200+1e200i and 1e-170 have a modulus.
  polar.First = Checked(std::hypot(Checked(re), Checked(im)));
  polar.Second = ArgDegrees(re, im);
  return polar;
}

double ArgDegrees(double re, double im) {
  Checked(re);
  Checked(im);
  if (re == 0) {
    if (im > 0) return 90;
    if (im < 0) return -90;
    return 0;
  }
  const double ratio = im / re;
  // A ratio beyond the doubles is a number on the imaginary axis to the last digit.
  if (std::isinf(ratio)) return im > 0 ? 90 : -90;
  double t = Checked(std::atan(Checked(ratio)) / PiValue * 180);
  if (re < 0) t += 180;
  // The negative real axis comes out as exactly 180, never -180.
  if (t > 180) t -= 360;
  return t;
}

double DegToRad(double degrees) { return Checked(Checked(degrees) / 180 * PiValue); }

RealPair PolarToCart(double mod, double arg) {
  Checked(mod);
  const double r = DegToRad(arg);
  double x = Checked(mod * std::cos(r));
  double y = Checked(mod * std::sin(r));
  // The axes come out exact (2 at 90° is 0+2i, (1+i)² is 0+2i): a component no larger than the
  // error of the conversion itself is 0. That error is relative to the modulus and grows with
  // the angle, since PiValue differs from pi by one part in 10^15; a tiny number keeps its digits.
  const double noise = std::fabs(mod) * ConversionNoise * (1 + std::fabs(r));
  if (std::fabs(x) <= noise) x = 0;
  if (std::fabs(y) <= noise) y = 0;
  return {x, y};
}

double Reduce360(double degrees) {
  Checked(degrees);
  // Negative angles are never touched.
  if (degrees < 360) return degrees;
  const double q = degrees / 360;
  return (q - std::trunc(q)) * 360;
}

void SyncCplx(Cplx& z, SyncFrom from) {
  if (from == SyncFrom::Cartesian) {
    const RealPair polar = CartToPolar(z.Re, z.Im);
    z.Mod = polar.First;
    z.Arg = polar.Second;
  } else {
    const RealPair cart = PolarToCart(z.Mod, z.Arg);
    z.Re = cart.First;
    z.Im = cart.Second;
  }
}

Cplx MakeCplx(double re, double im) {
  Cplx z;
  z.Re = re;
  z.Im = im;
  SyncCplx(z, SyncFrom::Cartesian);
  return z;
}

Cplx MakePolarCplx(double mod, double arg) {
  Cplx z;
  z.Mod = mod;
  z.Arg = arg;
  SyncCplx(z, SyncFrom::Polar);
  return z;
}

Cplx Conjugate(const Cplx& z) {
  // The argument is recomputed, not negated: -1+0i keeps 180.
  return MakeCplx(z.Re, -z.Im);
}

Cplx CplxOp(OpCode op, const Cplx& a, const Cplx& b) {
  Cplx r;
  switch (op) {
    case OpAdd:
      r.Re = Checked(a.Re + b.Re);
      r.Im = Checked(a.Im + b.Im);
      break;
    case OpSubtract:
      r.Re = Checked(a.Re - b.Re);
      r.Im = Checked(a.Im - b.Im);
      break;
    case OpMultiply:
      r.Mod = Checked(a.Mod * b.Mod);
      r.Arg = Reduce360(Checked(b.Arg + a.Arg));
      break;
    case OpDivide:
      if (b.Mod == 0) throw ArithmeticError("division by zero");
      r.Mod = Checked(a.Mod / b.Mod);
      // The argument of a quotient stays unreduced: -170° over 170° is -340°.
      r.Arg = Checked(a.Arg - b.Arg);
      break;
    default:
      throw ArithmeticError("invalid operation");
  }
  // Sums and differences are worked out in cartesian form, products and quotients in polar.
  SyncCplx(r, op / 2 == 0 ? SyncFrom::Cartesian : SyncFrom::Polar);
  return r;
}

double LargestComponent(const Cplx& a, const Cplx& b, const Cplx& c) {
  double largest = 0;
  for (const double v : {a.Re, a.Im, b.Re, b.Im, c.Re, c.Im}) {
    if (std::fabs(v) > largest) largest = std::fabs(v);
  }
  return largest;
}
