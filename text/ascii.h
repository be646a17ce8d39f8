// SPDX-License-Identifier: MIT
#pragma once

// ASCII character classes the readers share. Unlike <cctype>, they ignore the C locale and take
// a plain char, so a byte of a UTF-8 sequence is never a digit or a letter.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
