// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>

#include "about/program_icon.h"
#include "app/command_line.h"
#include "app/shown_probe.h"
#include "app/startup_style.h"
#include "platform/font_warmup.h"
#include "platform/on_screen.h"
#include "platform/program_folder.h"
#include "platform/seams.h"
#include "platform/session_bus_warmup.h"
#include "session/store_owner.h"
#include "shell/form1.h"
#include "shell/safe_application.h"
#include "shell/setup_keeper.h"
#include "worksheet_print/worksheet_command.h"

namespace {

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
  // The session bus is connected to, and the fonts' configuration read, while the application
  // connects to the display.
  SessionBusWarmUp bus(SessionBusWarmUp::PlatformOf(argc, argv));
  FontWarmUp fonts;
  SafeApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorbit"));
  // QSettings() then opens the user's Zorbit settings file, whichever window asks.
  QApplication::setOrganizationName(QStringLiteral("Zorbit"));
  // Desktops match the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Zorbit"));
  // A second Zorbit on the same folder hands over to the first rather than write over its store.
  StoreOwner owner(EnterWorkFolder());
  // The window is built while the lock is tried, and loaded once the folder is this program's.
  owner.LockAhead();
  fonts.Wait();
  QApplication::setStyle(new StartupStyle(QApplication::style()->name()));
  QApplication::setWindowIcon(ProgramIcon());
  KeepWindowsOnScreen(app);
  Form1 form(DefaultSeams(), nullptr, QCoreApplication::arguments(), false);
  switch (owner.Claim(QCoreApplication::arguments())) {
    case OwnerClaim::Owner:
    case OwnerClaim::Unguarded: break;
    case OwnerClaim::HandedOver: std::printf("%s\n", qPrintable(HandedOverText())); return 0;
    case OwnerClaim::Unanswered:
      std::fprintf(stderr, "%s\n", qPrintable(UnansweredText()));
      DefaultSeams().Messages->Show(UnansweredText(), QStringLiteral("Zorbit"), MsgButtons::Ok, MsgIcon::Warning);
      return 1;
  }
  form.Load();
  new SetUpKeeper(form, SetUpKeeper::UserFile());
  QObject::connect(&owner, &StoreOwner::ArgumentsHanded, &form, &Form1::TakeArguments);
  // The start-up benchmark (bench/startup) asks the program to end once the window is on screen.
  if (qEnvironmentVariableIsSet("ZORBIT_EXIT_WHEN_SHOWN")) ExitWhenShown(form);
  form.show();
  return QApplication::exec();
}
