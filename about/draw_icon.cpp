// SPDX-License-Identifier: MIT
// Draws the program's window icon at each size into files of raw pixels (32-bit premultiplied
// ARGB words in this machine's byte order, row after row), which the program wraps as they lie in
// its resources: nothing is drawn or decoded at start. draw_icon <folder>.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "about/program_icon_drawing.h"
#include "platform/raw_picture.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  for (int size : ProgramIconSizes) {
    if (!WriteRawPicture(folder.filePath(QStringLiteral("program-%1.argb").arg(size)), DrawProgramIcon(size).toImage()))
      return 1;
  }
  return 0;
}
