// SPDX-License-Identifier: MIT
#include "graphics/save_svg.h"

#include <QPainter>
#include <cmath>
#include <memory>

#include "platform/modules.h"
#include "platform/surface.h"
#include "platform/twips.h"

bool SaveSurfaceSvg(const Surface& surface, const QString& path, const QString& title) {
  using MakeSvgDevice = QPaintDevice* (*)(const QString&, const QSize&, int, const QString&);
  const auto make = reinterpret_cast<MakeSvgDevice>(ModuleFunction("zorbit_svg", "ZorbitSvgDevice"));
  if (make == nullptr) return false;
  const QSize size(std::max(1, TwipsToPixelsRounded(surface.ScaleWidth())),
                   std::max(1, TwipsToPixelsRounded(surface.ScaleHeight())));
  // Points become pixels as on the surface, so that texts keep their size beside the lines.
  const auto dotsPerInch = static_cast<int>(std::lround(TwipsPerInch / TwipsPerPixel()));
  const std::unique_ptr<QPaintDevice> svg(make(path, size, dotsPerInch, title));
  QPainter painter;
  if (!painter.begin(svg.get())) return false;
  surface.Replay(painter);
  return painter.end();
}
