// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/cplx.h"

// What Copy puts on the clipboard for a stored complex: its cartesian text as the store column
// shows it ("3+4i"), a line feed, then its polar text as shown ("5 , 53.1°"). Whoever reads it back
// into the cartesian entry box takes the first line.
std::string StoredCopyText(const Cplx& z);
