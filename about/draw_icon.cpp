// SPDX-License-Identifier: MIT
// Draws the program's window icon at each size into files of raw pixels (32-bit premultiplied
// ARGB words in this machine's byte order, row after row), which the program wraps as they lie in
// its resources: nothing is drawn or decoded at start. draw_icon <folder>.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "about/program_icon_drawing.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  for (int size : ProgramIconSizes) {
    const QString path = folder.filePath(QStringLiteral("program-%1.argb").arg(size));
    const QImage pixels = DrawProgramIcon(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile file(path);
    const auto bytes = static_cast<qint64>(pixels.sizeInBytes());
    if (pixels.bytesPerLine() != size * 4 || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(pixels.constBits()), bytes) != bytes) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
