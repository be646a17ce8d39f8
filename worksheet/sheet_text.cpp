// SPDX-License-Identifier: MIT
#include "worksheet/sheet_text.h"

#include <cctype>
#include <cmath>

#include "calc/complex_store.h"
#include "text/format_real.h"
#include "text/textbook_text.h"
#include "working/steps.h"
#include "working/working.h"

namespace {

const char* const CrLf = "\r\n";

namespace Statements {
inline constexpr SheetWords Binary = {
    "If z\u2081 = %1 and z\u2082 = %2, calculate z\u2081 + z\u2082, z\u2081 \u2212 z\u2082, z\u2081 \u00b7 z\u2082 and "
    "z\u2081 \u00f7 z\u2082.",
    "Si z\u2081 = %1 i z\u2082 = %2, calculeu z\u2081 + z\u2082, z\u2081 \u2212 z\u2082, z\u2081 \u00b7 z\u2082 i "
    "z\u2081 \u00f7 z\u2082.",
    "Si z\u2081 = %1 y z\u2082 = %2, calcula z\u2081 + z\u2082, z\u2081 \u2212 z\u2082, z\u2081 \u00b7 z\u2082 y "
    "z\u2081 \u00f7 z\u2082."};
inline constexpr SheetWords Power = {"Calculate %1 for z = %2.", "Calculeu %1 per a z = %2.",
                                     "Calcula %1 para z = %2."};
inline constexpr SheetWords Roots = {"Find all the roots of index %1 of z = %2.",
                                     "Trobeu totes les arrels d'\u00edndex %1 de z = %2.",
                                     "Halla todas las ra\u00edces de \u00edndice %1 de z = %2."};
inline constexpr SheetWords Combined = {"Calculate %1 if %2.", "Calculeu %1 si %2.", "Calcula %1 si %2."};
inline constexpr SheetWords ToPolar = {"Write z = %1 in polar form.", "Escriviu z = %1 en forma polar.",
                                       "Escribe z = %1 en forma polar."};
inline constexpr SheetWords ToCart = {"Write z = %1 in cartesian form.", "Escriviu z = %1 en forma bin\u00f2mica.",
                                      "Escribe z = %1 en forma bin\u00f3mica."};
inline constexpr SheetWords And = {" and ", " i ", " y "};
}  // namespace Statements

// `format` with %1, %2, ... replaced by the arguments in order.
std::string Fill(const std::string& format, const std::vector<std::string>& arguments) {
  std::string text;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
      const auto k = static_cast<std::size_t>(format[i + 1] - '1');
      if (k < arguments.size()) text += arguments[k];
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

// Operands are whole numbers, or whole moduli and arguments: no decimals show.
std::string Operand(const Cplx& z, bool polar) { return polar ? TextbookPolar(z, 2) : TextbookCart(z, 2); }

double PrincipalArg(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a <= -180) a += 360;
  if (a > 180) a -= 360;
  return a;
}

std::string PolarAnswer(const Cplx& z, int decimals) {
  const std::string held = TextbookPolar(z, decimals);
  Cplx principal = z;
  principal.Arg = PrincipalArg(z.Arg);
  const std::string reduced = TextbookPolar(principal, decimals);
  return reduced == held ? held : held + " = " + reduced;
}

const char* const BinaryLabels[4] = {"z\u2081 + z\u2082", "z\u2081 \u2212 z\u2082", "z\u2081 \u00b7 z\u2082",
                                     "z\u2081 \u00f7 z\u2082"};

std::string Numbered(std::size_t index) { return std::to_string(index + 1) + ". "; }

}  // namespace

std::string InSheetLanguage(const SheetWords& words, int language) {
  return words[static_cast<std::size_t>(language >= 0 && language < SheetLanguageCount ? language : 0)];
}

std::string VersionLabel(const Worksheet& sheet, std::size_t version) {
  if (sheet.Versions.size() < 2) return {};
  return InSheetLanguage(SheetTexts::Version, sheet.Language) + " " + std::string(1, static_cast<char>('A' + version % 26)) +
         (version >= 26 ? std::to_string(version / 26 + 1) : std::string());
}

