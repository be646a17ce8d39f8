// SPDX-License-Identifier: MIT
// The power and root panels.
#include "shell/form1.h"

void Form1::LstZ_ClickPower(const Cplx&, bool) {}

void Form1::LstZ_ClickRoot(const Cplx&, bool) {}

void Form1::LstNp_Click() {}

void Form1::LstNr_Click() {}

void Form1::OkPot_Click() {}

void Form1::OkRel_Click() {}

void Form1::PZ_Change() {}

void Form1::PZ_DblClick(int) {}

void Form1::LstRels_Click(int) {}

void Form1::LstRels_Scroll(int) {}

void Form1::LstRels_DblClick(int) {}

void Form1::RstPot() {}

void Form1::RstRel() {}
