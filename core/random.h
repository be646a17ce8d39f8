// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "core/cplx.h"

// The program's one source of uniform reals in [0, 1). Tests install a deterministic one.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  virtual double Next() = 0;
  // Called by SeedRandomFromClock; a deterministic source ignores it.
  virtual void SeedFromClock() {}
};

// Replaces the process-wide source (nullptr brings back a clock-seeded default one).
void SetUniformSource(std::unique_ptr<UniformSource> source);

// Seeds the current source from the clock, as the main window does when it loads.
void SeedRandomFromClock();

// A whole number in [low, high], every one equally likely: floor(u * (high - low + 1)) + low.
std::int16_t RandomInt(std::int16_t low, std::int16_t high);

// Re then Im, each a whole number from -5 to 9, with the polar pair filled.
Cplx RandomCplx();
