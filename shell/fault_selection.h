// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "text/expr_error.h"

class QLineEdit;

// Gives box the focus and selects the part of typed (its text, as read) that error points at, or
// puts the caret where something is missing. The error's byte offsets become the box's characters.
void SelectFault(QLineEdit* box, const std::string& typed, const ExprError& error);
