// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "core/cplx.h"

// What the writer saves at its g-th write: 1 to 26 complexes that all carry g, so a reader can
// tell a whole file of one write from a mixture.
inline std::vector<Cplx> Generation(std::int64_t g) {
  std::vector<Cplx> complexes;
  const int count = 1 + static_cast<int>(g % 26);
  for (int k = 0; k < count; ++k) {
    const double x = static_cast<double>(g);
    complexes.push_back(Cplx{x, k + 0.1, x + 0.5, 400 + x + k});
  }
  return complexes;
}

// The g the complexes were written for, or -1 when they are not one whole generation.
inline std::int64_t GenerationOf(const std::vector<Cplx>& complexes) {
  if (complexes.empty()) return -1;
  const auto g = static_cast<std::int64_t>(complexes.front().Re);
  const std::vector<Cplx> expected = Generation(g);
  if (expected.size() != complexes.size()) return -1;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const Cplx& a = expected[k];
    const Cplx& b = complexes[k];
    if (a.Re != b.Re || a.Im != b.Im || a.Mod != b.Mod || a.Arg != b.Arg) return -1;
  }
  return g;
}
