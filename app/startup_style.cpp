// SPDX-License-Identifier: MIT
#include "app/startup_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <functional>

namespace {

// An icon that is made on first use, then answers as the made one does.
class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("ZorbitDeferred"); }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (!made_) {
      icon_ = make_();
      made_ = true;
    }
    return icon_;
  }

  std::function<QIcon()> make_;
  QIcon icon_;
  bool made_ = false;
};

}  // namespace

QIcon StartupStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
    return Form1Style::standardIcon(icon, option, widget);
  // The option and the widget may be gone by then; the picture depends on the layout direction,
  // which is the application's.
  const QPointer<const QStyle> base(baseStyle());
  return QIcon(new DeferredIconEngine([base, icon] { return base ? base->standardIcon(icon) : QIcon(); }));
}
