// SPDX-License-Identifier: MIT
#pragma once

// The pieces of the real-expression reader that the number readers and the formula evaluator
// share. Positions are byte offsets.

#include <cstddef>
#include <string_view>

#include "text/expr_error.h"

// The number that starts at byte pos of s: digits with at most one decimal mark and at least one
// digit, then optionally "E", "e", "D" or "d", a sign and digits; the exponent letter belongs to
// the number only when digits follow it. A blank ends a number. With decimalComma a "," may stand
// for the "." (one mark in all).
struct NumberToken {
  double Value = 0;
  std::size_t End = 0;    // the byte after the number (after its last digit, not after blanks)
  bool TooLarge = false;  // beyond the double range; Value is then 0
};
bool ScanNumber(std::string_view s, std::size_t pos, bool decimalComma, NumberToken& token);

// The end of an exponent part "e5", "E-3", "d+2" that starts with the letter at byte pos of s,
// blanks between its pieces passed over; npos when no digit follows the letter and its sign.
std::size_t ExponentEnd(std::string_view s, std::size_t pos);

// The advice for "2**3": the left operand and what follows the "**", as typed.
std::string PowerAdvice(std::string_view left, std::string_view rest);

// a to the power b for real numbers, or the reason it has no value: nullptr when result holds it.
const char* RealPowerFault(double a, double b, double& result);

// EvalReal of text with the levels already used by an enclosing formula counted in depth.
// typed is the user's text that text was made from by replacing each "pi" with
// "3.14159265358979" and one "," with "."; positions and quotes in the error refer to typed.
bool EvalRealTyped(std::string_view text, std::string_view typed, int depth, double& value,
                   ExprError* error);

// ParseReal of text, with the levels already used by an enclosing formula counted in depth.
bool ParseRealNested(std::string_view text, int depth, double& value, ExprError* error);
