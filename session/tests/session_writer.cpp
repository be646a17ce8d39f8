// SPDX-License-Identifier: MIT
// session_writer <folder> <first generation>: saves generation after generation into the folder's
// session file until it is killed. It says "ready" once the first save is on disk.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QString>

#include "session/session_file.h"
#include "session/tests/session_generation.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  std::int64_t g = std::atoll(argv[2]);
  for (bool first = true;; first = false, ++g) {
    if (!SaveSession(Generation(g), folder)) return 1;
    if (first) {
      std::puts("ready");
      std::fflush(stdout);
    }
  }
}
