// SPDX-License-Identifier: MIT
#include "text/pasted_text.h"

#include <algorithm>

namespace {

struct Look {
  std::string_view Pasted;
  std::string_view Plain;
};
constexpr Look Looks[] = {
    {"\u2212", "-"}, {"\u2013", "-"}, {"\u00D7", "*"}, {"\u00B7", "*"},
    {"\u00F7", "/"}, {"\u03C0", "pi"}, {"\u00BA", "\u00B0"},
};

}  // namespace

PlainText::PlainText(std::string_view typed) {
  const bool ascii = std::none_of(typed.begin(), typed.end(), [](char c) { return (c & 0x80) != 0; });
  if (ascii) {
    text_ = typed;
    return;
  }
  text_.reserve(typed.size());
  typed_.reserve(typed.size() + 1);
  for (std::size_t i = 0; i < typed.size();) {
    // ASCII and continuation bytes start no sign of the table.
    if (static_cast<unsigned char>(typed[i]) < 0xC2) {
      text_.push_back(typed[i]);
      typed_.push_back(i++);
      continue;
    }
    std::size_t taken = 1;
    std::string_view plain = typed.substr(i, 1);
    bool replaced = false;
    const auto lead = static_cast<unsigned char>(typed[i]);
    for (const Look& look : Looks) {
      if (static_cast<unsigned char>(look.Pasted[0]) == lead && typed.substr(i, look.Pasted.size()) == look.Pasted) {
        taken = look.Pasted.size();
        plain = look.Plain;
        replaced = true;
        break;
      }
    }
    text_ += plain;
    // Each plain byte of a replaced character stands for the whole typed character.
    for (std::size_t k = 0; k < plain.size(); ++k) typed_.push_back(replaced ? i : i + k);
    i += taken;
  }
  typed_.push_back(typed.size());
}

std::size_t PlainText::Typed(std::size_t k) const {
  if (typed_.empty()) return k;
  return typed_[std::min(k, typed_.size() - 1)];
}

void PlainText::ToTyped(ExprError* error) const {
  if (error == nullptr || typed_.empty()) return;
  const std::size_t end = error->Start + error->Length;
  const std::size_t from = Typed(error->Start);
  // The end lies after the whole typed character of the last byte taken.
  std::size_t to = from;
  if (error->Length > 0) {
    const std::size_t last = Typed(end - 1);
    std::size_t next = end;
    while (next < text_.size() && Typed(next) == last) ++next;
    to = Typed(next);
  }
  error->Start = from;
  error->Length = to - from;
}
