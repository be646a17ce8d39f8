// SPDX-License-Identifier: MIT
#include "platform/seams.h"

Seams& DefaultSeams() {
  static QtMessages messages;
  static QtProcesses processes;
  static Seams seams{&messages, &processes};
  return seams;
}
