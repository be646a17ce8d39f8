// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/complex_store.h"
#include "core/cplx.h"

// The panels' calculations, each made whole or not at all: a record holds a calculation that
// succeeded, so its results always belong to its operands.

// Z1 + Z2, Z1 - Z2, Z1 · Z2 and Z1 ÷ Z2. A result can be missing (a quotient by 0, a product
// beyond the range of numbers): it is then marked not defined and holds NaN, which no one may
// take for a value.
struct BinaryCalc {
  Cplx Z1;
  Cplx Z2;
  std::array<Cplx, 4> Results{};
  std::array<bool, 4> Defined{true, true, true, true};

  // All four results exist: only then can the calculation be posed as an exercise.
  bool Complete() const { return Defined[0] && Defined[1] && Defined[2] && Defined[3]; }
};

// The four results in operation order; it never fails as a whole.
BinaryCalc CalcBinary(const Cplx& z1, const Cplx& z2);

// The operations' captions, in operation order: the graph windows' titles and the exercise's
// answer lines.
inline const std::array<std::string, 4> OpCaptions = {" Z1 + Z2", " Z1 - Z2", " Z1 \u00b7 Z2", " Z1 \u00f7 Z2"};

struct PowerCalc {
  Cplx Base;
  double Exponent = 0;
  Cplx Result;
};

// Base to a real exponent; throws ArithmeticError when the power does not exist.
PowerCalc CalcPower(const Cplx& base, double exponent);

// The roots of a complex: the principal root and the angle between consecutive roots.
struct RootsCalc {
  Cplx Radicand;
  std::int16_t Index = 0;
  Cplx First;
  double Step = 0;

  // Root k (0 to Index - 1) in the order the roots are listed.
  Cplx Root(int k) const;
};

// The index-th roots of radicand; throws ArithmeticError when they do not exist (a radicand of
// modulus 0, an index below 1).
RootsCalc CalcRoots(const Cplx& radicand, std::int16_t index);

// A combined operation evaluated: the formula as typed, its value, and the store its letters
// named at that moment.
struct CombinedCalc {
  std::string Formula;
  Cplx Result;
  ComplexStore Store;
};
