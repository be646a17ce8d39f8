// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "about/program_icon.h"
#include "app/command_line.h"
#include "platform/program_folder.h"
#include "shell/form1.h"
#include "shell/safe_application.h"
#include "worksheet_print/worksheet_command.h"

namespace {

// Resident memory of this process in kB, read where Linux keeps it; 0 elsewhere.
long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
}

// Answers the command line's options before any window or display is needed; -1 opens the window.
int AnswerCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineRequest request = ReadCommandLine(arguments);
  switch (request.Action) {
    case CommandLineAction::OpenWindow: return -1;
    case CommandLineAction::ShowHelp: std::fputs(qPrintable(UsageText()), stdout); return 0;
    case CommandLineAction::ShowVersion: std::printf("%s\n", qPrintable(VersionLine())); return 0;
    case CommandLineAction::Worksheet: return WorksheetMain(argc, argv);
    case CommandLineAction::Refuse: std::fprintf(stderr, "%s\n", qPrintable(request.Refusal)); return CommandLineRefused;
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const int code = AnswerCommandLine(argc, argv); code >= 0) return code;
  SafeApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorbit"));
  // Desktops match the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Zorbit"));
  EnterWorkFolder();
  QApplication::setWindowIcon(ProgramIcon());
  Form1 form;
  form.show();
  // The start-up benchmark (bench/startup) asks the program to end once the window is on screen.
  if (qEnvironmentVariableIsSet("ZORBIT_EXIT_WHEN_SHOWN")) {
    QTimer::singleShot(0, &app, [] {
      QTimer::singleShot(0, [] {
        std::printf("resident_kb %ld\n", ResidentKilobytes());
        std::fflush(stdout);
        std::_Exit(0);
      });
    });
  }
  return QApplication::exec();
}
