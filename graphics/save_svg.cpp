// SPDX-License-Identifier: MIT
#include "graphics/save_svg.h"

#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "platform/surface.h"
#include "platform/twips.h"

bool SaveSurfaceSvg(const Surface& surface, const QString& path, const QString& title) {
  const QSize size(std::max(1, TwipsToPixelsRounded(surface.ScaleWidth())),
                   std::max(1, TwipsToPixelsRounded(surface.ScaleHeight())));
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  // Points become pixels as on the surface, so that texts keep their size beside the lines.
  svg.setResolution(static_cast<int>(std::lround(TwipsPerInch / TwipsPerPixel())));
  svg.setTitle(title);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  surface.Replay(painter);
  return painter.end();
}
