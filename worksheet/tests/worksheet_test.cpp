// SPDX-License-Identifier: MIT
#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "calc/complex_store.h"
#include "calc/eval_combined.h"
#include "core/power_root.h"
#include "text/complex_text.h"

#include "platform/testing/complex_values.h"
#include "platform/testing/store_of.h"

namespace {

WorksheetOptions Seeded(std::uint64_t seed, std::array<int, ExerciseKindCount> counts = {5, 5, 5, 5}) {
  WorksheetOptions options;
  options.Seed = seed;
  options.Counts = counts;
  return options;
}

Worksheet Make(const WorksheetOptions& options) {
  Worksheet sheet;
  std::string error;
  EXPECT_TRUE(MakeWorksheet(options, sheet, error)) << error;
  return sheet;
}

void ExpectSameCplx(const Cplx& got, const Cplx& want, const std::string& what) {
  EXPECT_EQ(got.Re, want.Re) << what;
  EXPECT_EQ(got.Im, want.Im) << what;
  EXPECT_EQ(got.Mod, want.Mod) << what;
  EXPECT_EQ(got.Arg, want.Arg) << what;
}

}  // namespace

TEST(WorksheetGenerator, TheSameSeedGivesTheSameSheetAndAnotherSeedAnother) {
  const Worksheet first = Make(Seeded(1234));
  const Worksheet again = Make(Seeded(1234));
  const Worksheet other = Make(Seeded(1235));
  EXPECT_EQ(first.Seed, 1234u);
  EXPECT_EQ(WorksheetText(first), WorksheetText(again));
  EXPECT_NE(WorksheetText(first), WorksheetText(other));
}

TEST(WorksheetGenerator, WithoutASeedItRecordsTheOneItTookSoTheSheetCanBeMadeAgain) {
  WorksheetOptions options;
  const Worksheet sheet = Make(options);
  options.Seed = sheet.Seed;
  EXPECT_EQ(WorksheetText(Make(options)), WorksheetText(sheet));
}

TEST(WorksheetGenerator, KeepsTheCountOfEachKindInKindOrder) {
  const std::array<int, ExerciseKindCount> counts = {3, 0, 4, 2};
  const Worksheet sheet = Make(Seeded(7, counts));
  ASSERT_EQ(sheet.Exercises.size(), 9u);
  std::array<int, ExerciseKindCount> seen{};
  int last = 0;
  for (const SheetExercise& e : sheet.Exercises) {
    const int k = static_cast<int>(e.Kind);
    EXPECT_GE(k, last) << "kinds come in order";
    last = k;
    ++seen[static_cast<std::size_t>(k)];
  }
  EXPECT_EQ(seen, counts);
}

TEST(WorksheetGenerator, EveryAnswerIsWhatThePanelsComputeForTheSameOperands) {
  const Worksheet sheet = Make(Seeded(99, {40, 40, 40, 40}));
  for (const SheetExercise& e : sheet.Exercises) {
    const std::string what = e.Text.Statement;
    switch (e.Kind) {
      case ExerciseKind::Binary:
        ASSERT_EQ(e.Answers.size(), 4u);
        for (OpCode op = 0; op < 4; ++op)
          ExpectSameCplx(e.Answers[static_cast<std::size_t>(op)], CplxOp(op, e.Operands[0], e.Operands[1]), what);
        break;
      case ExerciseKind::Power:
        ASSERT_EQ(e.Answers.size(), 1u);
        ExpectSameCplx(e.Answers[0], CplxPower(e.Operands[0], e.Exponent), what);
        break;
      case ExerciseKind::Roots: {
        double step = 0;
        const Cplx first = CplxRoot(e.Operands[0], static_cast<std::int16_t>(e.RootIndex), step);
        EXPECT_EQ(e.RootStep, step);
        ASSERT_EQ(e.Answers.size(), static_cast<std::size_t>(e.RootIndex));
        // The roots panel lists the roots from the principal one, each step further on.
        for (int k = 0; k < e.RootIndex; ++k) {
          Cplx root = first;
          root.Arg = first.Arg + k * step;
          SyncCplx(root, SyncFrom::Polar);
          ExpectSameCplx(e.Answers[static_cast<std::size_t>(k)], root, what);
        }
        break;
      }
      case ExerciseKind::Combined: {
        Cplx value;
        ASSERT_TRUE(EvalCombined(e.Formula, StoreOf(e.Operands), value)) << what;
        ExpectSameCplx(e.Answers[0], value, what);
        break;
      }
    }
  }
}

