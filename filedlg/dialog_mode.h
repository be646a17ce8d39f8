// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// What the file dialog asks for: an existing file to open, or any name to save under. The values
// index the dialog's title table.
enum class FileDialogMode : std::int16_t { Open = 0, Save = 1 };
