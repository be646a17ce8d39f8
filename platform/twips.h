// SPDX-License-Identifier: MIT
#pragma once

// Positions and sizes of surfaces are measured in twips, 1440 per logical inch. This is the one
// place where twips and logical pixels meet.
inline constexpr double TwipsPerInch = 1440.0;

// Twips per logical pixel of the primary screen (15 at 96 dpi).
double TwipsPerPixel();
double TwipsToPixels(double twips);
double PixelsToTwips(double pixels);
// A whole number of logical pixels, rounded.
int TwipsToPixelsRounded(double twips);
// The same, short, for windows that place many controls by hand.
inline int Px(double twips) { return TwipsToPixelsRounded(twips); }
