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
#include <optional>
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
  // when it is first asked for, or drawn on with a clip: until then the lines and texts are only
  // kept, with the sizes the picture took between them, and painted on it then as they would
  // have been. Graph windows made at load may never be shown.
  const QImage& Image() const;
  // The same picture, for showing it: while it is not made, painted for the moment and not kept,
  // so that a picture only shown takes its memory only while a picture box paints it.
  QImage ShownImage() const;
  // While on (a point is being dragged), what has been drawn since the last clear when
  // KeepAsBackground is called is kept as a background with its image: a picture that draws the
  // same again from a clear (a plane's axes and numbers, while only the arrows move) takes the
  // image instead of painting it, the same pixels without the cost of the lines and texts. Off,
  // the background and its memory are let go.
  void SetKeepingBackground(bool on);
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
  // Makes the picture kept as operations, painting them at the sizes it took between them.
  void PaintKept() const;
  // True when the operation just recorded can wait for the picture, which is not made yet.
  bool Keeps();
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
  // The background: its operations from a clear, and the picture they make.
  std::vector<SurfaceOp> backgroundOps_;
  QColor backgroundBack_;
  QImage backgroundImage_;
  // While a picture repeats the kept background from its clear, the operations of drawn_ before
  // this index are not painted yet.
  mutable std::size_t waiting_ = 0;
  bool repeating_ = false;
  bool keeping_ = false;
  bool drawnWhole_ = true;        // drawn_ holds the whole picture
  // The picture not made yet: its back colour and size when it would have been made, the
  // operations of drawn_ from `From` to `To` on it, and each size it took once drawn_ held `Drawn`.
  struct KeptSize {
    std::size_t Drawn;
    double Width, Height;
    QColor Back;
  };
  struct Kept {
    QColor Back;
    double Width, Height;
    std::size_t From, To;
    std::vector<KeptSize> Sizes;
  };
  mutable std::optional<Kept> kept_;

};
