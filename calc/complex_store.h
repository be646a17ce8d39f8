// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/cplx.h"

// Letters name slots 1 to 26; the slot table has room for 64.
inline constexpr int StoreCapacity = 26;

// The program's collection of named complexes. Slot k (1 to Count()) is named LetterOf(k); the
// name follows from the position, so removing a complex renames the ones after it. Slot 0 is
// never written and stays 0+0i: it is what a selector without a selection reads. Slots above
// Count() may hold stale values (a removal or a reset leaves them); only the exercise texts read
// them, and they write what the slot holds.
class ComplexStore {
 public:
  static constexpr int SlotCount = 65;

  int Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // True when `added` more complexes still fit within the 26 letters.
  bool Fits(int added) const { return added <= 0 || count_ + added <= StoreCapacity; }
  // k names a stored complex (1 to Count()).
  bool Holds(int k) const { return k >= 1 && k <= count_; }
  // Slot k as it stands, stale or not; slot 0 for k outside 0..64.
  const Cplx& At(int k) const;

  // Appends z under the next letter and answers its slot, or 0 when the 26 letters are taken
  // (the store is unchanged).
  int Append(const Cplx& z);
  // Writes z into the stored slot k; false (and nothing changes) when k is not stored.
  bool Replace(int k, const Cplx& z);
  // Removes the stored slot k; the complexes after it move down one slot and take the letter
  // before theirs. False when k is not stored.
  bool Remove(int k);
  // Forgets every complex; the slots keep their stale values.
  void Clear() { count_ = 0; }

 private:
  std::int16_t count_ = 0;
  std::array<Cplx, SlotCount> slots_{};
};

// The one-character name of slot k (0 to 64): the character with code 96 + k, "a" for 1, "z"
// for 26; "" for any other k.
std::string LetterOf(int k);

// The letters a to z of text, after lower-casing, in order and repeated as often as they occur:
// "2*A+(b^3)'" gives "ab".
std::string LettersOf(const std::string& text);
