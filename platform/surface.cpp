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

// Beyond this many operations a picture is kept as its image only.
constexpr std::size_t MaxKeptOps = 200000;

// Paints one line or text in logical pixels; a text's top is `ascent` above its baseline.
void PaintOp(QPainter& painter, const SurfaceOp& op, double ascent) {
  const double k = TwipsPerPixel();
  if (op.What == SurfaceOp::Kind::Line) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(op.Color);
    pen.setWidthF(op.Width);
    pen.setCapStyle(Qt::FlatCap);
    if (op.Dotted) pen.setStyle(Qt::DotLine);
    else if (op.Dashed) pen.setDashPattern({5.0 / op.Width, 3.0 / op.Width});  // in pixels whatever the width
    // A curve drawn as short lines keeps its pattern running from one line into the next.
    if (op.Dotted || op.Dashed) pen.setDashOffset(op.Phase / op.Width);
    painter.setPen(pen);
    // Half a pixel puts one-pixel lines on pixel centres, so axes stay sharp.
    const QPointF from(op.X1 / k + 0.5, op.Y1 / k + 0.5);
    const QPointF to(op.X2 / k + 0.5, op.Y2 / k + 0.5);
    painter.drawLine(from, to);
    // A line of zero length still marks its point, as a pen of one pixel does.
    if (from == to) painter.drawPoint(from);
  } else if (op.What == SurfaceOp::Kind::Text && !op.Text.isEmpty()) {
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(MakeFont(op.FontName, op.FontSize));
    painter.setPen(op.Color);
    painter.drawText(QPointF(op.X1 / k, op.Y1 / k + ascent), op.Text);
  }
}

// Paints the operations from `from` to `to` again, each text at the ascent of its own font on
// `device`.
void PaintOps(QPainter& painter, const std::vector<SurfaceOp>& ops, std::size_t from, std::size_t to,
              const QPaintDevice* device) {
  for (std::size_t i = from; i < to && i < ops.size(); ++i) {
    const SurfaceOp& op = ops[i];
    const double ascent =
        op.What == SurfaceOp::Kind::Text ? QFontMetricsF(MakeFont(op.FontName, op.FontSize), device).ascent() : 0;
    PaintOp(painter, op, ascent);
  }
}
}  // namespace

Surface::Surface(double scaleWidth, double scaleHeight, double pixelRatio)
    : scaleWidth_(std::max(0.0, scaleWidth)),
      scaleHeight_(std::max(0.0, scaleHeight)),
      pixelRatio_(pixelRatio > 0 ? pixelRatio : 1.0) {}

Surface::~Surface() { painter_.End(); }

const QImage& Surface::Image() const {
  const QImage& picture = Picture();
  painter_.End();
  return picture;
}

QPainter& Surface::Painting() {
  QImage& picture = Picture();  // paints what waited first, on a painter of its own
  if (!painter_.Painter) painter_.Painter = std::make_unique<QPainter>(&picture);
  return *painter_.Painter;
}

void Surface::SetBorder(double twips) { border_ = std::max(0.0, twips); }

namespace {
QImage FreshPicture(double scaleWidth, double scaleHeight, double ratio, const QColor& back) {
  QImage fresh(PixelsFor(scaleWidth, ratio), PixelsFor(scaleHeight, ratio), QImage::Format_ARGB32_Premultiplied);
  fresh.fill(back);
  PrepareForText(fresh);
  fresh.setDevicePixelRatio(ratio);
  return fresh;
}

// The picture at a new size: what was drawn stays where it was, the rest takes the back colour.
QImage Resized(const QImage& picture, double scaleWidth, double scaleHeight, double ratio, const QColor& back) {
  QImage fresh = FreshPicture(scaleWidth, scaleHeight, ratio, back);
  QPainter painter(&fresh);
  painter.drawImage(QPointF(0, 0), picture);
  painter.end();
  return fresh;
}
}  // namespace

QImage& Surface::Picture() const {
  if (image_.isNull() && kept_) PaintKept();
  if (image_.isNull()) image_ = FreshPicture(scaleWidth_, scaleHeight_, pixelRatio_, back_);
  if (waiting_ > 0) PaintWaiting();
  return image_;
}

