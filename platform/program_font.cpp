// SPDX-License-Identifier: MIT
#include "platform/program_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

QString ProgramFontFamily() {
  // Resolved once: the font database does not change while the program runs. A family installed
  // under the name is the one given for it; only another is asked of a font, which loads one.
  static const QString family = [] {
    const QString name = QString::fromLatin1(ProgramFontName);
    return QFontDatabase::families().contains(name) ? name : QFontInfo(QFont(name)).family();
  }();
  return family;
}

QFont ProgramFont(double points) {
  QFont font(ProgramFontFamily());
  font.setPointSizeF(points);
  return font;
}
