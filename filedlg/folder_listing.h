// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The entries of one folder as the dialog lists them: subfolders and ordinary files (no hidden
// entries, no devices, sockets or broken links), each sorted by name whatever the case of letters.
struct FolderListing {
  QStringList Folders;
  QStringList Files;
};

// One pass over the folder, so that a folder of many thousand files lists at once.
FolderListing ListFolder(const QString& folder);

// The files whose names match one of the patterns ("*.txt", "sheet?.*"), in any case of letters.
// "*" matches every file.
QStringList MatchingFiles(const QStringList& files, const QStringList& patterns);
