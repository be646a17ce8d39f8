// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

// Every shown real goes through FormatReal: "." as decimal separator whatever the locale,
// exactly n decimals rounded with halves away from zero (decided on the exact value of the
// double), never an exponent, then trailing zeros and a bare "." stripped.
// FormatReal(2.5, 2) is "2.5", FormatReal(0.125, 2) is "0.13", FormatReal(1e20, 2) has 21 digits.
// From 2^53 on, where a double holds no fraction and its last binary digits are not decimal
// ones, the number is written with the shortest digits that read back to it, then zeros:
// 1e23 is "100000000000000000000000", not the exact "99999999999999991611392".
// A negative value that rounds to zero keeps its sign ("-0"), so a+bi texts keep their "-".
std::string FormatReal(double x, int n);

// Text utilities. Positions are 1-based character positions (a UTF-8 sequence such as "°" is one
// character); 0 means "not found". Searches are exact and case-sensitive.

// Every "," becomes "." and one final "." is removed.
std::string DotDecimal(const std::string& s);
// s repeated n times; "" when n is below 1.
std::string RepeatText(int n, const std::string& s);
// s without c characters from position p; s unchanged when p is beyond its end.
std::string DeleteAt(const std::string& s, std::size_t p, std::size_t c);
// s without the first occurrence of t.
std::string DeleteFirst(const std::string& s, const std::string& t);
// s with t inserted before position p (p clipped to the end); t when s is empty.
std::string InsertAt(const std::string& s, const std::string& t, std::size_t p);
// s with the first occurrence of find replaced by repl.
std::string ReplaceFirst(const std::string& s, const std::string& find, const std::string& repl);
// Replaces the first occurrence again and again until none is left.
std::string ReplaceAll(const std::string& s, const std::string& find, const std::string& repl);
// The position in s of the first character of set that occurs in s, trying set in its own order.
std::size_t FirstOfChars(const std::string& set, const std::string& s);
