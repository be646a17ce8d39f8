// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

// Reads the system's font configuration on another core while the application connects to the
// display. The first text the main window lays out would otherwise wait for it: on Linux,
// fontconfig parses its configuration files and maps its caches on first use, which takes longer
// than building the window's panels. Elsewhere, and where fontconfig is not loaded, it does
// nothing.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

  // Waits until the configuration is read; at once when it already is.
  void Wait();

 private:
  std::thread reader_;
};
