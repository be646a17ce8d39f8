// SPDX-License-Identifier: MIT
// Exit and the Tools menu; the other menu commands are in form1_menus.cpp.
#include <QCoreApplication>

#include "shell/form1.h"
#include "tools/tools_menu.h"

void Form1::BuildToolsMenu() { ::BuildToolsMenu(Tools, seams_); }

// Ends the program at once, without the unload step.
void Form1::OpSurt_Click() { QCoreApplication::exit(0); }
