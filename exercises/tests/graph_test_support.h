// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "platform/surface.h"
#include "platform/twips.h"

// A graph picture: white with a red band across, `w` by `h` pixels, so that two pictures of
// different sizes can be told apart in the files they become.
inline Surface GraphPicture(int w = 120, int h = 90) {
  Surface surface(PixelsToTwips(w), PixelsToTwips(h));
  surface.SetForeColor(Qt::red);
  for (int y = h / 2 - 4; y <= h / 2 + 4; ++y) surface.Line(0, PixelsToTwips(y), PixelsToTwips(w - 1), PixelsToTwips(y));
  return surface;
}

// Makes a temporary folder the current folder for the life of the object, as the program
// folder is the current folder while the program runs.
class WorkInTemporaryFolder {
 public:
  WorkInTemporaryFolder() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~WorkInTemporaryFolder() { QDir::setCurrent(old_); }
  QString path() const { return dir_.path(); }
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QString old_;
};
