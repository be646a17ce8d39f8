// SPDX-License-Identifier: MIT
// The menu commands that belong to no panel, and the Tools menu.
#include <QCoreApplication>

#include "shell/form1.h"
#include "tools/tools_menu.h"

void Form1::BuildToolsMenu() { ::BuildToolsMenu(Tools, seams_); }

void Form1::OpObr_Click() {}

// Ends the program at once, without the unload step.
void Form1::OpSurt_Click() { QCoreApplication::exit(0); }

void Form1::OpInfo_Click() {}

void Form1::OpSobre_Click() {}

void Form1::OpEdTools_Click() {}

void Form1::ITool_Click(int) {}
