// SPDX-License-Identifier: MIT
#include "text/formula_text.h"

int OperatorClass(std::string_view c) {
  if (c == "+" || c == "-") return 0;
  if (c == "*" || c == "/") return 1;
  if (c == "^") return 2;
  if (c == "'") return 3;
  return -1;
}

std::string StripParens(std::string_view text) {
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    return std::string(text.substr(1, text.size() - 2));
  }
  return std::string(text);
}
