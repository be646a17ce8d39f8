// SPDX-License-Identifier: MIT
#include "platform/surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace {
// Pixels are whole; a surface is never smaller than one pixel so that painting never fails.
int PixelsFor(double twips, double ratio) {
  const double pixels = std::ceil(TwipsToPixels(std::max(0.0, twips)) * ratio - 1e-9);
  return std::clamp(static_cast<int>(pixels), 1, 20000);
}

QFont MakeFont(const QString& name, double points) {
  QFont font(name);
  font.setPointSizeF(std::max(0.5, points));
  return font;
}

// Text is measured and drawn at the resolution the surface maps twips to, so that the twips a
// text takes are the same on screen, in a test and in a saved image. The resolution is the
// logical one: a painter on the image already scales by its device pixel ratio.
void PrepareForText(QImage& image) {
  const int dotsPerMeter = static_cast<int>(std::lround(TwipsPerInch / TwipsPerPixel() / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
}
}  // namespace

Surface::Surface(double scaleWidth, double scaleHeight, double pixelRatio)
    : scaleWidth_(std::max(0.0, scaleWidth)),
      scaleHeight_(std::max(0.0, scaleHeight)),
      pixelRatio_(pixelRatio > 0 ? pixelRatio : 1.0) {}

void Surface::SetBorder(double twips) { border_ = std::max(0.0, twips); }

namespace {
QImage FreshPicture(double scaleWidth, double scaleHeight, double ratio, const QColor& back) {
  QImage fresh(PixelsFor(scaleWidth, ratio), PixelsFor(scaleHeight, ratio), QImage::Format_ARGB32_Premultiplied);
  fresh.fill(back);
  PrepareForText(fresh);
  fresh.setDevicePixelRatio(ratio);
  return fresh;
}
}  // namespace

QImage& Surface::Picture() const {
  if (image_.isNull()) image_ = FreshPicture(scaleWidth_, scaleHeight_, pixelRatio_, back_);
  return image_;
}

void Surface::Reallocate() {
  if (image_.isNull()) return;  // nothing drawn yet: the picture is made at its size when needed
  QImage fresh = FreshPicture(scaleWidth_, scaleHeight_, pixelRatio_, back_);
  QPainter painter(&fresh);
  painter.drawImage(QPointF(0, 0), image_);
  painter.end();
  image_ = fresh;
}

void Surface::SetScaleSize(double scaleWidth, double scaleHeight) {
  scaleWidth = std::max(0.0, scaleWidth);
  scaleHeight = std::max(0.0, scaleHeight);
  const bool outerChanged = scaleWidth != scaleWidth_ || scaleHeight != scaleHeight_;
  scaleWidth_ = scaleWidth;
  scaleHeight_ = scaleHeight;
  Reallocate();
  if (outerChanged && OnOuterResize) OnOuterResize(Width(), Height());
  Changed();
}

void Surface::SetOuterSize(double width, double height) {
  SetScaleSize(width - border_, height - border_);
}

void Surface::SetPixelRatio(double ratio) {
  if (ratio <= 0 || ratio == pixelRatio_) return;
  pixelRatio_ = ratio;
  image_ = QImage();  // a new resolution: what was drawn is drawn again by the owner
  Changed();
}

void Surface::Clear() {
  Picture().fill(back_);
  CurrentX = 0;
  CurrentY = 0;
  Record({SurfaceOp::Kind::Clear, 0, 0, 0, 0, back_, false, {}, {}, 0});
  Changed();
}

void Surface::ApplyClip(QPainter& painter) const {
  if (clip_.isEmpty()) return;
  const double k = TwipsPerPixel();
  painter.setClipRect(QRectF(clip_.x() / k, clip_.y() / k, clip_.width() / k, clip_.height() / k));
}

void Surface::Line(double x1, double y1, double x2, double y2) {
  Record({SurfaceOp::Kind::Line, x1, y1, x2, y2, fore_, dotted_, {}, {}, 0});
  QPainter painter(&Picture());
  ApplyClip(painter);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(fore_);
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::FlatCap);
  if (dotted_) pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  const double k = TwipsPerPixel();
  // Half a pixel puts one-pixel lines on pixel centres, so axes stay sharp.
  painter.drawLine(QPointF(x1 / k + 0.5, y1 / k + 0.5), QPointF(x2 / k + 0.5, y2 / k + 0.5));
  // A line of zero length still marks its point, as a pen of one pixel does.
  if (x1 == x2 && y1 == y2) painter.drawPoint(QPointF(x1 / k + 0.5, y1 / k + 0.5));
  CurrentX = x2;
  CurrentY = y2;
  Changed();
}

void Surface::Print(const QString& text) {
  Record({SurfaceOp::Kind::Text, CurrentX, CurrentY, 0, 0, fore_, false, text, fontName_, fontSize_});
  if (!text.isEmpty()) {
    QPainter painter(&Picture());
    ApplyClip(painter);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont font = MakeFont(fontName_, fontSize_);
    painter.setFont(font);
    painter.setPen(fore_);
    const QFontMetricsF metrics(font, &image_);
    const double k = TwipsPerPixel();
    painter.drawText(QPointF(CurrentX / k, CurrentY / k + metrics.ascent()), text);
  }
  CurrentX += TextWidth(text);
  Changed();
}

namespace {
// Measures at the picture's resolution; a surface not drawn on yet measures on a one-pixel
// stand-in of the same resolution rather than taking its picture's memory.
template <typename Measure>
double Measured(const QImage& picture, const QFont& font, Measure measure) {
  if (!picture.isNull()) return PixelsToTwips(measure(QFontMetricsF(font, &picture)));
  QImage standIn(1, 1, QImage::Format_ARGB32_Premultiplied);
  PrepareForText(standIn);
  return PixelsToTwips(measure(QFontMetricsF(font, &standIn)));
}
}  // namespace

double Surface::TextWidth(const QString& text) const {
  return Measured(image_, MakeFont(fontName_, fontSize_),
                  [&text](const QFontMetricsF& metrics) { return metrics.horizontalAdvance(text); });
}

double Surface::TextHeight(const QString& text) const {
  (void)text;
  return Measured(image_, MakeFont(fontName_, fontSize_), [](const QFontMetricsF& metrics) { return metrics.height(); });
}

bool Surface::LoadPicture(const QString& path) {
  QImage picture;
  if (!picture.load(path)) return false;
  Picture().fill(back_);
  QPainter painter(&Picture());
  painter.drawImage(QPointF(0, 0), picture);
  Changed();
  return true;
}

bool Surface::SaveBitmap(const QString& path) const { return SaveImage(path, "BMP"); }

bool Surface::SaveImage(const QString& path, const char* format, int quality) const {
  // Saved files carry the picture as seen, flattened on the back colour.
  QImage flat = Picture().convertToFormat(QImage::Format_RGB32);
  flat.setDevicePixelRatio(1.0);
  return flat.save(path, format, quality);
}
