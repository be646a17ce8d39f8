// SPDX-License-Identifier: MIT
#include "shell/button_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "platform/program_font.h"
#include "platform/raw_picture.h"

namespace {

const QColor Ink{46, 64, 96};
const QColor Accent{38, 110, 200};

// Draws on the ButtonPictureSide × ButtonPictureSide canvas.
void Paint(QPainter& p, ButtonPicture picture) {
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(Ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  switch (picture) {
    case ButtonPicture::Incorporate: {
      // An arrow down into a tray.
      p.drawLine(QPointF(12, 3), QPointF(12, 14));
      p.drawPolyline(QPolygonF({QPointF(7.5, 9.5), QPointF(12, 14), QPointF(16.5, 9.5)}));
      p.setPen(QPen(Accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(4, 14), QPointF(4, 20), QPointF(20, 20), QPointF(20, 14)}));
      break;
    }
    case ButtonPicture::Random: {
      // A die showing five.
      p.setBrush(QColor(255, 255, 255));
      p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 4, 4);
      p.setPen(Qt::NoPen);
      p.setBrush(Accent);
      for (const QPointF c : {QPointF(8, 8), QPointF(16, 8), QPointF(12, 12), QPointF(8, 16), QPointF(16, 16)})
        p.drawEllipse(c, 1.7, 1.7);
      break;
    }
    case ButtonPicture::Help: {
      p.setBrush(QColor(255, 255, 255));
      p.drawEllipse(QPointF(12, 12), 9, 9);
      QFont f(ProgramFontFamily());
      f.setPixelSize(13);
      f.setBold(true);
      p.setFont(f);
      p.setPen(Accent);
      p.drawText(QRectF(3, 3, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case ButtonPicture::Calculate: {
      // A play mark: run the operation.
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(46, 150, 80));
      p.drawPolygon(QPolygonF({QPointF(7, 4), QPointF(20, 12), QPointF(7, 20)}));
      break;
    }
    case ButtonPicture::Exercise: {
      // A sheet with lines and a pencil.
      p.setBrush(QColor(255, 255, 255));
      p.drawRect(QRectF(4, 3, 13, 18));
      p.setPen(QPen(QColor(140, 150, 170), 1.2));
      for (double y : {8.0, 11.5, 15.0}) p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
      p.setPen(QPen(QColor(200, 120, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12, 19), QPointF(20.5, 10.5));
      break;
    }
    case ButtonPicture::SaveImage: {
      // A small picture of a plane with an arrow, and a save mark.
      p.setBrush(QColor(255, 255, 255));
      p.drawRect(QRectF(3, 4, 18, 14));
      p.setPen(QPen(QColor(150, 150, 150), 1));
      p.drawLine(QPointF(12, 5), QPointF(12, 17));
      p.drawLine(QPointF(4, 11), QPointF(20, 11));
      p.setPen(QPen(Accent, 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12, 11), QPointF(18, 6.5));
      p.setPen(QPen(QColor(46, 150, 80), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(8, 19), QPointF(12, 22.5), QPointF(16, 19)}));
      break;
    }
    case ButtonPicture::Working: {
      // A sheet with three steps, each starting further in, and the "=" of the result.
      p.setPen(QPen(QColor(90, 100, 120), 1));
      p.setBrush(QColor(255, 255, 255));
      p.drawRect(QRectF(3.5, 2.5, 17, 19));
      p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
      for (int k = 0; k < 3; ++k) p.drawLine(QPointF(6 + 2.5 * k, 6.5 + 3.5 * k), QPointF(13 + 2.5 * k, 6.5 + 3.5 * k));
      p.setPen(QPen(QColor(46, 150, 80), 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(7, 16.5), QPointF(11, 16.5));
      p.drawLine(QPointF(7, 19), QPointF(11, 19));
      break;
    }
  }
}

}  // namespace

QImage PaintButtonPicture(ButtonPicture picture, qreal ratio) {
  QImage image(qRound(ButtonPictureSide * ratio), qRound(ButtonPictureSide * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  Paint(p, picture);
  p.end();
  return image;
}

QString BuiltButtonPictureName(ButtonPicture picture) {
  return QStringLiteral("picture-%1.argb").arg(static_cast<int>(picture));
}

QImage BuiltButtonPicture(ButtonPicture picture) {
  return RawResourcePicture(QStringLiteral(":/zorbit/pictures/") + BuiltButtonPictureName(picture),
                            {ButtonPictureSide, ButtonPictureSide});
}