std::string AnswersHeading(const Worksheet& sheet, std::size_t version) {
  const std::string answers = InSheetLanguage(SheetTexts::Answers, sheet.Language);
  return sheet.Versions.size() < 2 ? answers : answers + " \u00b7 " + VersionLabel(sheet, version);
}

std::string Superscript(int n) {
  static const char* const digits[10] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                         "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
  std::string text = n < 0 ? "\u207b" : "";
  for (const char c : std::to_string(std::abs(n))) text += digits[c - '0'];
  return text;
}

std::string Subscript(int n) {
  std::string text = n < 0 ? "\u208b" : "";
  // The subscript digits follow each other from U+2080: E2 82 80 to E2 82 89.
  for (const char c : std::to_string(std::abs(n))) text += std::string{'\xe2', '\x82', static_cast<char>(0x80 + (c - '0'))};
  return text;
}

std::string TextbookFormula(const std::string& formula) {
  std::string text;
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    if (c == '^') {
      // An exponent is a whole number, alone or in parentheses with its sign.
      std::size_t j = i + 1;
      const bool grouped = j < formula.size() && formula[j] == '(';
      if (grouped) ++j;
      const std::size_t start = j;
      if (j < formula.size() && formula[j] == '-') ++j;
      while (j < formula.size() && std::isdigit(static_cast<unsigned char>(formula[j]))) ++j;
      text += Superscript(std::stoi(formula.substr(start, j - start)));
      i = grouped ? j : j - 1;
      continue;
    }
    switch (c) {
      case '*': text += "\u00b7"; break;
      case '/': text += " \u00f7 "; break;
      case '+': text += " + "; break;
      case '-': text += " \u2212 "; break;
      case '\'': text += "\u2032"; break;
      default: text += c;
    }
  }
  return text;
}

std::string StatementText(const SheetExercise& e, int language) {
  switch (e.Kind) {
    case ExerciseKind::Binary:
      return Fill(InSheetLanguage(Statements::Binary, language), {Operand(e.Operands[0], e.Polar), Operand(e.Operands[1], e.Polar)});
    case ExerciseKind::Power:
      return Fill(InSheetLanguage(Statements::Power, language), {"z" + Superscript(e.Exponent), Operand(e.Operands[0], false)});
    case ExerciseKind::Roots:
      return Fill(InSheetLanguage(Statements::Roots, language), {std::to_string(e.RootIndex), Operand(e.Operands[0], false)});
    case ExerciseKind::Combined: {
      // Each letter of the formula once, in the order the formula names them.
      std::string seen;
      for (const char c : LettersOf(e.Formula))
        if (seen.find(c) == std::string::npos) seen += c;
      std::string letters;
      for (std::size_t k = 0; k < seen.size(); ++k) {
        if (k > 0) letters += k + 1 == seen.size() ? InSheetLanguage(Statements::And, language) : ", ";
        letters += std::string(1, seen[k]) + " = " + Operand(e.Operands[static_cast<std::size_t>(seen[k] - 'a')], false);
      }
      return Fill(InSheetLanguage(Statements::Combined, language), {TextbookFormula(e.Formula), letters});
    }
    case ExerciseKind::Forms:
      return Fill(InSheetLanguage(e.Polar ? Statements::ToCart : Statements::ToPolar, language),
                  {Operand(e.Operands[0], e.Polar)});
  }
  return {};
}

std::vector<AnswerLine> AnswerLines(const SheetExercise& e, int decimals) {
  std::vector<AnswerLine> lines;
  for (std::size_t k = 0; k < e.Answers.size(); ++k) {
    std::string label;
    switch (e.Kind) {
      case ExerciseKind::Binary: label = BinaryLabels[k % 4]; break;
      case ExerciseKind::Power: label = "z" + Superscript(e.Exponent); break;
      case ExerciseKind::Roots: label = "w" + Subscript(static_cast<int>(k)); break;
      case ExerciseKind::Combined: label = TextbookFormula(e.Formula); break;
      case ExerciseKind::Forms: label = "z"; break;
    }
    lines.push_back({label, TextbookCart(e.Answers[k], decimals), PolarAnswer(e.Answers[k], decimals)});
  }
  return lines;
}

