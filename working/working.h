// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "calc/calculations.h"
#include "calc/problem.h"
#include "core/cplx.h"

// The working of a calculation: how a student gets from the operands to the result, one step a
// line, written the way a textbook writes it with this calculation's numbers ("z₁ = 3 + 4i",
// "r = √(3² + 4²) = 5", "(3 + 4i)·(1 − 2i) = 3 − 6i + 4i − 8i² = 11 − 2i").
//
// How a caller uses it (the working window, the exercise window, a worksheet's answer key):
//
//   const Working w = BinaryWorking(CalcBinary(z1, z2), decimals, WorkingLanguage::Catalan);
//   const Working p = PowerWorking(CalcPower(base, n), decimals, language);      // may throw
//   const Working r = RootsWorking(CalcRoots(radicand, index), decimals, language);
//   const Working c = CombinedWorking("a*b+c'", {a, b, c}, decimals, language);  // letters a, b, c...
//   std::string text = WorkingPlain(w);   // lines joined with "\n": "i^2", "sqrt" where needed
//   std::string html = WorkingHtml(w);    // <sub>/<sup>, headings in bold, for Qt rich text
//
// Numbers are written with `decimals` decimals by TextbookCart, TextbookPolar and TextbookReal;
// arguments are in degrees; the calculation's own values are never changed, only explained.
// Nothing here throws on a record that a Calc… function made.

// The language of the working, in the order of the program's language index (0, 1, 2).
enum class WorkingLanguage { English = 0, Catalan = 1, Spanish = 2 };
// The language of an index; anything else than 1 or 2 is English.
WorkingLanguage WorkingLanguageOf(int index);

// Where a run of text sits on its line.
enum class Script { Normal, Sub, Super };

struct WorkingRun {
  std::string Text;  // UTF-8
  Script Place = Script::Normal;
};

// One line of the working: a heading ("Quotient") or a step.
struct WorkingLine {
  std::vector<WorkingRun> Runs;
  bool Heading = false;
};

using Working = std::vector<WorkingLine>;

// Both operands, then Z1 + Z2, Z1 − Z2, Z1 · Z2 and Z1 ÷ Z2, each under its heading; a quotient by
// zero explains why it does not exist.
Working BinaryWorking(const BinaryCalc& calc, int decimals, WorkingLanguage language);
// The operands and one operation only (OpAdd … OpDivide): a worksheet exercise of one operation.
Working BinaryOpWorking(const BinaryCalc& calc, OpCode op, int decimals, WorkingLanguage language);
// The base, de Moivre with rⁿ and nθ worked out, the result in its other forms.
Working PowerWorking(const PowerCalc& calc, int decimals, WorkingLanguage language);
// The radicand, ⁿ√r, θₖ = (θ + 360°·k)/n and every root in both forms.
Working RootsWorking(const RootsCalc& calc, int decimals, WorkingLanguage language);
// The formula in the order it is grouped when read, one named intermediate a line (t₁, t₂, …),
// each product, quotient and power with its short working. letters[0] is a, letters[1] b, and so
// on. A formula that cannot be read or evaluated gets a working that says so.
Working CombinedWorking(const std::string& formula, const std::vector<Cplx>& letters, int decimals,
                        WorkingLanguage language);
Working CombinedWorking(const CombinedCalc& calc, int decimals, WorkingLanguage language);

// The working of a panel's last calculation: what the panels' Working buttons and the exercise
// window show.
Working WorkingOf(ProblemKind kind, const LastCalculations& last, int decimals, WorkingLanguage language);

// One line as plain text: superscripts and subscripts as Unicode characters where every
// character has one ("r²", "θₖ"), otherwise written out ("e^(iπ/4)", "r^0.5", "z_k").
std::string LinePlain(const WorkingLine& line);
// The whole working as plain text, one line a line, joined with "\n".
std::string WorkingPlain(const Working& working);
// The whole working as HTML for Qt rich text: one paragraph a line, headings in bold. What
// Unicode can raise or lower is written as in LinePlain; the rest with <sup>/<sub>, and the
// "^(…)" around it is kept in the text in invisible type, so the text's plain form reads as
// LinePlain does.
std::string WorkingHtml(const Working& working);
