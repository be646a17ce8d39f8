// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calc/problem.h"
#include "core/cplx.h"
#include "core/random.h"

// The kinds of exercise a worksheet mixes, in the order the sheet lists them.
enum class ExerciseKind { Binary = 0, Power = 1, Roots = 2, Combined = 3 };
inline constexpr int ExerciseKindCount = 4;

// The word a kind is called by on the command line: "binary", "power", "roots", "combined".
std::string KindWord(ExerciseKind kind);
// The kind called `word`, or nothing.
std::optional<ExerciseKind> KindFromWord(const std::string& word);

// The exponents of power exercises and the root indices of root exercises.
inline constexpr std::array<double, 4> SheetExponents = {2, 3, 0.5, -1};
inline constexpr int SheetLowestIndex = 2;
inline constexpr int SheetHighestIndex = 6;

// What a teacher asks for.
struct WorksheetOptions {
  // Exercises of each kind, by ExerciseKind.
  std::array<int, ExerciseKindCount> Counts{5, 5, 5, 5};
  // Decimals of the answers, 1 to 9.
  int Decimals = 2;
  // Real and imaginary parts of the random complexes are whole numbers in [RandomLow, RandomHigh],
  // drawn as the entry panel's "Random number" draws them (-5 to 9 there).
  int RandomLow = -5;
  int RandomHigh = 9;
  // The same seed gives the same sheet; without one a seed is taken from the clock.
  std::optional<std::uint64_t> Seed;
};

inline constexpr int MaxSheetExercises = 10000;
inline constexpr int MaxSheetDecimals = 9;
inline constexpr int MaxSheetRandomPart = 999;

// Spreads `total` exercises evenly over the kinds that are on; the kinds first in order take
// the remainder. Kinds that are off get none.
std::array<int, ExerciseKindCount> SpreadCounts(int total, const std::array<bool, ExerciseKindCount>& kinds);

// One exercise of the sheet, made whole: what was drawn, the exercise as the exercise window
// writes it, and the values of its answer.
struct SheetExercise {
  ExerciseKind Kind = ExerciseKind::Binary;
  // Binary: z1 and z2. Power: the base. Roots: the radicand. Combined: the letters a, b, c.
  std::vector<Cplx> Operands;
  double Exponent = 0;   // power
  int RootIndex = 0;     // roots
  double RootStep = 0;   // roots: degrees between consecutive roots
  std::string Formula;   // combined
  // Statement and answer as the exercise window shows them (answers with 2 decimals).
  Problem Text;
  // Binary: the four results in operation order. Power: the power. Roots: every root, the
  // principal one first. Combined: the formula's value.
  std::vector<Cplx> Answers;
};

struct Worksheet {
  std::uint64_t Seed = 0;  // the seed that made it, so the sheet can be made again
  int Decimals = 2;
  std::vector<SheetExercise> Exercises;
};

// The sheet asked for: the kinds in order, each with its count. Answers false, with the reason
// in `error`, for options out of range or a range in which an exercise cannot be drawn (such as
// 0 to 0, where every divisor is 0).
bool MakeWorksheet(const WorksheetOptions& options, Worksheet& sheet, std::string& error);

// The answer as the exercise window writes it, with the given decimals: with 2 it is the
// exercise window's own answer.
std::string AnswerText(const SheetExercise& exercise, int decimals);

// The sheet as the exercise window appends exercises to a sheet file: for each exercise its
// number and statement, a line end, "R:" and five blanks, the answer, a line end and an empty
// line. Line ends are CR LF, the text UTF-8.
std::string WorksheetText(const Worksheet& sheet);

// The combined formulas a sheet draws from, all over the letters a, b and c. Each is written so
// that it reads the same whether chains group to the left or to the right.
const std::vector<std::string>& SheetFormulas();

// A uniform source that always gives the same sequence for the same seed.
class SeededSource final : public UniformSource {
 public:
  explicit SeededSource(std::uint64_t seed);
  double Next() override;

 private:
  std::mt19937_64 engine_;
};

// A whole number in [low, high] from `source`, drawn as RandomInt draws it.
int DrawInt(UniformSource& source, int low, int high);
