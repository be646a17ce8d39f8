// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "platform/seams.h"
#include "tools/tools_list.h"

// True when the text, in any case, holds ".exe", ".com" or ".bat" anywhere.
bool IsProgramText(const QString& text);

// The command line of a tool: File and Params joined by a blank and trimmed, with WorkDir and a
// separator in front when WorkDir is given.
QString ToolCommandLine(const ToolRecord& tool);

// How a tool is started. A program runs directly with its arguments (split as a shell would split
// words, double quotes keeping blanks together, but no shell ever runs); anything else is a
// document, a folder or an address that the desktop's default application opens.
struct ToolLaunch {
  bool IsProgram = false;
  ProcessCommand Command;
  WindowStyle Style = WindowStyle::NormalFocus;
};

// A tool is a program when its command line passes IsProgramText, or when the file it names (or
// the first word of the command line) is an executable file or a command on the PATH.
ToolLaunch PrepareTool(const ToolRecord& tool);

// Runs the tool at `position` (1..12) of the program-wide list. A tool that cannot be started, or
// a document that does not exist, is reported in a message box; nothing is waited for.
void RunTool(int position, const Seams& seams = DefaultSeams());
void RunTool(const ToolRecord& tool, const Seams& seams = DefaultSeams());

// Opens a file with the application the desktop associates with it, without waiting. A relative
// path is taken from the current folder. A missing file, or no application to start, is reported.
void OpenDocument(const QString& path, const Seams& seams = DefaultSeams());

// Opens the manual "Zorbit.pdf" where the program keeps it (ManualPath) with the desktop's
// application for it. Nothing is reported here: the answer says whether the manual is on its way
// or why not, and the caller tells the user and offers the manual another way.
enum class ManualOpening { Started, Missing, NoViewer };
ManualOpening OpenManual(const Seams& seams = DefaultSeams());
