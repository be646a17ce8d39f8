// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "calc/complex_store.h"

// A store holding the given complexes as a, b, c, ...
inline ComplexStore StoreOf(const std::vector<Cplx>& values) {
  ComplexStore store;
  for (const Cplx& z : values) store.Append(z);
  return store;
}
