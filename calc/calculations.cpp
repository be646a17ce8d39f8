// SPDX-License-Identifier: MIT
#include "calc/calculations.h"

#include <limits>

#include "core/power_root.h"

BinaryCalc CalcBinary(const Cplx& z1, const Cplx& z2) {
  BinaryCalc calc{z1, z2, {}, {}};
  for (std::size_t k = 0; k < 4; ++k) {
    try {
      calc.Results[k] = CplxOp(static_cast<OpCode>(k), z1, z2);
      calc.Defined[k] = true;
    } catch (const ArithmeticError&) {
      constexpr double nan = std::numeric_limits<double>::quiet_NaN();
      calc.Results[k] = Cplx{nan, nan, nan, nan};
      calc.Defined[k] = false;
    }
  }
  return calc;
}

PowerCalc CalcPower(const Cplx& base, double exponent) { return {base, exponent, CplxPower(base, exponent)}; }

Cplx RootsCalc::Root(int k) const { return RootNumber(First, Step, k); }

RootsCalc CalcRoots(const Cplx& radicand, std::int16_t index) {
  if (index < 1) throw ArithmeticError("invalid operation");
  RootsCalc calc{radicand, index, {}, 0};
  calc.First = CplxRoot(radicand, index, calc.Step);
  return calc;
}
