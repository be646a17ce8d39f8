// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/complex_store.h"
#include "core/cplx.h"
#include "text/expr_error.h"

// The deepest nesting a formula may have: each "(", each sign in front of an operand and each
// "^" counts as one level, and so do the levels of a parenthesised exponent. A deeper formula
// fails with "more than 256 nested levels"; chains such as a+a+a+... are read in a loop.
inline constexpr int MaxEvalCombinedDepth = 256;

// The value of a formula over the stored letters such as "a*b+c'", "(a+b)^2/c" or "a^(1/3)":
//
//   expr     := term (("+" | "-") term)*       left to right: a-b-c is (a-b)-c
//   term     := unary (("*" | "/") unary)*     left to right: a/b/c is (a/b)/c
//   unary    := ("+" | "-") unary | power      -a is 0-a
//   power    := postfix ("^" exponent)?
//   postfix  := atom "'"*                      the conjugate binds tightest: a'' is a
//   atom     := letter | number | "(" expr ")"
//   exponent := ("+" | "-") exponent | (number | "(" real expression ")") ("^" exponent)?
//
// Letters name the stored complexes in either case and must be no further than store.Count;
// a number is a real constant (0 is 0+0i); an exponent is real: a^-1, a^2^3 = a^8, a^1,5 and
// a^(1,5) = a^1.5, a^(pi) (inside the parentheses "pi" and a decimal comma are read as
// ParseReal reads them). There is no implicit product (2a, a'b fail) and no blank anywhere.
// Pasted "−", "–", "×", "·" and "÷" are read as "-", "-", "*", "*" and "/" (PlainText).
// "+", "-", "*", "/" are CplxOp, "^" CplxPower and "'" Conjugate. Any text or arithmetic
// failure answers false with z untouched; error, when given, says why, what to type instead and
// where (byte offsets into text). A fault of the text is reported before an arithmetic one,
// also when the arithmetic one lies inside a parenthesised exponent ("a^(1/0))").
bool EvalCombined(const std::string& text, const ComplexStore& store, Cplx& z,
                  ExprError* error = nullptr);
