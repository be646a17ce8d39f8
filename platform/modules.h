// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// A function of one of the program's modules: shared libraries that lie with its companions and
// are loaded when first asked for, so that a library only some users need (Qt SVG for saving a
// graph as SVG) costs nothing at start. `module` is the base name, without prefix or suffix.
// Null when the module or the function cannot be found; the module stays loaded.
QFunctionPointer ModuleFunction(const char* module, const char* function);
