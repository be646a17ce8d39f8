// SPDX-License-Identifier: MIT
#include "text/formula_text.h"

int OperatorClass(std::string_view c) { return c.size() == 1 ? OperatorClass(c.front()) : -1; }

std::string StripParens(std::string_view text) {
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    return std::string(text.substr(1, text.size() - 2));
  }
  return std::string(text);
}
