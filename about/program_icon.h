// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon: an arrow from the origin of the complex plane onto the unit circle. The
// application's window icon when one is set, else the pictures the build drew of it
// (about/program_icon_drawing.h).
QIcon ProgramIcon();
