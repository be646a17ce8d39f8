// SPDX-License-Identifier: MIT
#include "platform/font_warmup.h"

#if defined(__linux__)
#include <dlfcn.h>
#endif

FontWarmUp::FontWarmUp() {
#if defined(__linux__)
  // Qt's font database is the only user of fontconfig here, and it links it: the function is found
  // among the libraries already loaded, so this program needs neither its headers nor its library.
  // Qt asks fontconfig for the same configuration later and finds it read; should both ask at
  // once, fontconfig keeps one of the two and frees the other.
  using Init = int (*)();
  if (auto* init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) reader_ = std::thread(init);
#endif
}

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait() {
  if (reader_.joinable()) reader_.join();
}
