// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

// The program's icon, an arrow from the origin of the complex plane onto the unit circle, drawn at
// a size in pixels. The build draws it once into the pictures the program shows as its window
// icon (about/draw_icon.cpp); the installed desktop icon is the SVG in packaging/.
QPixmap DrawProgramIcon(int size);

// The sizes drawn.
inline constexpr int ProgramIconSizes[] = {16, 24, 32, 48, 64, 128};
