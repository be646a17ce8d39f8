// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QResource>
#include <QString>
#include <cstdio>

// Pictures the build draws into the resources as raw pixels (32-bit premultiplied ARGB words in
// the machine's byte order, row after row), stored uncompressed and shown as they lie: drawing them
// at start, or decoding PNG files, costs more. A file may begin with a head of its drawing
// program's own, which the program asks for when it reads the picture. Header only: the drawing
// programs use Qt Gui alone.

// Writes `picture`'s pixels to the file `path`, after `head`; says on standard error when it cannot.
inline bool WriteRawPicture(const QString& path, const QImage& picture, const QByteArray& head = QByteArray()) {
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QByteArray bytes =
      head + QByteArray(reinterpret_cast<const char*>(pixels.constBits()), static_cast<qsizetype>(pixels.sizeInBytes()));
  QFile file(path);
  if (!pixels.isNull() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

// The picture of `size` in the resources at `path`, whose file begins with `head`; null where it
// is missing, compressed, of another size or begins otherwise.
inline QImage RawResourcePicture(const QString& path, QSize size, const QByteArray& head = QByteArray()) {
  const QResource stored(path);
  if (stored.compressionAlgorithm() != QResource::NoCompression ||
      stored.size() != head.size() + qint64(size.width()) * size.height() * 4 ||
      QByteArray::fromRawData(reinterpret_cast<const char*>(stored.data()), head.size()) != head)
    return {};
  return QImage(stored.data() + head.size(), size.width(), size.height(), QImage::Format_ARGB32_Premultiplied);
}
