// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One drawing operation, as recorded for tests and kept to draw the picture again at another
// size. A text's box is (X1, Y1) to (X2, Y2).
struct SurfaceOp {
  enum class Kind { Clear, Line, Text };
  Kind What = Kind::Clear;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;  // twips; a text's position is (X1, Y1)
  QColor Color;
  bool Dotted = false;
  QString Text;
  QString FontName;
  double FontSize = 0;  // points
  double Width = 1;     // a line's width in logical pixels
  bool Dashed = false;  // a line drawn in dashes
  double Phase = 0;     // where in its pattern a dashed or dotted line starts, in logical pixels

  bool operator==(const SurfaceOp&) const = default;
};

// A picture surface with a retained picture: what is drawn on it stays, so it can be repainted,
// saved as an image and grown. Positions and sizes are twips, origin top left, y downwards.
// The drawable area (ScaleWidth x ScaleHeight) lies inside an optional border; Width and Height
// are the outer size.
class Surface {
 public:
  // A surface of the given drawable size in twips. `pixelRatio` is the device pixel ratio of the
  // screen it is shown on, so that lines stay crisp on high-DPI screens.
  explicit Surface(double scaleWidth = 1500, double scaleHeight = 1500, double pixelRatio = 1.0);
  ~Surface();
  Surface(const Surface&) = default;
  Surface& operator=(const Surface&) = default;
  Surface(Surface&&) = default;
  Surface& operator=(Surface&&) = default;

  double ScaleWidth() const { return scaleWidth_; }
  double ScaleHeight() const { return scaleHeight_; }
  double Width() const { return scaleWidth_ + border_; }
  double Height() const { return scaleHeight_ + border_; }
  double Border() const { return border_; }
  void SetBorder(double twips);

  // Resizes the drawable area; what was drawn stays where it was (clipped when shrinking).
  void SetScaleSize(double scaleWidth, double scaleHeight);
  // Resizes from the outer size, the way a window sets a control's Width and Height.
  void SetOuterSize(double width, double height);
  void SetPixelRatio(double ratio);

  QColor ForeColor() const { return fore_; }
  void SetForeColor(const QColor& color) { fore_ = color; }
  QColor BackColor() const { return back_; }
  void SetBackColor(const QColor& color) { back_ = color; }
  bool Dotted() const { return dotted_; }
  void SetDotted(bool dotted) { dotted_ = dotted; }
  bool Dashed() const { return dashed_; }
  void SetDashed(bool dashed) { dashed_ = dashed; }
  // The width of lines, in logical pixels.
  double LineWidth() const { return lineWidth_; }
  void SetLineWidth(double pixels) { lineWidth_ = pixels > 0 ? pixels : 1.0; }

  // Confines lines and texts to a rectangle in twips (a table keeps each text inside its cell),
  // until ClearClip. Clearing the whole picture is never confined.
  void SetClip(double x, double y, double width, double height) { clip_ = QRectF(x, y, width, height); }
  void ClearClip() { clip_ = QRectF(); }

  // Fills the whole picture with the back colour and puts the text position at the origin.
  void Clear();
  // A line in the fore colour and the current style.
  void Line(double x1, double y1, double x2, double y2);

