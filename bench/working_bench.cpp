// SPDX-License-Identifier: MIT
// The working of 1,000 calculations, 250 of each kind, written as HTML and as plain text: what a
// worksheet's answer key with working asks of the working engine.
#include <benchmark/benchmark.h>

#include "core/power_root.h"
#include "working/working.h"

namespace {

void ThousandWorkings(benchmark::State& state) {
  const double exponents[4] = {2, 3, 0.5, -1};
  for (auto _ : state) {
    std::size_t size = 0;
    for (int k = 0; k < 250; ++k) {
      const Cplx a = MakeCplx(k % 9 - 4, k % 7 - 3);
      const Cplx b = MakeCplx(k % 5 - 2, k % 11 - 5);
      const Cplx c = MakeCplx(k % 3 + 1, -(k % 4));
      for (const Working& w :
           {BinaryWorking(CalcBinary(a, b), 2, WorkingLanguage::English),
            PowerWorking(CalcPower(c, exponents[k % 4]), 2, WorkingLanguage::Catalan),
            RootsWorking(CalcRoots(c, static_cast<std::int16_t>(k % 5 + 2)), 2, WorkingLanguage::Spanish),
            CombinedWorking("(a+b)^2/c-a*b'", {a, b, c}, 2, WorkingLanguage::English)}) {
        size += WorkingHtml(w).size() + WorkingPlain(w).size();
      }
    }
    benchmark::DoNotOptimize(size);
  }
}
BENCHMARK(ThousandWorkings)->Unit(benchmark::kMillisecond);

}  // namespace
