// SPDX-License-Identifier: MIT
#include "about/program_icon.h"

#include <QApplication>

#include "about/program_icon_drawing.h"
#include "platform/raw_picture.h"

QIcon ProgramIcon() {
  const QIcon set = QApplication::windowIcon();
  if (!set.isNull() && !set.availableSizes().isEmpty()) return set;
  QIcon icon;
  for (int size : ProgramIconSizes) {
    const QImage pixels = RawResourcePicture(QStringLiteral(":/zorbit/icons/program-%1.argb").arg(size), {size, size});
    if (!pixels.isNull()) icon.addPixmap(QPixmap::fromImage(pixels));
  }
  return icon;
}
