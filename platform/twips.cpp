// SPDX-License-Identifier: MIT
#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

double TwipsPerPixel() {
  double dpi = 96.0;
  if (QGuiApplication::instance() != nullptr) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const double logical = screen->logicalDotsPerInch();
      if (logical >= 48.0 && logical <= 480.0) dpi = logical;
    }
  }
  return TwipsPerInch / dpi;
}

double TwipsToPixels(double twips) { return twips / TwipsPerPixel(); }
double PixelsToTwips(double pixels) { return pixels * TwipsPerPixel(); }
int TwipsToPixelsRounded(double twips) { return static_cast<int>(std::lround(TwipsToPixels(twips))); }