TEST(WorksheetGenerator, NoExerciseFailsAndEveryDrawStaysInItsLists) {
  WorksheetOptions options = Seeded(5, {60, 60, 60, 60});
  // A small range draws 0 + 0i often: divisors, radicands and bases of 0 must be drawn again.
  options.RandomLow = -1;
  options.RandomHigh = 1;
  const Worksheet sheet = Make(options);
  std::set<double> exponents;
  std::set<int> indices;
  for (const SheetExercise& e : sheet.Exercises) {
    EXPECT_FALSE(e.Text.Statement.empty());
    EXPECT_FALSE(e.Text.Answer.empty());
    for (const Cplx& z : e.Answers) EXPECT_TRUE(std::isfinite(z.Mod) && std::isfinite(z.Re) && std::isfinite(z.Im));
    for (const Cplx& z : e.Operands) {
      EXPECT_TRUE(z.Re >= -1 && z.Re <= 1 && z.Im >= -1 && z.Im <= 1) << e.Text.Statement;
      EXPECT_EQ(z.Re, std::trunc(z.Re));
    }
    if (e.Kind == ExerciseKind::Binary) {
      EXPECT_TRUE(e.Operands[1].Re != 0 || e.Operands[1].Im != 0);
    }
    if (e.Kind == ExerciseKind::Roots) {
      EXPECT_GT(e.Operands[0].Mod, 0);
      indices.insert(e.RootIndex);
    }
    if (e.Kind == ExerciseKind::Power) exponents.insert(e.Exponent);
  }
  EXPECT_EQ(exponents, (std::set<double>{2, 3, 0.5, -1}));
  EXPECT_EQ(indices, (std::set<int>{2, 3, 4, 5, 6}));
}

TEST(WorksheetGenerator, DrawsBothEndsOfTheRangeAndNothingBeyond) {
  WorksheetOptions options = Seeded(11, {200, 0, 0, 0});
  options.RandomLow = -2;
  options.RandomHigh = 3;
  std::set<double> parts;
  for (const SheetExercise& e : Make(options).Exercises) {
    for (const Cplx& z : e.Operands) parts.insert({z.Re, z.Im});
  }
  EXPECT_EQ(parts, (std::set<double>{-2, -1, 0, 1, 2, 3}));
}

TEST(WorksheetGenerator, DrawsIntegersAsTheEntryPanelsRandomGeneratorDoes) {
  const std::vector<double> script = {0.0, 0.999999, 0.5, 0.2, 0.73, 0.066, 0.9333};
  SetUniformSource(std::make_unique<ScriptedSource>(script));
  ScriptedSource mine(script);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(DrawInt(mine, -5, 9), RandomInt(-5, 9)) << i;
  SetUniformSource(nullptr);
}

TEST(WorksheetGenerator, EachCombinedFormulaMeansWhatItSaysWhateverTheGrouping) {
  // Every formula the sheet draws from, computed by hand with the core's operations.
  const Cplx a = MakeCplx(3, -2), b = MakeCplx(-1, 4), c = MakeCplx(2, 5);
  const auto add = [](const Cplx& x, const Cplx& y) { return CplxOp(OpAdd, x, y); };
  const auto sub = [](const Cplx& x, const Cplx& y) { return CplxOp(OpSubtract, x, y); };
  const auto mul = [](const Cplx& x, const Cplx& y) { return CplxOp(OpMultiply, x, y); };
  const auto div = [](const Cplx& x, const Cplx& y) { return CplxOp(OpDivide, x, y); };
  const std::map<std::string, Cplx> expected = {
      {"a*b+c'", add(mul(a, b), Conjugate(c))},
      {"(a+b)^2/c", div(CplxPower(add(a, b), 2), c)},
      {"a^(1/2)", CplxPower(a, 0.5)},
      {"a/b-c", sub(div(a, b), c)},
      {"(a-b)*c", mul(sub(a, b), c)},
      {"a'*b", mul(Conjugate(a), b)},
      {"(a+b)/(a-c)", div(add(a, b), sub(a, c))},
      {"a^2+b^2", add(CplxPower(a, 2), CplxPower(b, 2))},
      {"a^3-b", sub(CplxPower(a, 3), b)},
      {"(a*b)'", Conjugate(mul(a, b))},
      {"a^(-1)+b", add(CplxPower(a, -1), b)},
      {"(a-c)^2", CplxPower(sub(a, c), 2)},
  };
  ASSERT_EQ(SheetFormulas().size(), expected.size());
  for (const std::string& f : SheetFormulas()) {
    ASSERT_TRUE(expected.count(f)) << f;
    Cplx value;
    ASSERT_TRUE(EvalCombined(f, StoreOf({a, b, c}), value)) << f;
    EXPECT_NEAR(value.Re, expected.at(f).Re, 1e-9) << f;
    EXPECT_NEAR(value.Im, expected.at(f).Im, 1e-9) << f;
  }
}

