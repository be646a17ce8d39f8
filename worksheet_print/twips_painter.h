// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

// Pages are laid out in twips, 20 to a point. Fonts are sized in twips as pixels, so that text
// is measured the same way on every device, and a painter is scaled once from twips to the
// device: the one place where page twips meet device pixels.
QFont TwipsFont(const QString& name, double points, bool bold = false);
double TwipsTextWidth(const QFont& font, const QString& text);
double TwipsAscent(const QFont& font);

// Scales the painter so that one unit is one twip on `device`.
void ScaleToTwips(QPainter& painter, const QPaintDevice& device);
