// SPDX-License-Identifier: MIT
// The combined operations panel and its keypad.
#include "shell/form1.h"

void Form1::LstZ_ClickCombined(bool) {}

void Form1::BtN_Click(int) {}

void Form1::TxtOp_Change() {}

void Form1::TxtOp_KeyDown(int, Qt::KeyboardModifiers) {}

void Form1::TxtOp_DblClick() {}

void Form1::OkCmb_Click() {}

void Form1::IdRes_Change() {}

void Form1::IdRes_DblClick(int) {}

void Form1::BtHCmb_Click() {}

void Form1::RstCmb() {}
