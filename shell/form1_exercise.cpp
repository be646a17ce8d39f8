// SPDX-License-Identifier: MIT
// The exercise command: the Save items and the panels' exercise buttons.
#include "shell/form1.h"

void Form1::OpG_Click(int) {}

void Form1::BtG2_Click() {}

void Form1::BtGP_Click() {}

void Form1::BtGR_Click() {}

void Form1::BtGC_Click() {}
