#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zorbit and starts it. Extra arguments go to Zorbit ("esp", "cat").
# Its build folder, build/, holds only what runs and what `cmake --install build` installs: Zorbit,
# its companions Kovel and Trasko, and the manual; no tests, benchmarks or screenshot program, and
# no debugging information, which would add a quarter to the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZORBIT_BENCH=OFF -DZORBIT_SCREENSHOTS=OFF
cmake --build build -j"$(nproc)"
exec ./build/bin/Zorbit "$@"
