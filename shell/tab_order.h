// SPDX-License-Identifier: MIT
#pragma once

class Form1;

// The Tab key walks each panel in reading order, left to right and row by row, and the panels in
// the window's order: entry, store, graph on the left, then binary, power, roots and combined
// on the right.
void SetReadingTabOrder(Form1& form);
