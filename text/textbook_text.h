// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/cplx.h"

// Numbers as a textbook writes them, for worksheets and the working; the program's own windows
// keep CartText and PolarText. Every value is rounded to n decimals first, then written with the
// minus sign "−" (U+2212) and without the parts that vanish: "4 − i", "−3", "−2i", "i", "0",
// "5 − 12i". A value that rounds to zero is 0, never "−0".

// A real number: "−3", "2.5", "0".
std::string TextbookReal(double x, int n = 2);
// The cartesian form: "4 − i", "−3", "−2i", "i", "5 − 12i", "0".
std::string TextbookCart(const Cplx& z, int n = 2);
// The polar form, modulus and argument in degrees as held (not reduced): "5∠53.13°", "0" for
// the zero complex.
std::string TextbookPolar(const Cplx& z, int n = 2);
