// SPDX-License-Identifier: MIT
#include "core/random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {

class ClockSeededSource final : public UniformSource {
 public:
  ClockSeededSource() { SeedFromClock(); }

  double Next() override {
    // The top 53 bits make a double in [0, 1) that can never round up to 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
  }

  void SeedFromClock() override {
    engine_.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  }

 private:
  std::mt19937_64 engine_;
};

std::unique_ptr<UniformSource>& Source() {
  static std::unique_ptr<UniformSource> source = std::make_unique<ClockSeededSource>();
  return source;
}

}  // namespace

void SetUniformSource(std::unique_ptr<UniformSource> source) {
  Source() = source ? std::move(source) : std::make_unique<ClockSeededSource>();
}

void SeedRandomFromClock() { Source()->SeedFromClock(); }

std::int16_t RandomInt(std::int16_t low, std::int16_t high) {
  if (high < low) return low;
  const double u = Source()->Next();
  const double span = static_cast<double>(high) - low + 1;
  double k = std::floor(u * span) + low;
  // A source that strays outside [0, 1) must not push the result out of the range.
  if (!(k >= low)) k = low;
  if (k > high) k = high;
  return static_cast<std::int16_t>(k);
}

Cplx RandomCplx() {
  const double re = RandomInt(-5, 9);
  const double im = RandomInt(-5, 9);
  return MakeCplx(re, im);
}
