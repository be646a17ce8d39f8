// SPDX-License-Identifier: MIT
#include "worksheet/worksheet.h"

#include <chrono>
#include <cmath>

#include "calc/complex_store.h"
#include "calc/eval_combined.h"
#include "core/power_root.h"
#include "text/complex_text.h"

namespace {

// Draws before a kind is given up in a range where it cannot be drawn.
constexpr int MaxDrawsPerExercise = 1000;

constexpr std::array<const char*, ExerciseKindCount> KindWords = {"binary", "power", "roots", "combined"};

Cplx DrawCplx(UniformSource& source, const WorksheetOptions& options) {
  // Re first, then Im, as a random complex of the entry panel.
  const double re = DrawInt(source, options.RandomLow, options.RandomHigh);
  const double im = DrawInt(source, options.RandomLow, options.RandomHigh);
  return MakeCplx(re, im);
}

ComplexStore LettersStore(const std::vector<Cplx>& letters) {
  ComplexStore store;
  for (const Cplx& z : letters) store.Append(z);
  return store;
}

// The exercise window's texts for a drawn exercise: the one place that fills the exercise
// generator's inputs from what a sheet draws.
Problem ExerciseProblem(const SheetExercise& e) {
  switch (e.Kind) {
    case ExerciseKind::Binary: {
      BinaryCalc calc{e.Operands[0], e.Operands[1], {}, {true, true, true, true}};
      for (std::size_t op = 0; op < 4; ++op) calc.Results[op] = e.Answers[op];
      return FesPrbl(calc);
    }
    case ExerciseKind::Power: return FesPrbl(PowerCalc{e.Operands[0], e.Exponent, e.Answers[0]});
    case ExerciseKind::Roots:
      return FesPrbl(RootsCalc{e.Operands[0], static_cast<std::int16_t>(e.RootIndex), e.Answers[0], e.RootStep});
    case ExerciseKind::Combined: return FesPrbl(CombinedCalc{e.Formula, e.Answers[0], LettersStore(e.Operands)});
  }
  return {};
}

// One attempt at an exercise of `kind`; false when what was drawn has no answer (a divisor of
// 0, a root or negative power of 0, a formula whose value fails), and the caller draws again.
bool TryExercise(ExerciseKind kind, UniformSource& source, const WorksheetOptions& options, SheetExercise& e) {
  e = SheetExercise{};
  e.Kind = kind;
  try {
    switch (kind) {
      case ExerciseKind::Binary: {
        const Cplx z1 = DrawCplx(source, options);
        const Cplx z2 = DrawCplx(source, options);
        e.Operands = {z1, z2};
        for (OpCode op = 0; op < 4; ++op) e.Answers.push_back(CplxOp(op, z1, z2));
        break;
      }
      case ExerciseKind::Power: {
        const Cplx base = DrawCplx(source, options);
        e.Exponent = SheetExponents[static_cast<std::size_t>(DrawInt(source, 0, SheetExponents.size() - 1))];
        e.Operands = {base};
        e.Answers = {CplxPower(base, e.Exponent)};
        break;
      }
      case ExerciseKind::Roots: {
        const Cplx radicand = DrawCplx(source, options);
        e.RootIndex = DrawInt(source, SheetLowestIndex, SheetHighestIndex);
        e.Operands = {radicand};
        double step = 0;
        CplxRoot(radicand, static_cast<std::int16_t>(e.RootIndex), step);
        e.RootStep = step;
        e.Answers = AllRoots(radicand, e.RootIndex);
        break;
      }
      case ExerciseKind::Combined: {
        const auto& formulas = SheetFormulas();
        e.Formula = formulas[static_cast<std::size_t>(DrawInt(source, 0, static_cast<int>(formulas.size()) - 1))];
        for (int k = 0; k < 3; ++k) e.Operands.push_back(DrawCplx(source, options));
        Cplx value;
        if (!EvalCombined(e.Formula, LettersStore(e.Operands), value)) return false;
        e.Answers = {value};
        break;
      }
    }
  } catch (const ArithmeticError&) {
    return false;
  }
  for (const Cplx& z : e.Answers)
    if (!std::isfinite(z.Re) || !std::isfinite(z.Im) || !std::isfinite(z.Mod) || !std::isfinite(z.Arg)) return false;
  e.Text = ExerciseProblem(e);
  return true;
}

std::uint64_t ClockSeed() {
  // Small enough to read out and type back in.
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(ticks) % 1000000000ULL;
}

}  // namespace

std::string KindWord(ExerciseKind kind) { return KindWords[static_cast<std::size_t>(kind)]; }

std::optional<ExerciseKind> KindFromWord(const std::string& word) {
  for (std::size_t k = 0; k < KindWords.size(); ++k)
    if (word == KindWords[k]) return static_cast<ExerciseKind>(k);
  return std::nullopt;
}

