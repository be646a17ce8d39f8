// SPDX-License-Identifier: MIT
#include "shell/check_indicator.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include "platform/raw_picture.h"

namespace {

// The key's room at the head of a stored picture.
constexpr qsizetype KeyBytes = 128;

QByteArray Colour(const QStyleOption& option, QPalette::ColorRole role) {
  return QByteArray::number(option.palette.color(role).rgba(), 16);
}

}  // namespace

QByteArray CheckIndicatorKey(const QStyle& style, const QStyleOption& option) {
  const QStyle::State drawn = option.state & (QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange);
  if (drawn != QStyle::State_On && drawn != QStyle::State_Off) return {};
  if (option.state & QStyle::State_Sunken) return {};
  if ((option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange)) return {};
  if (option.palette.window().style() != Qt::SolidPattern || option.palette.base().style() != Qt::SolidPattern)
    return {};
  const QByteArray key = style.name().toUtf8() + ' ' + QByteArray::number(option.rect.width()) + 'x' +
                         QByteArray::number(option.rect.height()) + ' ' + QByteArray::number(option.fontMetrics.fontDpi()) +
                         ' ' + Colour(option, QPalette::Base) + ' ' + Colour(option, QPalette::Window) + ' ' +
                         Colour(option, QPalette::Text) + ' ' + Colour(option, QPalette::WindowText) + ' ' +
                         Colour(option, QPalette::Highlight);
  return key.size() < KeyBytes ? key.leftJustified(KeyBytes, '\0') : QByteArray();
}

QImage BuiltCheckIndicator(const QStyle& style, const QStyleOption& option, const QWidget* box) {
  if (box == nullptr || !box->autoFillBackground()) return {};
  const QBrush ground = box->palette().brush(box->backgroundRole());
  if (ground.style() != Qt::SolidPattern || ground.color() != option.palette.color(QPalette::Window)) return {};
  const QByteArray key = CheckIndicatorKey(style, option);
  if (key.isEmpty()) return {};
  return RawResourcePicture(QStringLiteral(":/zorbit/pictures/") + CheckIndicatorName(option.state & QStyle::State_On),
                            option.rect.size(), key);
}

QImage DrawnCheckIndicator(const QStyle& style, const QStyleOption& option) {
  if (CheckIndicatorKey(style, option).isEmpty()) return {};
  QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(option.palette.color(QPalette::Window));
  QPainter painter(&image);
  painter.translate(-option.rect.topLeft());
  style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
  painter.end();
  return image;
}

QString CheckIndicatorName(bool ticked) {
  return ticked ? QStringLiteral("check-on.argb") : QStringLiteral("check-off.argb");
}

void PutOnCard(QWidget& box, const QColor& card) {
  QPalette palette = box.palette();
  for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base}) palette.setColor(role, card);
  box.setPalette(palette);
  box.setAutoFillBackground(true);
}
