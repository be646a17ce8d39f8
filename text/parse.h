// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/cplx.h"
#include "text/expr_error.h"
#include "text/notice.h"

// Reads one typed number: the first "," is a decimal comma, every "pi" becomes 3.14159265358979,
// and the rest must be a real expression as EvalReal reads it. It succeeds exactly when that
// expression has a value, so 0, 0.0, -0 and 1-1 are all 0. A "pi" that touches a number
// ("2pi", "pi2", "pie5") is refused rather than read as run-together digits. value is always
// written, 0 on failure; error, when given, says why, with positions in text as typed.
bool ParseReal(const std::string& text, double& value, ExprError* error = nullptr);

// Reads an entry-box pair such as "3,4", "3 4", "5 , 53.1°" or "pi/4, 1 + 2". It splits at the
// first "," or, when there is none, at the first blank; the second part loses its surrounding
// blanks and its first "°"; each part is then read by ParseReal. On failure notice shows
// "wrong expression", pair is unchanged and error, when given, names the cause and its place in
// text.
bool ParsePairEntry(const std::string& text, RealPair& pair, Notice& notice,
                    ExprError* error = nullptr);

// Reads the cartesian entry box: a pair as ParsePairEntry reads it, or a complex written as the
// program writes it, "3+4i", "2.5-0.5i", "-i", "1e-5+2i", "pi+2i", blanks allowed. A text whose
// last character other than a blank is an "i" that is not the end of "pi" is the a+bi form;
// every other text is a pair. In the a+bi form the imaginary part is the last "+" or "-" term
// outside parentheses, up to the "i" (a sign alone is 1); what stands before it is the real
// part. A "," may only be a decimal comma between two digits there ("2,5-0,5i"). Both parts are
// read by ParseReal. Failure is reported as ParsePairEntry reports it.
bool ParseCartEntry(const std::string& text, RealPair& pair, Notice& notice,
                    ExprError* error = nullptr);

// The same two readers without a notice, for callers that show the message themselves.
bool ReadPairEntry(const std::string& text, RealPair& pair, ExprError* error = nullptr);
bool ReadCartEntry(const std::string& text, RealPair& pair, ExprError* error = nullptr);
