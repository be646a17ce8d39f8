// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

// The family every window of the program writes in, the main window's: asked for by this name,
// the family the system actually gives for it is ProgramFontFamily().
inline constexpr const char* ProgramFontName = "DejaVu Sans";
// The main window's text size, in points; the secondary windows' ordinary text has it too.
inline constexpr double ProgramFontSize = 8.5;

// The installed family that ProgramFontName resolves to.
QString ProgramFontFamily();
// The program's family at `points` (ProgramFontSize when not given).
QFont ProgramFont(double points = ProgramFontSize);
