// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The binding class of an operator of a combined formula: "+" and "-" 0, "*" and "/" 1, "^" 2,
// the conjugate "'" 3, any other text -1. A lower class binds more loosely and splits first.
int OperatorClass(std::string_view c);
inline int OperatorClass(char c) {
  switch (c) {
    case '+':
    case '-': return 0;
    case '*':
    case '/': return 1;
    case '^': return 2;
    case '\'': return 3;
    default: return -1;
  }
}

// text without its first and last character when it starts with "(" and ends with ")"
// (one level only); otherwise text unchanged.
std::string StripParens(std::string_view text);
