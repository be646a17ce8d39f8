// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

#include "worksheet/worksheet.h"

// The words of a worksheet in its three languages, and the texts of its exercises and answers,
// numbers written as a textbook writes them ("4 − i", "5∠53.13°"). The PDF, the print and the
// text form all take their words from here, so they say the same.

// A text in the sheet's languages (UTF-8): English, Catalan, Spanish.
using SheetWords = std::array<const char*, SheetLanguageCount>;

namespace SheetTexts {
inline constexpr SheetWords Title = {"Complex numbers", "Nombres complexos", "N\u00fameros complejos"};
inline constexpr SheetWords Answers = {"Answers", "Solucions", "Soluciones"};
inline constexpr SheetWords Version = {"Version", "Versi\u00f3", "Versi\u00f3n"};
inline constexpr SheetWords Name = {"Name:", "Nom:", "Nombre:"};
inline constexpr SheetWords Date = {"Date:", "Data:", "Fecha:"};
inline constexpr SheetWords Seed = {"seed", "llavor", "semilla"};
// "Page 1 of 4": %1 the page, %2 the pages.
inline constexpr SheetWords Page = {"Page %1 of %2", "P\u00e0gina %1 de %2", "P\u00e1gina %1 de %2"};
}  // namespace SheetTexts

// The entry of `words` in `language`.
std::string InSheetLanguage(const SheetWords& words, int language);

// "Version A" for version 0, and so on; "" when the sheet has one version.
std::string VersionLabel(const Worksheet& sheet, std::size_t version);
// "Answers", or "Answers · Version B" when the sheet has several versions.
std::string AnswersHeading(const Worksheet& sheet, std::size_t version);

// The statement of an exercise in a language: "If z₁ = 3 + 2i and z₂ = −1 + 4i, calculate ...".
std::string StatementText(const SheetExercise& exercise, int language);

// One line of an answer: what is computed ("z₁ · z₂", "z³", "w₂", "a·b + c′", "z"), the value in
// cartesian form, and in polar form; an argument the program keeps unreduced is followed by its
// principal value: "6.32∠291.4° = 6.32∠−68.6°".
struct AnswerLine {
  std::string Label;
  std::string Cart;
  std::string Polar;
};
std::vector<AnswerLine> AnswerLines(const SheetExercise& exercise, int decimals);
// "z₁ + z₂ = 2 + 6i = 6.32∠71.57°".
std::string AnswerLineText(const AnswerLine& line);

// The working of an exercise, one step a line, in a language, under its answer in the key:
// headings ("Quotient") and steps, superscripts and subscripts as Unicode characters.
struct WorkingStep {
  std::string Text;
  bool Heading = false;
};
std::vector<WorkingStep> WorkingLines(const SheetExercise& exercise, int decimals, int language);

// A formula as the formula box reads it ("(a+b)^2/c", "a^(-1)+b", "a*b+c'") as a textbook
// writes it: "(a + b)² ÷ c", "a⁻¹ + b", "a·b + c′".
std::string TextbookFormula(const std::string& formula);
// A whole number in superscript ("⁻²") and in subscript ("₁").
std::string Superscript(int n);
std::string Subscript(int n);

// The sheet as text (UTF-8, CR LF): every version's title, instructions, label and numbered
// statements, then every version's answer key, the working under each answer when asked for.
std::string WorksheetText(const Worksheet& sheet);
