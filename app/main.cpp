// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "platform/program_folder.h"
#include "about/program_icon.h"
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

}  // namespace

int main(int argc, char* argv[]) {
  if (IsWorksheetCommand(argc, argv)) return WorksheetMain(argc, argv);
  SafeApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorbit"));
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
