// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/angle_unit.h"
#include "core/cplx.h"

// a+bi with no blanks: 3+4i, 3-4i, 2.5+0i. The "+" is decided on the value of Im, so an
// imaginary part that rounds to -0 is still written with its own "-".
std::string CartText(const Cplx& z, int n = 2);

// The cartesian half as the entry box reads it back: "3 , 4".
std::string PairText(const Cplx& z, int n = 2);

// Modulus with n decimals, the argument always with at most one, as stored: "5 , 53.1°". In
// radians the argument has n decimals, never fewer than 3 (a hundredth of a radian is more than
// half a degree), and "rad" after it: "5 , 0.927 rad".
std::string PolarText(const Cplx& z, int n = 2, AngleUnit unit = AngleUnit::Degrees);

// The two forms a complex is written in.
enum class TextForm { Cartesian, Polar };
// CartText or PolarText, as `form` says.
std::string CplxText(const Cplx& z, int n = 2, TextForm form = TextForm::Cartesian,
                     AngleUnit unit = AngleUnit::Degrees);
