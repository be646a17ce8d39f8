// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/cplx.h"
#include "core/random.h"

// The kinds of exercise a worksheet mixes, in the order the sheet lists them.
enum class ExerciseKind { Binary = 0, Power = 1, Roots = 2, Combined = 3, Forms = 4 };
inline constexpr int ExerciseKindCount = 5;

// The word a kind is called by on the command line: "binary", "power", "roots", "combined",
// "forms".
std::string KindWord(ExerciseKind kind);
// The kind called `word`, or nothing.
std::optional<ExerciseKind> KindFromWord(const std::string& word);

// The exponents of power exercises: whole, from -3 to 6, never 0 or 1 (nothing to compute).
inline constexpr std::array<int, 8> SheetExponents = {-3, -2, -1, 2, 3, 4, 5, 6};
// The root indices of root exercises.
inline constexpr int SheetLowestIndex = 2;
inline constexpr int SheetHighestIndex = 6;
// Polar operands have whole moduli and arguments that are multiples of this, in (-180°, 180°].
inline constexpr int SheetAngleStep = 15;

// Blank room under each exercise for the student's work.
enum class WorkSpace { None = 0, Some = 1, Much = 2 };
// The words of the command line: "none", "some", "much".
std::string SpaceWord(WorkSpace space);
std::optional<WorkSpace> SpaceFromWord(const std::string& word);

// The languages of a sheet, in the order of the program's language index: English, Catalan,
// Spanish.
inline constexpr int SheetLanguageCount = 3;
// "en", "ca", "es".
std::string LanguageCode(int language);
std::optional<int> LanguageFromCode(const std::string& code);

// What a teacher asks for.
struct WorksheetOptions {
  // Exercises of each kind, by ExerciseKind.
  std::array<int, ExerciseKindCount> Counts{5, 5, 5, 5, 0};
  // Decimals of the answers, 1 to 9.
  int Decimals = 2;
  // Real and imaginary parts of the random complexes are whole numbers in [RandomLow, RandomHigh],
  // drawn as the entry panel's "Random number" draws them (-5 to 9 there). Polar operands take
  // a whole modulus from 1 to the larger end's size.
  int RandomLow = -5;
  int RandomHigh = 9;
  // Binary exercises give their operands in polar form.
  bool PolarOperands = false;
  // Sheets with different numbers, "Version A", "Version B", ..., 1 to MaxSheetVersions.
  int Versions = 1;
  // The same seed gives the same sheets; without one a seed is taken from the clock.
  std::optional<std::uint64_t> Seed;
  // The words on the sheet: its language, title (empty: "Complex numbers" in that language) and
  // a line of instructions (empty: none); the working under each answer of the key.
  int Language = 0;
  std::string Title;
  std::string Instructions;
  bool Working = false;
};

inline constexpr int MaxSheetExercises = 10000;
inline constexpr int MaxSheetDecimals = 9;
inline constexpr int MaxSheetRandomPart = 999;
inline constexpr int MaxSheetVersions = 60;

// Spreads `total` exercises evenly over the kinds that are on; the kinds first in order take
// the remainder. Kinds that are off get none.
std::array<int, ExerciseKindCount> SpreadCounts(int total, const std::array<bool, ExerciseKindCount>& kinds);

// One exercise of the sheet, made whole: what was drawn and the values of its answer.
struct SheetExercise {
  ExerciseKind Kind = ExerciseKind::Binary;
  // Binary: z1 and z2. Power: the base. Roots: the radicand. Combined: the letters a, b, c.
  // Forms: the complex to write in the other form.
  std::vector<Cplx> Operands;
  // The operands are given in polar form (binary exercises on request, half the forms ones).
  bool Polar = false;
  int Exponent = 0;      // power
  int RootIndex = 0;     // roots
  double RootStep = 0;   // roots: degrees between consecutive roots
  std::string Formula;   // combined, as the formula box reads it: "a*b+c'"
  // Binary: the four results in operation order. Power: the power. Roots: every root, the
  // principal one first. Combined: the formula's value. Forms: the operand itself.
  std::vector<Cplx> Answers;
};

// One student's sheet.
struct SheetVersion {
  std::vector<SheetExercise> Exercises;
};

struct Worksheet {
  std::uint64_t Seed = 0;  // the seed that made it, so the sheets can be made again
  int Decimals = 2;
  int Language = 0;
  std::string Title;         // as it is printed: never empty
  std::string Instructions;  // may be empty
  bool Working = false;
  std::vector<SheetVersion> Versions;  // one or more, labelled A, B, ... when more than one
};

// The sheets asked for: in each version the kinds in order, each with its count; no exercise
// is degenerate (equal operands, an operand of 0, a quotient by 0) or repeats another of its
// sheet. Answers false, with the reason in `error`, for options out of range or a range in
// which an exercise cannot be drawn (such as 0 to 0, where every operand is 0).
bool MakeWorksheet(const WorksheetOptions& options, Worksheet& sheet, std::string& error);

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
