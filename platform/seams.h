// SPDX-License-Identifier: MIT
#pragma once

#include "platform/messages.h"
#include "platform/processes.h"

// The seams the windows use. The program installs the Qt implementations at start; a test
// installs recording ones. Windows take a Seams in their constructor and default to these.
struct Seams {
  MessageSeam* Messages = nullptr;
  ProcessSeam* Processes = nullptr;
};

// The process-wide seams; until something is installed they are the Qt implementations.
Seams& DefaultSeams();
