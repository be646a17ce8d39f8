// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The deepest recursion EvalReal goes to: each level is one parenthesis pair removed or one
// "+" or "-" split, so this is also the longest chain of "+" and "-" it reads (they group to the
// right); a chain of "*", "/" and "^" is read within one level. A text that needs more levels
// counts as unreadable and gives 0. The bound keeps the stack small and the work at most this
// many scans of the text, so even 100,000 characters of "(" or "1+1+1+..." return at once.
inline constexpr int MaxEvalRealDepth = 256;

// The value of a small real expression such as "3.14159265358979/4", "2*(-3)" or "1+2*3".
// The first "+" or "-" at top level splits (so -3 is 0-3 and 8-2-1 is 8-(2-1)); without one,
// the last "*", "/" or "^" splits (8/2/2 is 2, 2^3^2 is 64, 2*3^2 is 36). "(" drops the first
// and the last character; "x" reads as 0; anything else is its leading number. Unreadable text,
// division by zero and a power outside its domain give 0. A sum, difference, product or
// quotient beyond the double range throws ArithmeticError, as does a number that overflows.
double EvalReal(const std::string& s);

// The leading number of s: digits with at most one ".", then an optional exponent ("E", "e",
// "D" or "d" and digits). Blanks, tabs and line feeds inside it are skipped ("5 2" is 52);
// anything else ends it; no number gives 0. Signs are never part of it.
double LeadingNumber(std::string_view s);
