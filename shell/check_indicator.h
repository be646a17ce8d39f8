// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QColor;
class QStyle;
class QStyleOption;
class QWidget;

// A check box's indicator as the build drew it with the desktop style the build found, on the
// ground of the check box's own colour. Drawing a ticked one strokes a path, which reads in Qt's
// stroking and the mathematics library's tables at start for that one mark; the picture stands in
// for it wherever the style, size, resolution, state and colours are the build's and the check box
// fills its ground with its own colour, under the indicator's antialiased corners too.

// Names what an indicator drawn by `style` for `option` looks like: the style, the size, the
// resolution the mark is scaled for and the colours the style takes, at a fixed length, the head of
// the stored picture (platform/raw_picture.h). Empty for a state the build draws no picture of (half
// ticked, pressed, showing the keyboard's focus, neither).
QByteArray CheckIndicatorKey(const QStyle& style, const QStyleOption& option);

// The picture the build drew for `option`, ticked or not, when it drew it for the same key and
// `box` fills its ground with the colour the picture has under the indicator; null otherwise.
QImage BuiltCheckIndicator(const QStyle& style, const QStyleOption& option, const QWidget* box);

// The indicator as `style` draws it for `option` on a picture of its size filled with the option's
// ground colour, as the build stores it; null where the key is empty.
QImage DrawnCheckIndicator(const QStyle& style, const QStyleOption& option);

// Puts a check box on a card of the colour given: its box and its ground take the card's colour.
// The build draws the indicator of such a check box on the binary operations' card.
void PutOnCard(QWidget& box, const QColor& card);

// The file name the build stores the ticked or the empty indicator under.
QString CheckIndicatorName(bool ticked);
