// SPDX-License-Identifier: MIT
// The floor bench/startup measures Zorbit against: an empty Qt main window of the main window's
// size, shown and reported through the same probe.
#include <QApplication>
#include <QMainWindow>

#include "app/shown_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(800, 640);
  ExitWhenShown(window);
  window.show();
  return QApplication::exec();
}
