// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Kovel opens a folder in the desktop's file browser. It shares nothing with Zorbit.

// The path to open for a command-line argument: cut to its first 255 characters; when it holds
// a ".", everything after its last separator ("\" or "/") goes, so a file's path becomes its
// folder's. With a "." but no separator the text names an entry of `currentFolder`, which is
// then the folder opened.
QString FolderToOpen(const QString& argument, const QString& currentFolder);

// Asks the desktop to open `path`; false when the path does not exist or the desktop's opener
// cannot be started or reports a failure.
bool OpenWithDesktop(const QString& path);

// The whole program: opens the first argument's folder and reports "Not found" on failure.
// Always 0.
int OpenerMain(int argc, char** argv);
