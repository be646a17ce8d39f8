// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The folder that holds the running program and its companions (Kovel, Trasko). Tests, whose
// executables live elsewhere, point it at the build's program folder with the environment
// variable ZORBIT_PROGRAM_DIR or with SetExecutableFolder.
QString ExecutableFolder();
void SetExecutableFolder(const QString& folder);

// The folder the program works in: the executable's folder, or the per-user application data
// folder when that is not writable (a system-wide install). "Tools.rel", "Lng.txt", "Prbls" and
// "Graphs" live here.
QString WorkFolder();

// Makes the work folder the current folder and returns it.
QString EnterWorkFolder();
