// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/complex_store.h"
#include "core/cplx.h"

// Carriage return + line feed: the line break inside exercise texts and sheet files.
inline constexpr const char* LineBreak = "\r\n";

// An exercise as posed and as solved. Both texts may hold line breaks; the answers of binary
// operations and roots begin with one, so their result lines start on a line of their own.
struct Problem {
  std::string Statement;
  std::string Answer;
};

// The exercise kinds, in the order of the Save submenu and the panels' exercise buttons.
inline constexpr std::int16_t ProblemBinary = 0;
inline constexpr std::int16_t ProblemPower = 1;
inline constexpr std::int16_t ProblemRoots = 2;
inline constexpr std::int16_t ProblemCombined = 3;

// What the panels last computed, as the main window keeps it. Only the fields of the kind asked
// for are read.
struct ProblemInputs {
  // Binary operations: the operands, the four results in operation order and their captions.
  Cplx BinZ1;
  Cplx BinZ2;
  std::array<Cplx, 4> BinaryResults{};
  std::array<std::string, 4> OpCaptions = {" Z1 + Z2", " Z1 - Z2", " Z1 \u00b7 Z2", " Z1 \u00f7 Z2"};

  // Power.
  Cplx PowBase;
  double PowExponent = 0;
  Cplx PowResult;

  // Roots: the principal root and the angle between consecutive roots.
  Cplx RootRadicand;
  std::int16_t RootIndex = 0;
  Cplx RootFirst;
  double RootStep = 0;

  // Combined operation: the formula as it stands in its box, the two result boxes as they show,
  // and the store the formula's letters name.
  std::string Formula;
  std::string ResultCart;
  std::string ResultPolar;
  const ComplexStore* Store = nullptr;
};

// The exercise of one kind (0 binary operations, 1 power, 2 roots, 3 combined operation),
// always in English. Numbers are written with 2 decimals; the exponent and the root index as
// plain numbers. A kind outside 0..3 gives an empty problem.
Problem FesPrbl(std::int16_t kind, const ProblemInputs& in);

// A real as the exercises write an exponent: the shortest form with up to 15 significant
// digits and "." as separator whatever the locale: 2, 0.5, -1, 0.333333333333333, 1e+20.
std::string PlainNumber(double x);
