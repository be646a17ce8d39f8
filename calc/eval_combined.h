// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/complex_store.h"
#include "core/cplx.h"

// The deepest recursion EvalCombined goes to: one level per split, so this is also the longest
// chain of "+" and "-" it reads (they group to the right); a chain of "*" and "/" is read within
// one level. A formula that needs more levels fails. The bound keeps the stack small and the
// work at most this many scans of the text, so even 100,000 characters of "a+a+a+..." return
// at once.
inline constexpr int MaxEvalCombinedDepth = 256;

// The value of a formula over the stored letters such as "a*b+c'", "(a+b)^2/c" or "a^(1/3)".
// It splits at the first top-level operator of the loosest class present ("+-", then "*/",
// then "^", then "'"), so chains group to the right: a-b-c is a-(b-c). After "^" the whole
// rest is a real exponent for ParseReal. A text without operators is a non-zero real constant
// or one store letter. Any arithmetic failure, a letter beyond store.Count, blanks, empty
// operands or unbalanced parentheses answer false; z is meaningful only on true.
bool EvalCombined(const std::string& text, const ComplexStore& store, Cplx& z);