std::array<int, ExerciseKindCount> SpreadCounts(int total, const std::array<bool, ExerciseKindCount>& kinds) {
  std::array<int, ExerciseKindCount> counts{};
  int on = 0;
  for (const bool k : kinds) on += k ? 1 : 0;
  if (on == 0 || total <= 0) return counts;
  int remainder = total % on;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    if (!kinds[k]) continue;
    counts[k] = total / on + (remainder > 0 ? 1 : 0);
    if (remainder > 0) --remainder;
  }
  return counts;
}

const std::vector<std::string>& SheetFormulas() {
  // No chain of two operators of one class at the same level, so grouping never matters; a
  // power applies to one letter or to a parenthesised group, and its exponent is a number or a
  // parenthesised fraction.
  static const std::vector<std::string> formulas = {
      "a*b+c'", "(a+b)^2/c", "a^(1/2)", "a/b-c", "(a-b)*c", "a'*b", "(a+b)/(a-c)", "a^2+b^2", "a^3-b", "(a*b)'",
      "a^(-1)+b", "(a-c)^2"};
  return formulas;
}

SeededSource::SeededSource(std::uint64_t seed) : engine_(seed) {}

double SeededSource::Next() {
  // The top 53 bits make a double in [0, 1) that can never round up to 1.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int DrawInt(UniformSource& source, int low, int high) {
  if (high < low) return low;
  const double u = source.Next();
  const double span = static_cast<double>(high) - low + 1;
  double k = std::floor(u * span) + low;
  if (!(k >= low)) k = low;
  if (k > high) k = high;
  return static_cast<int>(k);
}

bool MakeWorksheet(const WorksheetOptions& options, Worksheet& sheet, std::string& error) {
  int total = 0;
  for (const int c : options.Counts) {
    if (c < 0) {
      error = "A count of exercises cannot be negative.";
      return false;
    }
    total += c;
    if (total > MaxSheetExercises) {
      error = "No more than " + std::to_string(MaxSheetExercises) + " exercises.";
      return false;
    }
  }
  if (options.Decimals < 1 || options.Decimals > MaxSheetDecimals) {
    error = "Decimals go from 1 to " + std::to_string(MaxSheetDecimals) + ".";
    return false;
  }
  if (options.RandomLow > options.RandomHigh || options.RandomLow < -MaxSheetRandomPart ||
      options.RandomHigh > MaxSheetRandomPart) {
    error = "The range needs a low end not above the high end, both from -" + std::to_string(MaxSheetRandomPart) +
            " to " + std::to_string(MaxSheetRandomPart) + ".";
    return false;
  }

  Worksheet made;
  made.Seed = options.Seed ? *options.Seed : ClockSeed();
  made.Decimals = options.Decimals;
  SeededSource source(made.Seed);
  for (int k = 0; k < ExerciseKindCount; ++k) {
    const auto kind = static_cast<ExerciseKind>(k);
    for (int n = 0; n < options.Counts[static_cast<std::size_t>(k)]; ++n) {
      SheetExercise e;
      int draws = 0;
      while (!TryExercise(kind, source, options, e)) {
        if (++draws == MaxDrawsPerExercise) {
          error = "No " + KindWord(kind) + " exercise can be drawn from " + std::to_string(options.RandomLow) +
                  " to " + std::to_string(options.RandomHigh) + ".";
          return false;
        }
      }
      made.Exercises.push_back(std::move(e));
    }
  }
  sheet = std::move(made);
  return true;
}

std::string AnswerText(const SheetExercise& e, int decimals) {
  const auto both = [decimals](const Cplx& z) { return CartText(z, decimals) + " = " + PolarText(z, decimals); };
  std::string answer;
  switch (e.Kind) {
    case ExerciseKind::Binary: {
      for (std::size_t op = 0; op < 4; ++op) answer += LineBreak + OpCaptions[op] + "= " + both(e.Answers[op]);
      break;
    }
    case ExerciseKind::Power: answer = " Z^" + PlainNumber(e.Exponent) + " = " + both(e.Answers[0]); break;
    case ExerciseKind::Roots:
      for (const Cplx& r : e.Answers) answer += LineBreak + both(r);
      break;
    case ExerciseKind::Combined:
      answer = " cart.: " + CartText(e.Answers[0], decimals) + "  polar: " + PolarText(e.Answers[0], decimals);
      break;
  }
  return answer;
}

std::string WorksheetText(const Worksheet& sheet) {
  std::string text;
  for (std::size_t i = 0; i < sheet.Exercises.size(); ++i) {
    const SheetExercise& e = sheet.Exercises[i];
    text += std::to_string(i + 1) + ". " + e.Text.Statement + LineBreak + "R:     " + AnswerText(e, sheet.Decimals) +
            LineBreak + LineBreak;
  }
  return text;
}
