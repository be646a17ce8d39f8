// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "core/cplx.h"

// z to a real power by de Moivre: the modulus is raised, the argument multiplied and reduced
// only when it reaches 360 (negative products stay as they are).
Cplx CplxPower(const Cplx& z, double n);

// The principal n-th root (argument z.Arg / n, unreduced); step receives 360 / n, the angle
// between consecutive roots. Written only when the root exists.
Cplx CplxRoot(const Cplx& z, std::int16_t n, double& step);

// Root k of the roots listed from the principal root `first`, `step` degrees apart: its argument
// is first.Arg + k * step, never reduced, and its cartesian pair follows from the polar one.
Cplx RootNumber(const Cplx& first, double step, int k);

// exp(ln(x) / n); x must be positive.
double NthRootReal(double x, std::int16_t n);

// The n roots in the order the program lists them: the principal root first, then the argument
// grows by 360 / n each time, never reduced. n must be at least 1.
std::vector<Cplx> AllRoots(const Cplx& z, int n);
