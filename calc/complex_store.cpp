// SPDX-License-Identifier: MIT
#include "calc/complex_store.h"

const Cplx& ComplexStore::At(int k) const {
  if (k < 0 || k >= SlotCount) return slots_[0];
  return slots_[static_cast<std::size_t>(k)];
}

int ComplexStore::Append(const Cplx& z) {
  if (!Fits(1)) return 0;
  ++count_;
  slots_[static_cast<std::size_t>(count_)] = z;
  return count_;
}

bool ComplexStore::Replace(int k, const Cplx& z) {
  if (!Holds(k)) return false;
  slots_[static_cast<std::size_t>(k)] = z;
  return true;
}

bool ComplexStore::Remove(int k) {
  if (!Holds(k)) return false;
  // The last slot keeps its value as a stale copy beyond the new count.
  for (int i = k; i < count_; ++i) slots_[static_cast<std::size_t>(i)] = slots_[static_cast<std::size_t>(i) + 1];
  --count_;
  return true;
}

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
