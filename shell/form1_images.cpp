// SPDX-License-Identifier: MIT
// Saving the graphs as images.
#include "shell/form1.h"

void Form1::GGr_Click(int) {}

void Form1::BtGrf_Click() {}
