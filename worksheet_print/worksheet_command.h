// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// Zorbit --worksheet OUT.pdf [--exercises N] [--kinds binary,power,roots,combined,forms] [--seed S]
//        [--decimals D] [--graphs] [--title T] [--instructions I] [--space none|some|much]
//        [--versions N] [--polar-operands] [--working] [--language en|ca|es]
// makes a worksheet without a window: a PDF, or the text form when OUT ends in ".txt".

// Runs the command with the arguments that follow the program's name. Prints nothing on
// success and answers 0; a bad argument gets one line on stderr naming it and 2; a sheet that
// cannot be made or written gets one line and 1. Needs a QGuiApplication.
int RunWorksheetCommand(const QStringList& arguments);

// The whole program for the command: renders offscreen when there is no display, makes the
// application object and runs the command.
int WorksheetMain(int argc, char* argv[]);
