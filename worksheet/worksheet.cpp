// SPDX-License-Identifier: MIT
#include "worksheet/worksheet.h"

#include <chrono>
#include <cmath>
#include <set>

#include "calc/complex_store.h"
#include "calc/eval_combined.h"
#include "core/power_root.h"
#include "worksheet/sheet_text.h"

namespace {

// Draws before a kind is given up in a range where it cannot be drawn.
constexpr int MaxDrawsPerExercise = 1000;

constexpr std::array<const char*, ExerciseKindCount> KindWords = {"binary", "power", "roots", "combined", "forms"};
constexpr std::array<const char*, 3> SpaceWords = {"none", "some", "much"};
constexpr std::array<const char*, SheetLanguageCount> LanguageCodes = {"en", "ca", "es"};

Cplx DrawCplx(UniformSource& source, const WorksheetOptions& options) {
  // Re first, then Im, as a random complex of the entry panel.
  const double re = DrawInt(source, options.RandomLow, options.RandomHigh);
  const double im = DrawInt(source, options.RandomLow, options.RandomHigh);
  return MakeCplx(re, im);
}

// A whole modulus up to the larger end of the range and an argument in (-180°, 180°] on the
// angle step, as a textbook gives a complex in polar form.
Cplx DrawPolarCplx(UniformSource& source, const WorksheetOptions& options) {
  const int largest = std::max(std::abs(options.RandomLow), std::abs(options.RandomHigh));
  const double mod = DrawInt(source, 1, std::max(1, largest));
  const double arg = SheetAngleStep * DrawInt(source, -180 / SheetAngleStep + 1, 180 / SheetAngleStep);
  // A range of 0 to 0 has no modulus to give.
  return MakePolarCplx(largest == 0 ? 0 : mod, arg);
}

bool IsZero(const Cplx& z) { return z.Re == 0 && z.Im == 0; }
bool Same(const Cplx& a, const Cplx& b) { return a.Re == b.Re && a.Im == b.Im && a.Mod == b.Mod && a.Arg == b.Arg; }

ComplexStore LettersStore(const std::vector<Cplx>& letters) {
  ComplexStore store;
  for (const Cplx& z : letters) store.Append(z);
  return store;
}

// Two exercises are the same when they read the same: a combined formula that leaves a letter
// out does not become another exercise by that letter's value.
std::string ExerciseKey(const SheetExercise& e) { return StatementText(e, 0); }

// One attempt at an exercise of `kind`; false when what was drawn is degenerate (equal
// operands, an operand of 0) or has no answer (a formula that divides by 0), and the caller
// draws again.
bool TryExercise(ExerciseKind kind, UniformSource& source, const WorksheetOptions& options, SheetExercise& e) {
  e = SheetExercise{};
  e.Kind = kind;
  try {
    switch (kind) {
      case ExerciseKind::Binary: {
        e.Polar = options.PolarOperands;
        const auto draw = [&] { return e.Polar ? DrawPolarCplx(source, options) : DrawCplx(source, options); };
        const Cplx z1 = draw();
        const Cplx z2 = draw();
        e.Operands = {z1, z2};
        if (IsZero(z1) || IsZero(z2) || Same(z1, z2)) return false;
        for (OpCode op = 0; op < 4; ++op) e.Answers.push_back(CplxOp(op, z1, z2));
        break;
      }
      case ExerciseKind::Power: {
        const Cplx base = DrawCplx(source, options);
        e.Exponent = SheetExponents[static_cast<std::size_t>(DrawInt(source, 0, SheetExponents.size() - 1))];
        e.Operands = {base};
        if (IsZero(base)) return false;
        e.Answers = {CplxPower(base, e.Exponent)};
        break;
      }
      case ExerciseKind::Roots: {
        const Cplx radicand = DrawCplx(source, options);
        e.RootIndex = DrawInt(source, SheetLowestIndex, SheetHighestIndex);
        e.Operands = {radicand};
        if (IsZero(radicand)) return false;
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
        // Three different letters, none of them 0: a formula then never divides by 0 nor
        // raises 0 to a negative power, except through a difference, which the evaluator
        // refuses (a - c of 0 under a quotient throws).
        for (std::size_t i = 0; i < 3; ++i) {
          if (IsZero(e.Operands[i])) return false;
          for (std::size_t j = 0; j < i; ++j)
            if (Same(e.Operands[i], e.Operands[j])) return false;
        }
        Cplx value;
        if (!EvalCombined(e.Formula, LettersStore(e.Operands), value)) return false;
        e.Answers = {value};
        break;
      }
      case ExerciseKind::Forms: {
        e.Polar = DrawInt(source, 0, 1) == 1;
        const Cplx z = e.Polar ? DrawPolarCplx(source, options) : DrawCplx(source, options);
        if (IsZero(z)) return false;
        e.Operands = {z};
        e.Answers = {z};
        break;
      }
    }
  } catch (const ArithmeticError&) {
    return false;
  }
  for (const Cplx& z : e.Answers)
    if (!std::isfinite(z.Re) || !std::isfinite(z.Im) || !std::isfinite(z.Mod) || !std::isfinite(z.Arg)) return false;
  return true;
}

std::uint64_t ClockSeed() {
  // Small enough to read out and type back in.
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(ticks) % 1000000000ULL;
}

template <std::size_t N>
std::optional<int> IndexOf(const std::array<const char*, N>& words, const std::string& word) {
  for (std::size_t k = 0; k < N; ++k)
    if (word == words[k]) return static_cast<int>(k);
  return std::nullopt;
}

}  // namespace

