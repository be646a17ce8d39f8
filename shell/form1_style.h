// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// A card as the look draws it: rounded by `radius`, filled, and bordered on its outermost pixels
// when `border` is valid. An opaque card is drawn in parts, its straight runs as plain rectangles
// and its corners from pictures kept per colours and radius: a window's first paint draws many.
void PaintCard(QPainter* painter, const QRect& rect, const QColor& fill, const QColor& border, int radius);

// The look of the main window and of every window it owns, drawn over the desktop's style: panel
// cards with rounded corners in their colours, bold captions, boxes, lists and buttons with thin
// rounded borders that turn blue under the mouse or the focus. Widgets outside the main window's
// family are drawn by the desktop's style untouched.
//
// A card (a group box or a frame) takes its fill from its "panelColor" property and its border,
// when it has one, from "cardBorder".
class Form1Style : public QProxyStyle {
  Q_OBJECT

 public:
  // `key` names the style to draw over, as QStyleFactory knows it.
  explicit Form1Style(const QString& key);

  // Makes the application's style one that draws the main window's look, keeping the style it
  // draws over; a style already drawing it is kept.
  static void Install();

  void polish(QWidget* widget) override;
  using QProxyStyle::polish;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget = nullptr) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
};
