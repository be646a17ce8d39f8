// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The folder that holds the running program. Tests, whose executables live elsewhere, point it
// at the build's program folder with the environment variable ZORBIT_PROGRAM_DIR or with
// SetExecutableFolder.
QString ExecutableFolder();
void SetExecutableFolder(const QString& folder);

// How the program's own files lie around it. Built (or unpacked anywhere), the companions, the
// manual and the help pages sit beside the program. Installed under a prefix, the program is
// <prefix>/bin/Zorbit, the companions are in <prefix>/lib/zorbit, the manual in
// <prefix>/share/doc/zorbit and the help pages in <prefix>/share/zorbit. A program folder whose
// neighbour holds the companions' folder is an installed one.
enum class ProgramLayout { Beside, Installed };
ProgramLayout CurrentLayout();

// The one place that answers where the program's own files are. These paths may name files that
// are missing; callers test for them and report.
QString CompanionFolder();  // Kovel, Trasko and the help viewer
QString ManualPath();       // Zorbit.pdf
QString PagesFolder();      // the help pages and their pictures

// The folder the program works in: "Tools.rel", "Lng.txt", "Prbls", "Graphs" and the session live
// here. Beside its files, that is the program's folder while it is writable; installed, or when
// the folder is read-only, it is the per-user application data folder, made on first use. An
// installed program never writes into its prefix, even when run by a user who could.
QString WorkFolder();
// Tests give each run a work folder of its own, so that what the program keeps there (the
// session) never reaches the build's folder or another test. Empty: the folder above.
void SetWorkFolder(const QString& folder);

// Makes the work folder the current folder and returns it.
QString EnterWorkFolder();
