// SPDX-License-Identifier: MIT
#pragma once

// The unit an argument is typed and shown in. The store keeps every argument in degrees; only
// the entry boxes and the polar texts speak radians when the user chose them.
enum class AngleUnit { Degrees, Radians };
