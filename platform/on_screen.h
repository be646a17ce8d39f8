// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class QApplication;
class QWidget;

// The available area (the screen without its panels and docks) of the screen that holds the
// centre of `wanted`, or of the primary screen when none does.
QRect AvailableAreaFor(const QRect& wanted);

// `wanted` made no larger than `area`, then moved the least distance that puts all of it inside.
QRect FitInside(const QRect& wanted, const QRect& area);

// Gives a top-level window the client rectangle `client`, shrunk and moved so that the window
// with its frame lies inside the available area. A window that cannot shrink so far keeps its
// minimum size, its top left corner inside the area.
void PlaceOnScreen(QWidget& window, const QRect& client);

// Each time `window` is shown it is placed inside its screen's available area, its frame
// included.
void KeepOnScreen(QWidget& window);

// From now on every window or dialog the application shows opens inside its screen's available
// area, whatever size it asked for.
void KeepWindowsOnScreen(QApplication& app);