std::string KindWord(ExerciseKind kind) { return KindWords[static_cast<std::size_t>(kind)]; }

std::optional<ExerciseKind> KindFromWord(const std::string& word) {
  const auto k = IndexOf(KindWords, word);
  return k ? std::optional<ExerciseKind>(static_cast<ExerciseKind>(*k)) : std::nullopt;
}

std::string SpaceWord(WorkSpace space) { return SpaceWords[static_cast<std::size_t>(space)]; }

std::optional<WorkSpace> SpaceFromWord(const std::string& word) {
  const auto k = IndexOf(SpaceWords, word);
  return k ? std::optional<WorkSpace>(static_cast<WorkSpace>(*k)) : std::nullopt;
}

std::string LanguageCode(int language) { return LanguageCodes[static_cast<std::size_t>(language)]; }

std::optional<int> LanguageFromCode(const std::string& code) { return IndexOf(LanguageCodes, code); }

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
  // power applies to one letter or to a parenthesised group, and its exponent is a whole number
  // (a fractional power has several values, and a root exercise asks for all of them).
  static const std::vector<std::string> formulas = {
      "a*b+c'", "(a+b)^2/c", "a'/b", "a/b-c", "(a-b)*c", "a'*b", "(a+b)/(a-c)", "a^2+b^2", "a^3-b", "(a*b)'",
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

  if (options.Versions < 1 || options.Versions > MaxSheetVersions) {
    error = "Versions go from 1 to " + std::to_string(MaxSheetVersions) + ".";
    return false;
  }
  if (total * options.Versions > MaxSheetExercises) {
    error = "No more than " + std::to_string(MaxSheetExercises) + " exercises in all the versions.";
    return false;
  }
  if (options.Language < 0 || options.Language >= SheetLanguageCount) {
    error = "The language is en, ca or es.";
    return false;
  }

  Worksheet made;
  made.Seed = options.Seed ? *options.Seed : ClockSeed();
  made.Decimals = options.Decimals;
  made.Language = options.Language;
  made.Title = options.Title.empty() ? InSheetLanguage(SheetTexts::Title, options.Language) : options.Title;
  made.Instructions = options.Instructions;
  made.Working = options.Working;
  // One source for every version: each version goes on where the one before stopped.
  SeededSource source(made.Seed);
  for (int v = 0; v < options.Versions; ++v) {
    SheetVersion version;
    std::set<std::string> drawn;
    for (int k = 0; k < ExerciseKindCount; ++k) {
      const auto kind = static_cast<ExerciseKind>(k);
      for (int n = 0; n < options.Counts[static_cast<std::size_t>(k)]; ++n) {
        SheetExercise e;
        int draws = 0;
        while (!TryExercise(kind, source, options, e) || !drawn.insert(ExerciseKey(e)).second) {
          if (++draws == MaxDrawsPerExercise) {
            error = "No " + KindWord(kind) + " exercise can be drawn from " + std::to_string(options.RandomLow) +
                    " to " + std::to_string(options.RandomHigh) + " that the sheet does not have already.";
            return false;
          }
        }
        version.Exercises.push_back(std::move(e));
      }
    }
    made.Versions.push_back(std::move(version));
  }
  sheet = std::move(made);
  return true;
}

