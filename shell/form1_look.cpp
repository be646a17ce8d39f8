// SPDX-License-Identifier: MIT
#include "shell/form1_look.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QWidget>
#include <functional>

#include "platform/program_font.h"

QString Form1FontFamily() { return ProgramFontFamily(); }

namespace {

// Once per picture and resolution: several buttons show the same picture. At 100 % the build drew
// it: drawing it at start would read in the stroking and arcs of Qt's painter, the mathematics
// library's tables behind them and a font for the help mark, all for these pictures alone.
QPixmap Draw(ButtonPicture picture, qreal ratio) {
  const QString key = QStringLiteral("Zorbit.ButtonPicture.%1@%2").arg(static_cast<int>(picture)).arg(ratio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  const QImage built = ratio == 1 ? BuiltButtonPicture(picture) : QImage();
  pixmap = QPixmap::fromImage(built.isNull() ? PaintButtonPicture(picture, ratio) : built);
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
