// SPDX-License-Identifier: MIT
#include "platform/program_font.h"

#include <QFontInfo>

QString ProgramFontFamily() {
  // Resolved once: the font database does not change while the program runs.
  static const QString family = QFontInfo(QFont(QString::fromLatin1(ProgramFontName))).family();
  return family;
}

QFont ProgramFont(double points) {
  QFont font(ProgramFontFamily());
  font.setPointSizeF(points);
  return font;
}
