// SPDX-License-Identifier: MIT
#include "calc/complex_store.h"

std::string LetterOf(int k) {
  if (k < 0 || k > 64) return {};
  const int code = 96 + k;
  if (code < 0x80) return std::string(1, static_cast<char>(code));
  // Codes from 128 on (slots 32 to 64) are written as the characters they name, in UTF-8.
  return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

std::string LettersOf(const std::string& text) {
  std::string letters;
  for (const char c : text) {
    if (c >= 'a' && c <= 'z') {
      letters += c;
    } else if (c >= 'A' && c <= 'Z') {
      letters += static_cast<char>(c - 'A' + 'a');
    }
  }
  return letters;
}
