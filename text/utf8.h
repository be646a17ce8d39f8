// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// Character stepping over UTF-8 text for the 1-based positions of the text utilities. A byte that
// does not start a well-formed sequence counts as one character, so any byte string is walkable.

// Bytes taken by the character that starts at byte i (1 to 4; 0 at the end).
std::size_t Utf8CharSize(std::string_view s, std::size_t i);

// Byte offset where character p (1-based) starts; s.size() when p is past the last character.
std::size_t Utf8Offset(std::string_view s, std::size_t p);

// 1-based character position of the character that starts at byte offset.
std::size_t Utf8Position(std::string_view s, std::size_t offset);
