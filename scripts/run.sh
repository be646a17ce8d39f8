#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zorbit and starts it. Extra arguments go to Zorbit ("esp", "cat").
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
exec ./build/bin/Zorbit "$@"
