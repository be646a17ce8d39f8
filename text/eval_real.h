// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "text/expr_error.h"

// The deepest nesting a real expression may have: each "(", each sign in front of an operand
// and each "^" counts as one level. A deeper text fails with "more than 256 nested levels",
// which keeps the stack small whatever is pasted; chains such as 1+1+1+... are read in a loop
// and may be as long as they like.
inline constexpr int MaxEvalRealDepth = 256;

// The value of a small real expression such as "3.14159265358979/4", "2*-3" or "2^3^2", read
// with the usual rules:
//
//   expr  := term  (("+" | "-") term)*       left to right: 8-2-1 is 5
//   term  := unary (("*" | "/") unary)*      left to right: 8/2/2 is 2
//   unary := ("+" | "-") unary | power       -2^2 is -4, --1 is 1
//   power := atom ("^" unary)?               right to left: 2^3^2 is 512, 2^-1 is 0.5
//   atom  := number | "(" expr ")"
//
// A number is digits with at most one "." and at least one digit (".5", "5."), then optionally
// "E", "e", "D" or "d", a sign and digits (1e-5, 2.5E+3, 1d2). Blanks, tabs and line feeds may
// stand between numbers and operators, never inside a number: "1 000", "2 3", "0 .67" and
// "1 e5" are refused with the number to write instead ("a blank inside a number: write 1000"),
// as are "1e" ("digits missing after “e”: write 1e5") and "2**3" ("for a power write 2^3").
//
// The whole text must be such an expression: a stray character, an empty operand, an
// unbalanced parenthesis, a division by zero, a power outside its domain (a negative base with
// a fractional exponent, an exponent beyond ±10000, 0 to a negative power), a number or result
// beyond the double range and more than MaxEvalRealDepth levels all fail. On failure value is 0
// and error, when given, says why and where (byte offsets into text). A text error is reported
// before an arithmetic one, and the first of each kind from the left.
bool EvalReal(std::string_view text, double& value, ExprError* error = nullptr);
