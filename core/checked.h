// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "core/cplx.h"

// Every floating-point step of the arithmetic passes through here: an infinity is an overflow
// (or a division by zero), a NaN an invalid operation. No value is ever delivered past one.
inline double Checked(double v) {
  if (std::isnan(v)) throw ArithmeticError("invalid operation");
  if (std::isinf(v)) throw ArithmeticError("overflow");
  return v;
}
