// SPDX-License-Identifier: MIT
#include "shell/row_captions.h"

#include <QPainter>
#include <cmath>

RowCaptions::RowCaptions(const QStringList& lines, double rowHeight, QWidget* parent)
    : QWidget(parent), lines_(lines), rowHeight_(static_cast<int>(std::lround(rowHeight * 64))) {
  setAccessibleName(lines.join(QLatin1String(", ")));
}

void RowCaptions::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  for (int i = 0; i < lines_.size(); ++i) {
    // Rounded down in 64ths at each step, as text layout rounds.
    const int baseline = i * rowHeight_ + rowHeight_ * 4 / 5;
    painter.drawText(QPointF(0, baseline / 64.0), lines_[i]);
  }
}
