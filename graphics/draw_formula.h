// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "platform/surface.h"

// Prints a one-line text at (x, y) with a small markup: "^" raises and "_" lowers the digits that
// follow, or a whole group in parentheses written right after it (without the parentheses).
// Wraps at 0.98 of the surface's width, back to x on a line S × 1.1 points lower (S the font
// size), and makes the surface taller, printing everything again,
// when the text runs off its bottom. On return y is the top of the last line used and the font
// size is what it was.
// Surfaces measure in twips: 20 to a point.
inline constexpr double TwipsPerPoint = 20.0;

void DrawFormula(Surface& surface, double x, double& y, const QString& text);

// The same markup on one line at (x, y): never wraps and never grows the surface, so what runs
// past the surface's edge (or its clip) is cut. Answers the x where the text ends.
double DrawFormulaLine(Surface& surface, double x, double y, const QString& text);
