// SPDX-License-Identifier: MIT
#include <QApplication>

#include "platform/program_folder.h"
#include "shell/about/program_icon.h"
#include "shell/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorbit"));
  EnterWorkFolder();
  QApplication::setWindowIcon(ProgramIcon());
  Form1 form;
  form.show();
  return QApplication::exec();
}
