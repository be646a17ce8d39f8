// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Why a typed number, pair or formula could not be read, in words a student understands
// ("unexpected “abc” after 3", "missing “)”", "division by zero"), and the part of the text
// that is at fault. Start and Length are byte offsets into the UTF-8 text exactly as the user
// typed it (before "pi" or a decimal comma is replaced); Length 0 marks a place, such as the
// end of the text where something is missing.
struct ExprError {
  std::string Cause;
  std::size_t Start = 0;
  std::size_t Length = 0;
  // The text reads, but its value cannot be worked out ("division by zero", "number too large").
  // A fault in the text itself is always reported before such a one.
  bool Arithmetic = false;
};

// A piece of the user's text as it is quoted in a cause: between “ and ”, cut short with "…"
// when it is long, so that a pasted page never fills the message box.
std::string Quoted(std::string_view piece);

// The piece itself, cut short the same way but without the quotation marks.
std::string Shortened(std::string_view piece);

// Moves the error of a piece that starts at byte offset into the text around it.
void ShiftError(ExprError* error, std::size_t offset);
