// SPDX-License-Identifier: MIT
#include "core/power_root.h"

#include <cmath>

#include "core/checked.h"

Cplx CplxPower(const Cplx& z, double n) {
  Cplx r;
  // 0 to a negative power is an infinity and fails here; 0 to the power 0 is 1.
  r.Mod = Checked(std::pow(Checked(z.Mod), Checked(n)));
  r.Arg = Reduce360(Checked(z.Arg * n));
  SyncCplx(r, SyncFrom::Polar);
  return r;
}

double NthRootReal(double x, std::int16_t n) {
  // ln(0) is -infinity and ln of a negative number NaN: both fail.
  return Checked(std::exp(Checked(Checked(std::log(Checked(x))) / n)));
}

Cplx CplxRoot(const Cplx& z, std::int16_t n, double& step) {
  Cplx r;
  r.Mod = NthRootReal(z.Mod, n);
  r.Arg = Checked(Checked(z.Arg) / n);
  SyncCplx(r, SyncFrom::Polar);
  step = Checked(360.0 / n);
  return r;
}

Cplx RootNumber(const Cplx& first, double step, int k) {
  Cplx root;
  root.Mod = first.Mod;
  root.Arg = first.Arg + k * step;
  SyncCplx(root, SyncFrom::Polar);
  return root;
}

std::vector<Cplx> AllRoots(const Cplx& z, int n) {
  if (n < 1 || n > INT16_MAX) throw ArithmeticError("invalid operation");
  double step = 0;
  const Cplx first = CplxRoot(z, static_cast<std::int16_t>(n), step);
  std::vector<Cplx> roots;
  roots.reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) roots.push_back(RootNumber(first, step, k));
  return roots;
}
