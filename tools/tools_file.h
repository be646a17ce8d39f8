// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include "tools/tools_list.h"

// "Tools.rel": four lines per tool (Title, File, WorkDir, Params) in list order, then one empty
// line as end mark; every line ends with CR LF. It is written in UTF-8; a list in 8-bit text, as
// older versions wrote it, is read as Latin-1.
inline constexpr const char* ToolsFileName = "Tools.rel";

// Reads a tools file into `list`. Fails when the file cannot be opened or read, or when it holds a
// 13th tool; `list` then keeps what was read, at most 12 tools (none when the file is missing).
// Reading stops at the first empty title line, so lines after the end mark are never read.
bool LoadTools(ToolsList& list, const QString& path);

// Reads "Tools.rel" of the current folder into the program-wide list.
bool LoadTools();

// The bytes of the file for a list. A line break typed into a field would split the record, so
// it is written as a blank.
QByteArray ToolsFileBytes(const ToolsList& list);

// Writes `list` to `path` through a temporary file that replaces the old one only when all of it
// has been written: a failure (full disk, read-only file or folder) leaves the old file as it was.
// A file whose read-only attribute is set is never replaced, even by an administrator. On failure
// `error`, when given, receives a sentence for the user.
bool SaveTools(const ToolsList& list, const QString& path, QString* error = nullptr);

// Writes the program-wide list to "Tools.rel" of the current folder.
bool SaveTools(QString* error = nullptr);
