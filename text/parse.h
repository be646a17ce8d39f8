// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/angle_unit.h"
#include "core/cplx.h"
#include "text/expr_error.h"
#include "text/notice.h"

// Every reader here first reads what people paste as the characters it stands for: "−" and "–"
// for "-", "×" and "·" for "*", "÷" for "/", "π" for "pi", "º" for "°" (PlainText). The places
// of an error always refer to the text as typed.

// Reads one typed number: the first "," is a decimal comma, every "pi" becomes 3.14159265358979,
// and the rest must be a real expression as EvalReal reads it (no blank inside a number). It
// succeeds exactly when that expression has a value, so 0, 0.0, -0 and 1-1 are all 0. A "pi"
// that touches a number ("2pi", "pi2", "pie5") is refused rather than read as run-together
// digits. value is always written, 0 on failure; error, when given, says why and what to type.
bool ParseReal(const std::string& text, double& value, ExprError* error = nullptr);

// Reads the polar box: modulus and argument, such as "5, 53.13", "5 , 53.1°", "5; 53,13",
// "5∠53.13°", "(5, 53.13)" or a row pasted from a spreadsheet, "5<tab>53,13".
//   - The two numbers are split at the first ";", else at a tab, else at "∠", else at the first
//     ",", else at the first blank. After ";", a tab or "∠" both numbers may have a decimal
//     comma; after "," a second "," is refused ("two “,” in a pair: write 3,5; 4 or 3.5, 4").
//     Blanks around the whole and one pair of brackets around it are passed over.
//   - The argument is read in unit and answered in degrees, which the store keeps: in Radians
//     "2, pi/4" gives (2, 45). A "°" after the argument says degrees and "rad" says radians
//     whatever the unit. In Degrees an argument that uses pi is refused with its value in
//     degrees and the advice to switch to radians; "53°8'" is refused with the decimal degrees.
// Each number is read by ParseReal. On failure pair is unchanged and error, when given, names
// the cause, what to type instead and its place in text; ParsePairEntry also shows
// "wrong expression" through notice.
bool ReadPairEntry(const std::string& text, RealPair& pair, ExprError* error = nullptr,
                   AngleUnit unit = AngleUnit::Degrees);
bool ParsePairEntry(const std::string& text, RealPair& pair, Notice& notice, ExprError* error = nullptr,
                    AngleUnit unit = AngleUnit::Degrees);

// Reads the cartesian box: the pair (real part, imaginary part) split as the polar box splits
// it, but without "∠"; a real alone, which is a+0i ("-8", "pi/2"); or a complex written as the
// program writes it, "3+4i", "2.5-0.5i", "-i", "1e-5+2i", "pi+2i", "3+4j", "3+4*i", blanks
// allowed. A text whose last character other than a blank is an "i" that is not the end of
// "pi", or a "j", is the a+bi form: the imaginary part is the last "+" or "-" term outside
// parentheses, up to the "i" (a sign alone is 1); what stands before it is the real part, and
// a "," may only be a decimal comma between two digits there ("2,5-0,5i"). An "i" elsewhere
// ("4i+3", "3+i4") and a "°" or "∠" (they belong to the polar box) are refused with what to type.
bool ReadCartEntry(const std::string& text, RealPair& pair, ExprError* error = nullptr);
