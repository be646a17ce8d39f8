// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/expr_error.h"

// A typed or pasted text with the characters of documents and of Zorbit's own worksheets written
// as the readers know them: "−" (U+2212) and "–" (U+2013) as "-", "×" and "·" as "*", "÷" as "/",
// "π" as "pi" and "º" (the ordinal sign) as "°". Every other byte is kept as it is.
class PlainText {
 public:
  explicit PlainText(std::string_view typed);

  const std::string& Text() const { return text_; }
  // Moves an error found in Text() onto the same characters of the typed text.
  void ToTyped(ExprError* error) const;

 private:
  std::size_t Typed(std::size_t k) const;

  std::string text_;
  // The typed offset of each byte of text_ and of its end; empty when nothing was replaced.
  std::vector<std::size_t> typed_;
};
