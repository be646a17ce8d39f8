// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What Zorbit's command line asks for. Plain words (the language word "cat" or "esp") open the
// window as always; the language library reads them from there. Options start with "--".
enum class CommandLineAction { OpenWindow, ShowHelp, ShowVersion, Worksheet, Refuse };

struct CommandLineRequest {
  CommandLineAction Action = CommandLineAction::OpenWindow;
  QString Refusal;  // Refuse: the one line that names the argument
};

// Reads the arguments after the program's name. "--help" (or "-h") and "--version" win over
// everything else; "--worksheet" hands the whole line to the worksheet command, which reads its
// own options; any other argument that starts with "--" and is neither one of these nor one of
// Qt's own options is refused.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

// The text of --help, ending with a line break.
QString UsageText();

// "Zorbit 2.0.0".
QString VersionLine();

// Exit codes of the command line.
inline constexpr int CommandLineRefused = 2;
