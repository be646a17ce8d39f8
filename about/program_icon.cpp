// SPDX-License-Identifier: MIT
#include "about/program_icon.h"

#include <QApplication>
#include <QResource>

#include "about/program_icon_drawing.h"

QIcon ProgramIcon() {
  const QIcon set = QApplication::windowIcon();
  if (!set.isNull() && !set.availableSizes().isEmpty()) return set;
  QIcon icon;
  for (int size : ProgramIconSizes) {
    // The build drew the pictures into the resources as raw pixels, stored uncompressed; drawing
    // them here, or decoding PNG files, costs more at every start.
    const QResource pixels(QStringLiteral(":/zorbit/icons/program-%1.argb").arg(size));
    if (pixels.compressionAlgorithm() != QResource::NoCompression || pixels.size() != qint64(size) * size * 4) continue;
    icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
  }
  return icon;
}
