// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "calc/calculations.h"

// Carriage return + line feed: the line break inside exercise texts and sheet files.
inline constexpr const char* LineBreak = "\r\n";

// An exercise as posed and as solved. Both texts may hold line breaks; the answers of binary
// operations and roots begin with one, so their result lines start on a line of their own.
struct Problem {
  std::string Statement;
  std::string Answer;
};

// The exercise kinds, in the order of the Save submenu and the panels' exercise buttons.
enum class ProblemKind : std::int16_t { Binary = 0, Power = 1, Roots = 2, Combined = 3 };

// The last calculation of each panel that succeeded.
struct LastCalculations {
  BinaryCalc Binary;
  PowerCalc Power;
  RootsCalc Roots;
  CombinedCalc Combined;
};

// The exercise of one calculation, always in English. Numbers are written with 2 decimals; the
// exponent and the root index as plain numbers.
Problem FesPrbl(const BinaryCalc& calc);
Problem FesPrbl(const PowerCalc& calc);
Problem FesPrbl(const RootsCalc& calc);
// The statement lists every letter of the formula as often as it occurs, with the value its
// slot holds; the answer is the result with 2 decimals, as the result boxes show it.
Problem FesPrbl(const CombinedCalc& calc);
// The exercise of the given kind from the last calculations.
Problem FesPrbl(ProblemKind kind, const LastCalculations& last);

// A real as the exercises write an exponent: the shortest form with up to 15 significant
// digits and "." as separator whatever the locale: 2, 0.5, -1, 0.333333333333333, 1e+20.
std::string PlainNumber(double x);
