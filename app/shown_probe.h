// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Resident memory of this process in kB, read where Linux keeps it; 0 elsewhere.
long ResidentKilobytes();

// For the start-up benchmark (bench/startup), which sets ZORBIT_EXIT_WHEN_SHOWN: once `window`
// has been painted on screen for the first time, writes "shown_ns <wall clock in ns>" to
// standard output; a second later, with the event loop running all the while, writes
// "resident_kb <resident memory>" and ends the program. The bare window it is compared with
// reports through the same code.
void ExitWhenShown(QWidget& window);