void Surface::PaintKept() const {
  const Kept kept = std::move(*kept_);
  kept_.reset();
  image_ = FreshPicture(kept.Width, kept.Height, pixelRatio_, kept.Back);
  std::size_t painted = kept.From;
  const auto paintUpTo = [&](std::size_t end) {
    QPainter painter(&image_);
    PaintOps(painter, drawn_, painted, end, &image_);
    painted = end;
  };
  for (const KeptSize& size : kept.Sizes) {
    paintUpTo(size.Drawn);
    image_ = Resized(image_, size.Width, size.Height, pixelRatio_, size.Back);
  }
  paintUpTo(kept.To);
}

QImage Surface::ShownImage() const {
  if (!image_.isNull() || !kept_) return Image();
  const Kept kept = *kept_;
  QImage shown = Picture();
  image_ = QImage();
  kept_ = kept;
  return shown;
}

bool Surface::Keeps() {
  // Only an unclipped operation that drawn_ holds can wait; one that cannot makes the picture
  // first, with what waited.
  if (!image_.isNull() || !clip_.isEmpty() || !drawnWhole_) return false;
  if (!kept_) kept_ = Kept{back_, scaleWidth_, scaleHeight_, drawn_.size() - 1, drawn_.size() - 1, {}};
  kept_->To = drawn_.size();
  return true;
}

void Surface::PaintWaiting() const {
  const std::size_t count = waiting_;
  waiting_ = 0;
  if (!painter_.Painter) painter_.Painter = std::make_unique<QPainter>(&image_);
  QPainter& painter = *painter_.Painter;
  painter.setClipping(false);  // only unclipped operations wait
  PaintOps(painter, drawn_, 0, count, &image_);
}

bool Surface::Repeats(const SurfaceOp& op) {
  if (!repeating_) return false;
  if (clip_.isEmpty() && waiting_ < backgroundOps_.size() && drawn_.size() == waiting_ + 1 &&
      backgroundOps_[waiting_] == op) {
    ++waiting_;
    return true;
  }
  repeating_ = false;
  if (waiting_ > 0) PaintWaiting();
  return false;
}

void Surface::SetKeepingBackground(bool on) {
  keeping_ = on;
  if (!on) ForgetBackground();
}

void Surface::KeepAsBackground() {
  if (!keeping_) return;
  if (repeating_ && waiting_ == backgroundOps_.size() && drawn_.size() == waiting_) {
    // Drawn exactly as the kept background: its picture is this one.
    painter_.End();
    image_ = backgroundImage_;
    waiting_ = 0;
    repeating_ = false;
    return;
  }
  repeating_ = false;
  if (!drawnWhole_ || !clip_.isEmpty() || drawn_.empty()) {
    ForgetBackground();
    return;
  }
  backgroundOps_ = drawn_;
  backgroundBack_ = back_;
  backgroundImage_ = Image();
}

void Surface::ForgetBackground() {
  if (waiting_ > 0) PaintWaiting();
  repeating_ = false;
  backgroundOps_.clear();
  backgroundImage_ = QImage();
}

void Surface::Reallocate() {
  ForgetBackground();
  painter_.End();
  if (image_.isNull()) {
    // Nothing drawn yet: the picture is made at its size when needed. What is kept takes the
    // size when the picture is made.
    if (kept_) kept_->Sizes.push_back({kept_->To, scaleWidth_, scaleHeight_, back_});
    return;
  }
  image_ = Resized(image_, scaleWidth_, scaleHeight_, pixelRatio_, back_);
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
  ForgetBackground();
  pixelRatio_ = ratio;
  painter_.End();
  image_ = QImage();  // a new resolution: what was drawn is drawn again by the owner
  kept_.reset();
  Changed();
}

void Surface::Record(const SurfaceOp& op) {
  if (recording_) ops_.push_back(op);
  if (op.What == SurfaceOp::Kind::Clear) {
    drawn_.clear();
    drawnWhole_ = true;
  } else if (drawn_.size() < MaxKeptOps) {
    drawn_.push_back(op);
  } else {
    drawnWhole_ = false;
  }
}

void Surface::Clear() {
  waiting_ = 0;  // a new picture: what waited is no longer to be painted
  painter_.End();
  // A picture not made yet stays so: it is kept from here as the back colour alone.
  if (image_.isNull()) kept_ = Kept{back_, scaleWidth_, scaleHeight_, 0, 0, {}};
  else Picture().fill(back_);
  CurrentX = 0;
  CurrentY = 0;
  Record({SurfaceOp::Kind::Clear, 0, 0, 0, 0, back_, false, {}, {}, 0});
  repeating_ = keeping_ && !backgroundImage_.isNull() && back_ == backgroundBack_;
  Changed();
}

