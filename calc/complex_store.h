// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/cplx.h"

// Letters name slots 1 to 26; the slot table has room for 64.
inline constexpr int StoreCapacity = 26;

// The program's collection of named complexes. Slot k (1 to Count) is named LetterOf(k); the
// name follows from the position, so moving a complex to another slot renames it. Slot 0 is
// never written and stays 0+0i: it is what a selector without a selection reads. Slots above
// Count may hold stale values that nothing reads.
struct ComplexStore {
  std::int16_t Count = 0;
  std::array<Cplx, 65> StoreSlots{};
};

// The one-character name of slot k (0 to 64): the character with code 96 + k, "a" for 1, "z"
// for 26; "" for any other k.
std::string LetterOf(int k);

// The letters a to z of text, after lower-casing, in order and repeated as often as they occur:
// "2*A+(b^3)'" gives "ab".
std::string LettersOf(const std::string& text);