  // Text: printed with its top left corner at (CurrentX, CurrentY); printing advances CurrentX.
  double CurrentX = 0;
  double CurrentY = 0;
  QString FontName() const { return fontName_; }
  double FontSize() const { return fontSize_; }
  void SetFontName(const QString& name) { fontName_ = name; }
  void SetFontSize(double points) { fontSize_ = points; }
  void Print(const QString& text);
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text = QStringLiteral("X")) const;

  // The retained picture, in device pixels with the surface's pixel ratio. Its memory is taken
  // when it is first drawn on or asked for, filled with the back colour of that moment; until
  // then resizing costs nothing (graph windows made at load may never be shown).
  const QImage& Image() const;
  // What has been drawn since the last clear is a background that the next pictures start with
  // (a plane's axes and numbers, while only the arrows move). Once the same background has been
  // drawn twice, its image is kept, and a picture that draws it again from a clear takes the
  // image instead of painting it: the same pixels, without the cost of the lines and texts.
  void KeepAsBackground();
  // Replaces the picture with an image file (drawn at the top left); false when it cannot be read.
  bool LoadPicture(const QString& path);
  bool SaveBitmap(const QString& path) const;
  bool SaveImage(const QString& path, const char* format, int quality = -1) const;
  // Paints what was drawn since the last clear on a painter whose units are the surface's logical
  // pixels, so that any device and any scale gets the same drawing: lines and texts again, or
  // the retained image when a picture was loaded or too much was drawn to keep.
  void Replay(QPainter& painter) const;

  // Tests record what is drawn.
  void StartRecording() { recording_ = true; ops_.clear(); }
  const std::vector<SurfaceOp>& Recorded() const { return ops_; }

  // The widget that shows the surface listens here.
  std::function<void()> OnChanged;
  std::function<void(double width, double height)> OnOuterResize;

 private:
  void Reallocate();
  QImage& Picture() const;
  void Changed() { if (OnChanged) OnChanged(); }
  void Record(const SurfaceOp& op);
  void ApplyClip(class QPainter& painter) const;
  // The metrics of the current font, kept while the font stays: measuring is frequent.
  const QFontMetricsF& Metrics() const;
  // True when `op`, just recorded, repeats the kept background: it waits, unpainted.
  bool Repeats(const SurfaceOp& op);
  // Paints the operations that waited, once the picture has left the kept background.
  void PaintWaiting() const;
  void ForgetBackground();

  double scaleWidth_;
  double scaleHeight_;
  double border_ = 0;
  double pixelRatio_;
  QColor fore_ = Qt::black;
  QColor back_ = Qt::white;
  bool dotted_ = false;
  bool dashed_ = false;
  double lineWidth_ = 1.0;
  double phase_ = 0;  // how far the pattern has run along lines drawn end to end
  QString fontName_ = QStringLiteral("DejaVu Sans");
  double fontSize_ = 9;
  // One painter stays open on the image while lines and texts follow each other, and is closed
  // before anyone reads or changes the image otherwise. A copy or a move closes it first, so
  // that the image copied is whole; the copy opens its own.
  struct OpenPainter {
    mutable std::unique_ptr<QPainter> Painter;
    OpenPainter() = default;
    OpenPainter(const OpenPainter& other) { other.End(); }
    OpenPainter(OpenPainter&& other) noexcept { other.End(); }
    OpenPainter& operator=(const OpenPainter& other) {
      End();
      other.End();
      return *this;
    }
    OpenPainter& operator=(OpenPainter&& other) noexcept {
      End();
      other.End();
      return *this;
    }
    void End() const { Painter.reset(); }
  };
  QPainter& Painting();
  OpenPainter painter_;  // before the image: closed before the image is copied
  mutable QImage image_;  // null until first needed
  QRectF clip_;  // twips; empty: the whole picture
  bool recording_ = false;
  std::vector<SurfaceOp> ops_;
  std::vector<SurfaceOp> drawn_;  // since the last clear
  mutable std::shared_ptr<QFontMetricsF> metrics_;
  mutable QString metricsName_;
  mutable double metricsSize_ = -1;
  mutable QHash<QString, double> widths_;  // pixels, in the current font
  // The background: its operations from a clear, and once drawn twice, the picture they make.
  std::vector<SurfaceOp> backgroundOps_;
  QColor backgroundBack_;
  QImage backgroundImage_;
  // While a picture repeats the kept background from its clear, the operations of drawn_ before
  // this index are not painted yet.
  mutable std::size_t waiting_ = 0;
  bool repeating_ = false;
  bool drawnWhole_ = true;        // drawn_ holds the whole picture

};
