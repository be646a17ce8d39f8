// SPDX-License-Identifier: MIT
#include "tools/run_tool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "filedlg/path_helpers_qt.h"
#include "platform/program_folder.h"

namespace {

bool EndsWithSeparator(const QString& path) {
  return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
}

// The work folder joined in front of a name with the platform's separator.
QString JoinWorkDir(const QString& workDir, const QString& rest) {
  if (workDir.isEmpty()) return rest;
  return EndsWithSeparator(workDir) ? workDir + rest : workDir + QDir::separator() + rest;
}

bool IsExecutableFile(const QString& path) {
  if (path.isEmpty()) return false;
  const QFileInfo info(WithSlashes(path));
  return info.isFile() && info.isExecutable();
}

bool IsCommandOnPath(const QString& word) {
  if (word.isEmpty() || word.contains(QLatin1Char('/')) || word.contains(QLatin1Char('\\'))) return false;
  return !QStandardPaths::findExecutable(word).isEmpty();
}

// An address such as "https://..." or "mailto:..." goes to the desktop as it is; a drive letter
// ("C:") is not a scheme.
bool IsAddress(const QString& text) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  return scheme.match(text).hasMatch();
}

// What the desktop is asked to open: an address as it is, a path made absolute from the
// current folder (the application that opens it may run in another folder).
QString DocumentTarget(const QString& path) {
  if (IsAddress(path)) return path;
  return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

bool DocumentMissing(const QString& target) { return !IsAddress(target) && !QFileInfo::exists(target); }

void Report(const Seams& seams, const QString& text) {
  seams.Messages->Show(text, QStringLiteral("Zorbit"), MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace

bool IsProgramText(const QString& text) {
  const QString lower = text.toLower();
  return lower.contains(QLatin1String(".exe")) || lower.contains(QLatin1String(".com")) ||
         lower.contains(QLatin1String(".bat"));
}

QString ToolCommandLine(const ToolRecord& tool) {
  return JoinWorkDir(tool.WorkDir, (tool.File + QLatin1Char(' ') + tool.Params).trimmed());
}

ToolLaunch PrepareTool(const ToolRecord& tool) {
  ToolLaunch launch;
  const QString commandLine = ToolCommandLine(tool);
  // The file as the system finds it: "\" separates folders in File and WorkDir too.
  const QString filePath = WithSlashes(JoinWorkDir(tool.WorkDir, tool.File.trimmed()));
  const QStringList words = QProcess::splitCommand(commandLine);
  const QString firstWord = words.value(0);

  const bool fileIsProgram = IsExecutableFile(filePath);
  launch.IsProgram = IsProgramText(commandLine) || fileIsProgram || IsExecutableFile(firstWord) ||
                     IsCommandOnPath(firstWord);
  if (launch.IsProgram) {
    launch.Command.CommandLine = commandLine;
    if (fileIsProgram || (QFileInfo(filePath).isFile() && !tool.File.trimmed().isEmpty())) {
      // The file itself, blanks in its folder or name included, with the parameters as arguments.
      launch.Command.Program = QFileInfo(filePath).absoluteFilePath();
      launch.Command.Arguments = QProcess::splitCommand(tool.Params);
    } else {
      // A program in the current folder runs from there; a bare name is looked up on the PATH.
      launch.Command.Program =
          IsExecutableFile(firstWord) ? QFileInfo(WithSlashes(firstWord)).absoluteFilePath() : firstWord;
      launch.Command.Arguments = words.mid(1);
    }
    launch.Style = WindowStyle::NormalFocus;
  } else {
    // No command file is written: the desktop's application opens the document directly, so no
    // shell ever reads the path. Parameters have no place on that command and are left out.
    const QString document = tool.File.trimmed().isEmpty() ? commandLine : filePath;
    launch.Command = DesktopOpenCommand(commandLine, DocumentTarget(document));
    launch.Style = WindowStyle::MinimizedFocus;
  }
  return launch;
}

void RunTool(const ToolRecord& tool, const Seams& seams) {
  const ToolLaunch launch = PrepareTool(tool);
  if (launch.Command.CommandLine.isEmpty()) {
    Report(seams, QStringLiteral("The tool \"%1\" names no program or document.").arg(tool.Title));
    return;
  }
  if (!launch.IsProgram && DocumentMissing(launch.Command.Arguments.value(0))) {
    Report(seams, QStringLiteral("File not found:\n%1").arg(launch.Command.Arguments.value(0)));
    return;
  }
  if (!seams.Processes->Start(launch.Command, launch.Style)) {
    if (launch.IsProgram)
      Report(seams, QStringLiteral("The tool \"%1\" could not be started:\n%2").arg(tool.Title, launch.Command.CommandLine));
    else
      Report(seams, QStringLiteral("No application could be started to open:\n%1").arg(launch.Command.Arguments.value(0)));
  }
}

void RunTool(int position, const Seams& seams) {
  const ToolsList& list = ProgramTools();
  if (position < 1 || position > list.ToolCount()) return;
  // A copy: the editor may change the list while a message box of this run is open.
  const ToolRecord tool = list.Tool(position);
  RunTool(tool, seams);
}

void OpenDocument(const QString& path, const Seams& seams) {
  const QString target = DocumentTarget(path);
  if (DocumentMissing(target)) {
    Report(seams, QStringLiteral("File not found:\n%1").arg(target));
    return;
  }
  const ProcessCommand command = DesktopOpenCommand(QStringLiteral("cmd.exe /c ") + path, target);
  if (!seams.Processes->Start(command, WindowStyle::Hidden))
    Report(seams, QStringLiteral("No application could be started to open:\n%1").arg(target));
}

ManualOpening OpenManual(const Seams& seams) {
  const QString path = ManualPath();
  const QString target = DocumentTarget(path);
  if (DocumentMissing(target)) return ManualOpening::Missing;
  const ProcessCommand command = DesktopOpenCommand(QStringLiteral("cmd.exe /c ") + path, target);
  return seams.Processes->Start(command, WindowStyle::Hidden) ? ManualOpening::Started : ManualOpening::NoViewer;
}