void Surface::Replay(QPainter& painter) const {
  Image();  // what waited is painted and the picture's painter closed
  painter.save();
  if (!drawnWhole_ || !clip_.isEmpty()) {
    painter.drawImage(QRectF(0, 0, TwipsToPixels(scaleWidth_), TwipsToPixels(scaleHeight_)), Picture());
  } else {
    painter.fillRect(QRectF(0, 0, TwipsToPixels(scaleWidth_), TwipsToPixels(scaleHeight_)), back_);
    PaintOps(painter, drawn_, 0, drawn_.size(), &Picture());
  }
  painter.restore();
}

void Surface::ApplyClip(QPainter& painter) const {
  if (clip_.isEmpty()) {
    painter.setClipping(false);
    return;
  }
  const double k = TwipsPerPixel();
  painter.setClipRect(QRectF(clip_.x() / k, clip_.y() / k, clip_.width() / k, clip_.height() / k));
}

void Surface::Line(double x1, double y1, double x2, double y2) {
  const bool patterned = dotted_ || dashed_;
  if (!patterned || x1 != CurrentX || y1 != CurrentY) phase_ = 0;
  const SurfaceOp op{SurfaceOp::Kind::Line, x1, y1, x2, y2, fore_, dotted_, {}, {}, 0, lineWidth_, dashed_ && !dotted_,
                     phase_};
  if (patterned) phase_ += std::hypot(x2 - x1, y2 - y1) / TwipsPerPixel();
  Record(op);
  if (!Repeats(op) && !Keeps()) {
    QPainter& painter = Painting();
    ApplyClip(painter);
    PaintOp(painter, op, 0);
  }
  CurrentX = x2;
  CurrentY = y2;
  Changed();
}

void Surface::Print(const QString& text) {
  const double width = TextWidth(text);
  const SurfaceOp op{SurfaceOp::Kind::Text, CurrentX, CurrentY, CurrentX + width, CurrentY + TextHeight(), fore_,
                     false, text, fontName_, fontSize_};
  Record(op);
  if (!Repeats(op) && !Keeps() && !text.isEmpty()) {
    QPainter& painter = Painting();
    ApplyClip(painter);
    PaintOp(painter, op, Metrics().ascent());
  }
  CurrentX += width;
  Changed();
}

namespace {
// A surface not drawn on yet measures on a one-pixel stand-in of the same resolution rather than
// taking its picture's memory.
const QImage& StandIn() {
  static const QImage standIn = [] {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    PrepareForText(image);
    return image;
  }();
  return standIn;
}
}  // namespace

const QFontMetricsF& Surface::Metrics() const {
  if (!metrics_ || metricsName_ != fontName_ || metricsSize_ != fontSize_) {
    metrics_ = std::make_shared<QFontMetricsF>(MakeFont(fontName_, fontSize_),
                                               image_.isNull() ? &StandIn() : &image_);
    metricsName_ = fontName_;
    metricsSize_ = fontSize_;
    widths_.clear();
  }
  return *metrics_;
}

double Surface::TextWidth(const QString& text) const {
  // Shaping a text is the slow part of drawing a plane, and its numbers come back every time.
  const QFontMetricsF& metrics = Metrics();
  if (const auto known = widths_.constFind(text); known != widths_.cend()) return PixelsToTwips(*known);
  if (widths_.size() > 2000) widths_.clear();
  const double pixels = metrics.horizontalAdvance(text);
  widths_.insert(text, pixels);
  return PixelsToTwips(pixels);
}

double Surface::TextHeight(const QString& text) const {
  (void)text;
  return PixelsToTwips(Metrics().height());
}

bool Surface::LoadPicture(const QString& path) {
  QImage picture;
  if (!picture.load(path)) return false;
  ForgetBackground();
  painter_.End();
  kept_.reset();  // the file replaces whatever was drawn
  Picture().fill(back_);
  QPainter painter(&Picture());
  painter.drawImage(QPointF(0, 0), picture);
  drawn_.clear();
  drawnWhole_ = false;  // a picture is not lines and texts
  Changed();
  return true;
}

bool Surface::SaveBitmap(const QString& path) const { return SaveImage(path, "BMP"); }

bool Surface::SaveImage(const QString& path, const char* format, int quality) const {
  // Saved files carry the picture as seen, flattened on the back colour.
  QImage flat = Image().convertToFormat(QImage::Format_RGB32);
  flat.setDevicePixelRatio(1.0);
  return flat.save(path, format, quality);
}