std::string AnswerLineText(const AnswerLine& line) { return line.Label + " = " + line.Cart + " = " + line.Polar; }

std::vector<WorkingStep> WorkingLines(const SheetExercise& e, int decimals, int language) {
  const WorkingLanguage lang = WorkingLanguageOf(language);
  Working working;
  try {
    switch (e.Kind) {
      case ExerciseKind::Binary: working = BinaryWorking(CalcBinary(e.Operands[0], e.Operands[1]), decimals, lang); break;
      case ExerciseKind::Power: working = PowerWorking(CalcPower(e.Operands[0], e.Exponent), decimals, lang); break;
      case ExerciseKind::Roots:
        working = RootsWorking(CalcRoots(e.Operands[0], static_cast<std::int16_t>(e.RootIndex)), decimals, lang);
        break;
      case ExerciseKind::Combined: working = CombinedWorking(e.Formula, e.Operands, decimals, lang); break;
      case ExerciseKind::Forms: {
        const Cplx& z = e.Operands[0];
        if (!e.Polar) {
          working_detail::OperandSteps(working, "z", z, working_detail::Style{decimals, lang});
          break;
        }
        // From the polar form: each part by its trigonometric ratio.
        const std::string r = TextbookReal(z.Mod, decimals);
        const std::string angle = TextbookReal(z.Arg, decimals) + "°";
        const auto step = [&working](const std::string& text) { working.push_back(WorkingLine{{{text}}, false}); };
        step("z = " + TextbookPolar(z, decimals));
        step("a = r·cos θ = " + r + "·cos " + angle + " = " + TextbookReal(z.Re, decimals));
        step("b = r·sin θ = " + r + "·sin " + angle + " = " + TextbookReal(z.Im, decimals));
        step("z = " + TextbookCart(z, decimals));
        break;
      }
    }
  } catch (const ArithmeticError&) {
    // A sheet's exercises all have answers; a working that cannot be written is left out.
    working.clear();
  }
  std::vector<WorkingStep> steps;
  for (const WorkingLine& line : working) steps.push_back({LinePlain(line), line.Heading});
  return steps;
}

std::string WorksheetText(const Worksheet& sheet) {
  std::string text;
  for (std::size_t v = 0; v < sheet.Versions.size(); ++v) {
    // The title with the version, as the page's heading holds them at its two ends.
    text += sheet.Title + (sheet.Versions.size() > 1 ? " \u00b7 " + VersionLabel(sheet, v) : std::string()) + CrLf;
    if (!sheet.Instructions.empty()) text += sheet.Instructions + CrLf;
    text += CrLf;
    const auto& exercises = sheet.Versions[v].Exercises;
    for (std::size_t i = 0; i < exercises.size(); ++i)
      text += Numbered(i) + StatementText(exercises[i], sheet.Language) + CrLf + CrLf;
  }
  for (std::size_t v = 0; v < sheet.Versions.size(); ++v) {
    text += AnswersHeading(sheet, v) + CrLf + CrLf;
    const auto& exercises = sheet.Versions[v].Exercises;
    for (std::size_t i = 0; i < exercises.size(); ++i) {
      const std::string number = Numbered(i);
      const std::string indent(number.size(), ' ');
      bool first = true;
      for (const AnswerLine& line : AnswerLines(exercises[i], sheet.Decimals)) {
        text += (first ? number : indent) + AnswerLineText(line) + CrLf;
        first = false;
      }
      if (sheet.Working)
        for (const WorkingStep& step : WorkingLines(exercises[i], sheet.Decimals, sheet.Language))
          text += indent + (step.Heading ? "" : "  ") + step.Text + CrLf;
      text += CrLf;
    }
  }
  return text;
}
