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
#include "worksheet/sheet_text.h"

#include "platform/testing/complex_values.h"
#include "platform/testing/store_of.h"

namespace {

WorksheetOptions Seeded(std::uint64_t seed, std::array<int, ExerciseKindCount> counts = {5, 5, 5, 5, 5}) {
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
  const std::array<int, ExerciseKindCount> counts = {3, 0, 4, 2, 1};
  const Worksheet sheet = Make(Seeded(7, counts));
  ASSERT_EQ(sheet.Versions.at(0).Exercises.size(), 10u);
  std::array<int, ExerciseKindCount> seen{};
  int last = 0;
  for (const SheetExercise& e : sheet.Versions[0].Exercises) {
    const int k = static_cast<int>(e.Kind);
    EXPECT_GE(k, last) << "kinds come in order";
    last = k;
    ++seen[static_cast<std::size_t>(k)];
  }
  EXPECT_EQ(seen, counts);
}

TEST(WorksheetGenerator, EveryAnswerIsWhatThePanelsComputeForTheSameOperands) {
  WorksheetOptions options = Seeded(99, {40, 40, 40, 40, 40});
  options.PolarOperands = true;
  const Worksheet sheet = Make(options);
  for (const SheetExercise& e : sheet.Versions[0].Exercises) {
    const std::string what = StatementText(e, 0);
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
      case ExerciseKind::Forms: ExpectSameCplx(e.Answers.at(0), e.Operands.at(0), what); break;
    }
  }
}

TEST(WorksheetGenerator, TenThousandRandomSheetsHoldNoDegenerateOrRepeatedExercise) {
  std::mt19937 pick(2024);
  std::set<int> exponents;
  std::set<int> indices;
  for (int n = 0; n < 10000; ++n) {
    WorksheetOptions options = Seeded(static_cast<std::uint64_t>(n));
    for (int& c : options.Counts) c = static_cast<int>(pick() % 3);
    // Small ranges draw 0, equal operands and repeats often; every one must be drawn again.
    options.RandomLow = -static_cast<int>(pick() % 4);
    options.RandomHigh = 1 + static_cast<int>(pick() % 6);
    options.PolarOperands = pick() % 2 == 1;
    options.Versions = 1 + static_cast<int>(pick() % 2);
    Worksheet sheet;
    std::string error;
    ASSERT_TRUE(MakeWorksheet(options, sheet, error)) << n << ": " << error;
    for (const SheetVersion& version : sheet.Versions) {
      std::set<std::string> statements;
      for (const SheetExercise& e : version.Exercises) {
        const std::string what = std::to_string(n) + ": " + StatementText(e, 0);
        ASSERT_TRUE(statements.insert(what).second) << "repeated: " << what;
        for (const Cplx& z : e.Operands) ASSERT_GT(z.Mod, 0) << what;
        for (const Cplx& z : e.Answers) ASSERT_TRUE(std::isfinite(z.Mod) && std::isfinite(z.Re) && std::isfinite(z.Im)) << what;
        // No two operands of a binary or combined exercise are equal.
        for (std::size_t i = 0; i < e.Operands.size(); ++i)
          for (std::size_t j = 0; j < i; ++j)
            ASSERT_FALSE(e.Operands[i].Mod == e.Operands[j].Mod && e.Operands[i].Arg == e.Operands[j].Arg) << what;
        if (e.Kind == ExerciseKind::Power) exponents.insert(e.Exponent);
        if (e.Kind == ExerciseKind::Roots) indices.insert(e.RootIndex);
      }
    }
  }
  EXPECT_EQ(exponents, (std::set<int>{-3, -2, -1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(indices, (std::set<int>{2, 3, 4, 5, 6}));
}

TEST(WorksheetGenerator, DrawsBothEndsOfTheRangeAndNothingBeyond) {
  WorksheetOptions options = Seeded(11, {200, 0, 0, 0, 0});
  options.RandomLow = -2;
  options.RandomHigh = 3;
  std::set<double> parts;
  const Worksheet sheet = Make(options);
  for (const SheetExercise& e : sheet.Versions[0].Exercises) {
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
      {"a'/b", div(Conjugate(a), b)},
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

TEST(WorksheetOptions, RefusesWhatCannotMakeASheet) {
  struct Case {
    const char* what;
    std::function<void(WorksheetOptions&)> change;
  };
  const Case cases[] = {
      {"negative count", [](WorksheetOptions& o) { o.Counts[1] = -1; }},
      {"too many", [](WorksheetOptions& o) { o.Counts = {MaxSheetExercises, 1, 0, 0, 0}; }},
      {"too many in all the versions", [](WorksheetOptions& o) { o.Counts = {1000, 0, 0, 0, 0}; o.Versions = 11; }},
      {"no version", [](WorksheetOptions& o) { o.Versions = 0; }},
      {"61 versions", [](WorksheetOptions& o) { o.Versions = MaxSheetVersions + 1; }},
      {"a fourth language", [](WorksheetOptions& o) { o.Language = 3; }},
      {"no decimals", [](WorksheetOptions& o) { o.Decimals = 0; }},
      {"ten decimals", [](WorksheetOptions& o) { o.Decimals = 10; }},
      {"upside-down range", [](WorksheetOptions& o) { o.RandomLow = 4; o.RandomHigh = 3; }},
      {"huge range", [](WorksheetOptions& o) { o.RandomHigh = MaxSheetRandomPart + 1; }},
      // Every operand is 0.
      {"binary from 0 to 0", [](WorksheetOptions& o) { o.Counts = {1, 0, 0, 0, 0}; o.RandomLow = o.RandomHigh = 0; }},
      {"power from 0 to 0", [](WorksheetOptions& o) { o.Counts = {0, 1, 0, 0, 0}; o.RandomLow = o.RandomHigh = 0; }},
      {"forms from 0 to 0", [](WorksheetOptions& o) { o.Counts = {0, 0, 0, 0, 1}; o.RandomLow = o.RandomHigh = 0; }},
      // 0 to 1 gives the operands 1, i and 1 + i: six ordered pairs that differ, never seven.
      {"more binary exercises than there are", [](WorksheetOptions& o) { o.Counts = {7, 0, 0, 0, 0}; o.RandomLow = 0; o.RandomHigh = 1; }},
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
}

TEST(WorksheetOptions, SpreadsATotalEvenlyOverTheKindsThatAreOn) {
  EXPECT_EQ(SpreadCounts(20, {true, true, true, true, true}), (std::array<int, 5>{4, 4, 4, 4, 4}));
  EXPECT_EQ(SpreadCounts(7, {true, false, true, false, false}), (std::array<int, 5>{4, 0, 3, 0, 0}));
  EXPECT_EQ(SpreadCounts(6, {true, true, true, true, false}), (std::array<int, 5>{2, 2, 1, 1, 0}));
  EXPECT_EQ(SpreadCounts(3, {false, false, false, false, true}), (std::array<int, 5>{0, 0, 0, 0, 3}));
  EXPECT_EQ(SpreadCounts(5, {false, false, false, false, false}), (std::array<int, 5>{0, 0, 0, 0, 0}));
  EXPECT_EQ(KindFromWord("roots"), ExerciseKind::Roots);
  EXPECT_EQ(KindWord(ExerciseKind::Combined), "combined");
  EXPECT_EQ(KindFromWord("forms"), ExerciseKind::Forms);
  EXPECT_FALSE(KindFromWord("Roots").has_value());
}
