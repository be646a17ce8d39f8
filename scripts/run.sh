#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zorbit and starts it. Extra arguments go to Zorbit ("esp", "cat").
# Its build folder, build/, holds only what runs and what `cmake --install build` installs: Zorbit,
# its companions Kovel and Trasko, and the manual; no tests, benchmarks or screenshot program, and
# no debugging information, which would add a quarter to the build. Each library is compiled as
# one unit and Ninja keeps both cores busy, which halves a first build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
generator=()
[[ -f build/CMakeCache.txt ]] || generator=(-G Ninja)  # a folder made earlier keeps its own
cmake -S . -B build "${generator[@]}" -DZORBIT_UNITY=ON -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZORBIT_BENCH=OFF -DZORBIT_SCREENSHOTS=OFF
cmake --build build -j"$(nproc)"
exec ./build/bin/Zorbit "$@"
