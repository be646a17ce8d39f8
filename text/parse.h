// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/cplx.h"
#include "text/notice.h"

// Reads one typed number: the first "," is a decimal comma, every "pi" becomes 3.14159265358979,
// and the rest is a small expression for EvalReal. value is always written. As EvalReal gives 0
// for text it cannot read, the value 0 counts only when the text is exactly "0": 0.0, 00, -0
// and 1-1 are rejected. A number or result beyond the double range is rejected with value 0.
bool ParseReal(const std::string& text, double& value);

// Reads an entry-box pair such as "3,4", "3 4", "5 , 53.1°" or "pi/4, 1 + 2". It splits at the
// first "," or, when there is none, at the first blank; the second part loses its surrounding
// blanks and its first "°". On failure notice shows "wrong expression" and pair is unchanged.
bool ParsePairEntry(const std::string& text, RealPair& pair, Notice& notice);
