// SPDX-License-Identifier: MIT
// The module "zorbit_svg": the SVG writer, a library of its own so that Qt SVG is loaded when a
// graph is first saved as SVG, not when the program starts.
#include <QSvgGenerator>

// A paint device that writes `path` when its painter ends; the caller deletes it.
extern "C" Q_DECL_EXPORT QPaintDevice* ZorbitSvgDevice(const QString& path, const QSize& size, int dotsPerInch,
                                                       const QString& title) {
  auto* svg = new QSvgGenerator;
  svg->setFileName(path);
  svg->setSize(size);
  svg->setViewBox(QRect(QPoint(0, 0), size));
  svg->setResolution(dotsPerInch);
  svg->setTitle(title);
  return svg;
}
