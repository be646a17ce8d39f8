// SPDX-License-Identifier: MIT
#include "text/utf8.h"

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8CharSize(std::string_view s, std::size_t i) {
  if (i >= s.size()) return 0;
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t size = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
  }
  if (i + size > s.size()) return 1;
  for (std::size_t k = 1; k < size; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(s[i + k]))) return 1;
  }
  return size;
}

std::size_t Utf8Offset(std::string_view s, std::size_t p) {
  std::size_t offset = 0;
  for (std::size_t k = 1; k < p && offset < s.size(); ++k) offset += Utf8CharSize(s, offset);
  return offset;
}

std::size_t Utf8Position(std::string_view s, std::size_t offset) {
  std::size_t position = 1;
  for (std::size_t i = 0; i < offset && i < s.size(); i += Utf8CharSize(s, i)) ++position;
  return position;
}
