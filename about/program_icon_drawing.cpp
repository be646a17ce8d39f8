// SPDX-License-Identifier: MIT
#include "about/program_icon_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QPixmap DrawProgramIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const QPointF centre(s / 2, s / 2);
  const double radius = s * 0.38;

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 230));
  painter.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.12, s * 0.12);

  painter.setPen(QPen(QColor(128, 128, 128), qMax(1.0, s / 40)));
  painter.drawLine(QPointF(s * 0.08, centre.y()), QPointF(s * 0.92, centre.y()));
  painter.drawLine(QPointF(centre.x(), s * 0.92), QPointF(centre.x(), s * 0.08));
  painter.setPen(QPen(QColor(0, 128, 0), qMax(1.0, s / 32)));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);

  // z = cos 40° + i sin 40°, with its arrow head.
  const double angle = qDegreesToRadians(40.0);
  const QPointF tip(centre.x() + radius * qCos(angle), centre.y() - radius * qSin(angle));
  painter.setPen(QPen(QColor(0, 0, 255), qMax(1.5, s / 16), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, tip);
  const double head = s * 0.16;
  QPainterPath arrow;
  arrow.moveTo(tip);
  arrow.lineTo(tip.x() - head * qCos(angle - 0.45), tip.y() + head * qSin(angle - 0.45));
  arrow.lineTo(tip.x() - head * qCos(angle + 0.45), tip.y() + head * qSin(angle + 0.45));
  arrow.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 255));
  painter.drawPath(arrow);
  return pixmap;
}
