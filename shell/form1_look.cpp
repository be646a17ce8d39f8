// SPDX-License-Identifier: MIT
#include "shell/form1_look.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QWidget>
#include <functional>

#include "platform/program_font.h"

QString Form1FontFamily() { return ProgramFontFamily(); }

namespace {

const QColor Ink{46, 64, 96};
const QColor Accent{38, 110, 200};

// Draws on a 24 × 24 canvas.
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
      QFont f(Form1FontFamily());
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
  }
}

// Drawn once per picture and resolution: several buttons show the same picture.
QPixmap Draw(ButtonPicture picture, qreal ratio) {
  const QString key = QStringLiteral("Zorbit.ButtonPicture.%1@%2").arg(static_cast<int>(picture)).arg(ratio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap(qRound(24 * ratio), qRound(24 * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  Paint(p, picture);
  p.end();
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

// An icon with a picture for ordinary screens and one for screens at 200 %, each drawn when first
// shown: a window on one screen never draws the other.
class TwoScaleIconEngine : public QIconEngine {
 public:
  explicit TwoScaleIconEngine(std::function<QPixmap(qreal)> draw) : draw_(std::move(draw)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    ForScale(painter->device()->devicePixelRatio()).paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return ForScale(1.0).pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return ForScale(scale).pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return ForScale(1.0).actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return ForScale(1.0).availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("ZorbitTwoScale"); }
  QIconEngine* clone() const override { return new TwoScaleIconEngine(*this); }

 private:
  // The pictures drawn so far; the one at 200 % is added for any scale above 100 %.
  const QIcon& ForScale(qreal scale) {
    const bool large = scale > 1.0;
    if (!(large ? hasLarge_ : hasSmall_)) {
      drawn_.addPixmap(draw_(large ? 2.0 : 1.0));
      (large ? hasLarge_ : hasSmall_) = true;
    }
    return drawn_;
  }

  std::function<QPixmap(qreal)> draw_;
  QIcon drawn_;
  bool hasSmall_ = false;
  bool hasLarge_ = false;
};

}  // namespace

QIcon TwoScaleIcon(std::function<QPixmap(qreal ratio)> draw) { return QIcon(new TwoScaleIconEngine(std::move(draw))); }

QIcon ButtonIcon(ButtonPicture picture) {
  return TwoScaleIcon([picture](qreal ratio) { return Draw(picture, ratio); });
}
