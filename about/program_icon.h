// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon: an arrow from the origin of the complex plane onto the unit circle. The
// application's window icon when one is set, else this drawing.
QIcon ProgramIcon();

// The drawing itself, at a given size in pixels.
QPixmap DrawProgramIcon(int size);
