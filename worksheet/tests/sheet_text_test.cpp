// SPDX-License-Identifier: MIT
#include "worksheet/sheet_text.h"

#include <gtest/gtest.h>

#include "core/power_root.h"

namespace {

SheetExercise Exercise(ExerciseKind kind, std::vector<Cplx> operands, std::vector<Cplx> answers) {
  SheetExercise e;
  e.Kind = kind;
  e.Operands = std::move(operands);
  e.Answers = std::move(answers);
  return e;
}

SheetExercise BinaryOf(const Cplx& z1, const Cplx& z2) {
  std::vector<Cplx> results;
  for (OpCode op = 0; op < 4; ++op) results.push_back(CplxOp(op, z1, z2));
  return Exercise(ExerciseKind::Binary, {z1, z2}, results);
}

std::vector<std::string> Lines(const SheetExercise& e) {
  std::vector<std::string> lines;
  for (const AnswerLine& line : AnswerLines(e, 2)) lines.push_back(AnswerLineText(line));
  return lines;
}

}  // namespace

TEST(SheetText, StatementsAndAnswersReadAsATextbookWritesThem) {
  const SheetExercise binary = BinaryOf(MakeCplx(4, -1), MakeCplx(-3, 0));
  EXPECT_EQ(StatementText(binary, 0),
            "If z₁ = 4 − i and z₂ = −3, calculate z₁ + z₂, z₁ − z₂, z₁ · z₂ and z₁ ÷ z₂.");
  EXPECT_EQ(StatementText(binary, 1), "Si z₁ = 4 − i i z₂ = −3, calculeu z₁ + z₂, z₁ − z₂, z₁ · z₂ i z₁ ÷ z₂.");
  EXPECT_EQ(StatementText(binary, 2), "Si z₁ = 4 − i y z₂ = −3, calcula z₁ + z₂, z₁ − z₂, z₁ · z₂ y z₁ ÷ z₂.");
  // The quotient keeps the argument -14.04° - 180°; the key gives its principal value too.
  EXPECT_EQ(Lines(binary), (std::vector<std::string>{"z₁ + z₂ = 1 − i = 1.41∠−45°", "z₁ − z₂ = 7 − i = 7.07∠−8.13°",
                                                     "z₁ · z₂ = −12 + 3i = 12.37∠165.96°",
                                                     "z₁ ÷ z₂ = −1.33 + 0.33i = 1.37∠−194.04° = 1.37∠165.96°"}));

  SheetExercise polar = BinaryOf(MakePolarCplx(3, 45), MakePolarCplx(2, -120));
  polar.Polar = true;
  EXPECT_EQ(StatementText(polar, 0).rfind("If z₁ = 3∠45° and z₂ = 2∠−120°, calculate", 0), 0u);

  SheetExercise power = Exercise(ExerciseKind::Power, {MakeCplx(0, -2)}, {CplxPower(MakeCplx(0, -2), -1)});
  power.Exponent = -1;
  EXPECT_EQ(StatementText(power, 0), "Calculate z⁻¹ for z = −2i.");
  EXPECT_EQ(StatementText(power, 2), "Calcula z⁻¹ para z = −2i.");
  EXPECT_EQ(Lines(power), std::vector<std::string>{"z⁻¹ = 0.5i = 0.5∠90°"});

  SheetExercise roots = Exercise(ExerciseKind::Roots, {MakeCplx(0, 8)}, AllRoots(MakeCplx(0, 8), 3));
  roots.RootIndex = 3;
  EXPECT_EQ(StatementText(roots, 0), "Find all the roots of index 3 of z = 8i.");
  EXPECT_EQ(StatementText(roots, 1), "Trobeu totes les arrels d'índex 3 de z = 8i.");
  EXPECT_EQ(Lines(roots), (std::vector<std::string>{"w₀ = 1.73 + i = 2∠30°", "w₁ = −1.73 + i = 2∠150°",
                                                    "w₂ = −2i = 2∠270° = 2∠−90°"}));

  SheetExercise combined = Exercise(ExerciseKind::Combined, {MakeCplx(1, 0), MakeCplx(0, 1), MakeCplx(-1, 1)},
                                    {MakeCplx(1, -1)});
  combined.Formula = "(a+b)/(a-c)";
  EXPECT_EQ(StatementText(combined, 0), "Calculate (a + b) ÷ (a − c) if a = 1, b = i and c = −1 + i.");
  combined.Formula = "a^(-1)+b";
  EXPECT_EQ(StatementText(combined, 2), "Calcula a⁻¹ + b si a = 1 y b = i.");
  EXPECT_EQ(Lines(combined), std::vector<std::string>{"a⁻¹ + b = 1 − i = 1.41∠−45°"});

  SheetExercise toCart = Exercise(ExerciseKind::Forms, {MakePolarCplx(4, 150)}, {MakePolarCplx(4, 150)});
  toCart.Polar = true;
  EXPECT_EQ(StatementText(toCart, 0), "Write z = 4∠150° in cartesian form.");
  EXPECT_EQ(StatementText(toCart, 2), "Escribe z = 4∠150° en forma binómica.");
  EXPECT_EQ(Lines(toCart), std::vector<std::string>{"z = −3.46 + 2i = 4∠150°"});
  const SheetExercise toPolar = Exercise(ExerciseKind::Forms, {MakeCplx(-2, 2)}, {MakeCplx(-2, 2)});
  EXPECT_EQ(StatementText(toPolar, 1), "Escriviu z = −2 + 2i en forma polar.");
}

TEST(SheetText, FormulasAndIndicesAreSetAsInPrint) {
  EXPECT_EQ(TextbookFormula("a*b+c'"), "a·b + c′");
  EXPECT_EQ(TextbookFormula("(a+b)^2/c"), "(a + b)² ÷ c");
  EXPECT_EQ(TextbookFormula("a^3-b"), "a³ − b");
  EXPECT_EQ(Superscript(-3), "⁻³");
  EXPECT_EQ(Subscript(12), "₁₂");
}

TEST(SheetText, TheTextFormGivesEachVersionItsSheetThenEachItsLabelledKey) {
  Worksheet sheet;
  sheet.Language = 1;
  sheet.Title = "Mix";
  sheet.Instructions = "Show your work.";
  SheetExercise toCart = Exercise(ExerciseKind::Forms, {MakePolarCplx(4, 150)}, {MakePolarCplx(4, 150)});
  toCart.Polar = true;
  sheet.Versions = {{{Exercise(ExerciseKind::Forms, {MakeCplx(-2, 2)}, {MakeCplx(-2, 2)})}}, {{toCart}}};
  EXPECT_EQ(WorksheetText(sheet),
            "Mix · Versió A\r\nShow your work.\r\n\r\n1. Escriviu z = −2 + 2i en forma polar.\r\n\r\n"
            "Mix · Versió B\r\nShow your work.\r\n\r\n1. Escriviu z = 4∠150° en forma binòmica.\r\n\r\n"
            "Solucions · Versió A\r\n\r\n1. z = −2 + 2i = 2.83∠135°\r\n\r\n"
            "Solucions · Versió B\r\n\r\n1. z = −3.46 + 2i = 4∠150°\r\n\r\n");
}
