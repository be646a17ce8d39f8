// SPDX-License-Identifier: MIT
#include "worksheet_print/twips_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "graphics/draw_formula.h"
#include "platform/twips.h"

QFont TwipsFont(const QString& name, double points, bool bold) {
  QFont font(name);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * TwipsPerPoint))));
  font.setBold(bold);
  // Outlines as designed: widths measured here are the widths drawn on any device.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Any letter spacing makes Qt set "f", "i" and "l" apart instead of as ligatures, so that a
  // PDF's text copies and searches as it reads ("first", not "ﬁrst"). The smallest step Qt
  // keeps, 1/64 of a twip, moves nothing on paper.
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
  return font;
}

double TwipsTextWidth(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

double TwipsAscent(const QFont& font) { return QFontMetricsF(font).ascent(); }

void ScaleToTwips(QPainter& painter, const QPaintDevice& device) {
  painter.scale(device.logicalDpiX() / TwipsPerInch, device.logicalDpiY() / TwipsPerInch);
}
