// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Surface;

// Writes the surface's drawing as SVG: the same lines and texts as on the screen, as vectors.
// Only the save path uses the SVG writer, so nothing of it is loaded before the first SVG save.
bool SaveSurfaceSvg(const Surface& surface, const QString& path, const QString& title);
