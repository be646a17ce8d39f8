// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "core/cplx.h"
#include "core/random.h"

// Values the tests of several layers build alike. Standard library only, like the layers that use
// them, so that the sanitizer build takes them too.

inline Cplx Polar(double mod, double arg) { return MakePolarCplx(mod, arg); }

// The same doubles to the last bit (a round trip through a file keeps them so).
inline bool SameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }
inline bool SameBits(const Cplx& x, const Cplx& y) {
  return SameBits(x.Re, y.Re) && SameBits(x.Im, y.Im) && SameBits(x.Mod, y.Mod) && SameBits(x.Arg, y.Arg);
}
inline bool SameBits(const std::vector<Cplx>& a, const std::vector<Cplx>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (!SameBits(a[k], b[k])) return false;
  return true;
}

// A uniform source that hands out the values it was given, in order, then starts again.
class ScriptedSource final : public UniformSource {
 public:
  explicit ScriptedSource(std::vector<double> values) : values_(std::move(values)) {}
  double Next() override { return values_[next_++ % values_.size()]; }

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
};
