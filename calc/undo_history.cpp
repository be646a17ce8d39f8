// SPDX-License-Identifier: MIT
#include "calc/undo_history.h"

#include <bit>
#include <cstdint>

namespace {
bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }
}  // namespace

bool SameStoreContents::operator()(const StoreContents& a, const StoreContents& b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (!SameBits(a[k].Re, b[k].Re) || !SameBits(a[k].Im, b[k].Im) || !SameBits(a[k].Mod, b[k].Mod) ||
        !SameBits(a[k].Arg, b[k].Arg))
      return false;
  }
  return true;
}
