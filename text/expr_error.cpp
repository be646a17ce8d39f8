// SPDX-License-Identifier: MIT
#include "text/expr_error.h"

#include "text/utf8.h"

namespace {

constexpr std::size_t LongestQuote = 24;

}  // namespace

std::string Shortened(std::string_view piece) {
  if (piece.size() <= LongestQuote) return std::string(piece);
  std::size_t end = 0;
  while (end < piece.size()) {
    const std::size_t next = end + Utf8CharSize(piece, end);
    if (next > LongestQuote) break;
    end = next;
  }
  return std::string(piece.substr(0, end)) + "\u2026";
}

std::string Quoted(std::string_view piece) { return "\u201C" + Shortened(piece) + "\u201D"; }

void ShiftError(ExprError* error, std::size_t offset) {
  if (error != nullptr) error->Start += offset;
}
