// SPDX-License-Identifier: MIT
// Trasko <bitmap path>
// Reads the picture and writes <same path without extension>.jpg beside it. The JPEG appears
// complete or not at all (written to a temporary file and renamed), because Zorbit takes the
// file's appearance as the sign that the conversion is over.
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int JpegQuality = 92;

// The path up to the last "." of its file-name part, so "(1.5+i)+(2).bmp" keeps "(1.5+i)+(2)".
QString WithoutExtension(const QString& path) {
  const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return dot > separator ? path.left(dot) : path;
}

int Fail(const QString& text) {
  std::fprintf(stderr, "Trasko: %s\n", qPrintable(text));
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  if (arguments.isEmpty()) return Fail(QStringLiteral("usage: Trasko <bitmap path>"));
  // A path with blanks typed unquoted at a prompt arrives in pieces: it is one path.
  const QString bitmapPath = arguments.join(QLatin1Char(' '));

  QImageReader reader(bitmapPath);
  QImage image = reader.read();
  if (image.isNull()) return Fail(bitmapPath + QStringLiteral(": ") + reader.errorString());
  // JPEG has no alpha channel: flatten onto white rather than onto black.
  if (image.hasAlphaChannel()) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage flat(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
      const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
      QRgb* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
      for (int x = 0; x < argb.width(); ++x) {
        const int a = qAlpha(in[x]);
        auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
        out[x] = qRgb(mix(qRed(in[x])), mix(qGreen(in[x])), mix(qBlue(in[x])));
      }
    }
    image = flat;
  }

  const QString jpegPath = WithoutExtension(bitmapPath) + QStringLiteral(".jpg");
  QSaveFile file(jpegPath);
  if (!file.open(QIODevice::WriteOnly)) return Fail(jpegPath + QStringLiteral(": ") + file.errorString());
  QImageWriter writer(&file, "jpg");
  writer.setQuality(JpegQuality);
  writer.setOptimizedWrite(true);
  if (!writer.write(image)) {
    file.cancelWriting();
    return Fail(jpegPath + QStringLiteral(": ") + writer.errorString());
  }
  if (!file.commit()) return Fail(jpegPath + QStringLiteral(": ") + file.errorString());
  return 0;
}
