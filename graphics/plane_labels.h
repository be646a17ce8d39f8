// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <vector>

#include "graphics/plane.h"

// The labels of a graph's arrows and angles. Each is placed near its point, on the side asked
// for where it can, inside the picture, never on another label or on the axes' numbers, and
// off the lines it was told to avoid where there is room. Place the lines to avoid first: a
// label is placed and printed as it is added.
class PlaneLabels {
 public:
  PlaneLabels(const PlaneScale& scale, Surface& surface);

  // A line the labels keep off where they can (a shaft), in user coordinates.
  void Avoid(double x1, double y1, double x2, double y2);
  // Prints text in colour near (x, y), preferably in the direction (dx, dy) from it (user
  // coordinates; none: up and to the right). Answers its box, in twips.
  QRectF Add(double x, double y, double dx, double dy, const QString& text, const QColor& color);

 private:
  struct Segment {
    QPointF A, B;
  };
  double Cost(const QRectF& box) const;

  const PlaneScale& scale_;
  Surface& surface_;
  std::vector<QRectF> taken_;
  std::vector<Segment> avoid_;
};

// Subscript digits for labels: Subscript(2) is "₂".
QString Subscript(int n);
// A whole exponent in superscript digits: Superscript(-2) is "⁻²".
QString Superscript(int n);