TEST(WorksheetText, AnswersAsTheExerciseWindowDoes) {
  const Worksheet sheet = Make(Seeded(21, {2, 2, 2, 2}));
  for (const SheetExercise& e : sheet.Exercises) EXPECT_EQ(AnswerText(e, 2), e.Text.Answer) << e.Text.Statement;
}

// Numbered blocks closed by an empty line, CR LF line ends, the answers with the decimals asked for.
TEST(WorksheetText, NumbersTheExercisesAndWritesTheDecimalsAskedFor) {
  SheetExercise power;
  power.Kind = ExerciseKind::Power;
  power.Exponent = 2;
  power.Text.Statement = "Calculate Z^2";
  power.Answers = {MakeCplx(1.0 / 3, 0)};
  SheetExercise roots;
  roots.Kind = ExerciseKind::Roots;
  roots.Text.Statement = "Find the roots";
  roots.Answers = {MakeCplx(1, 0), MakeCplx(-1, 0)};
  Worksheet sheet;
  sheet.Decimals = 4;
  sheet.Exercises = {power, roots};
  EXPECT_EQ(WorksheetText(sheet),
            "1. Calculate Z^2\r\nR:      Z^2 = 0.3333+0i = 0.3333 , 0\u00b0\r\n\r\n"
            "2. Find the roots\r\nR:     \r\n1+0i = 1 , 0\u00b0\r\n-1+0i = 1 , 180\u00b0\r\n\r\n");
}

TEST(WorksheetOptions, RefusesWhatCannotMakeASheet) {
  struct Case {
    const char* what;
    std::function<void(WorksheetOptions&)> change;
  };
  const Case cases[] = {
      {"negative count", [](WorksheetOptions& o) { o.Counts[1] = -1; }},
      {"too many", [](WorksheetOptions& o) { o.Counts = {MaxSheetExercises, 1, 0, 0}; }},
      {"no decimals", [](WorksheetOptions& o) { o.Decimals = 0; }},
      {"ten decimals", [](WorksheetOptions& o) { o.Decimals = 10; }},
      {"upside-down range", [](WorksheetOptions& o) { o.RandomLow = 4; o.RandomHigh = 3; }},
      {"huge range", [](WorksheetOptions& o) { o.RandomHigh = MaxSheetRandomPart + 1; }},
      // Every divisor and every radicand is 0.
      {"binary from 0 to 0", [](WorksheetOptions& o) { o.Counts = {1, 0, 0, 0}; o.RandomLow = o.RandomHigh = 0; }},
      {"roots from 0 to 0", [](WorksheetOptions& o) { o.Counts = {0, 0, 1, 0}; o.RandomLow = o.RandomHigh = 0; }},
  };
  for (const Case& c : cases) {
    WorksheetOptions options = Seeded(1);
    c.change(options);
    Worksheet sheet;
    sheet.Seed = 77;
    std::string error;
    EXPECT_FALSE(MakeWorksheet(options, sheet, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_EQ(sheet.Seed, 77u) << c.what << ": a refused sheet is left alone";
  }
  // Powers of 0 to 2, 3 and 1/2 exist, so a power sheet from 0 to 0 is made.
  WorksheetOptions zeros = Seeded(1, {0, 3, 0, 0});
  zeros.RandomLow = zeros.RandomHigh = 0;
  EXPECT_EQ(Make(zeros).Exercises.size(), 3u);
}

TEST(WorksheetOptions, SpreadsATotalEvenlyOverTheKindsThatAreOn) {
  EXPECT_EQ(SpreadCounts(20, {true, true, true, true}), (std::array<int, 4>{5, 5, 5, 5}));
  EXPECT_EQ(SpreadCounts(7, {true, false, true, false}), (std::array<int, 4>{4, 0, 3, 0}));
  EXPECT_EQ(SpreadCounts(6, {true, true, true, true}), (std::array<int, 4>{2, 2, 1, 1}));
  EXPECT_EQ(SpreadCounts(3, {false, false, false, true}), (std::array<int, 4>{0, 0, 0, 3}));
  EXPECT_EQ(SpreadCounts(5, {false, false, false, false}), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(KindFromWord("roots"), ExerciseKind::Roots);
  EXPECT_EQ(KindWord(ExerciseKind::Combined), "combined");
  EXPECT_FALSE(KindFromWord("Roots").has_value());
}
