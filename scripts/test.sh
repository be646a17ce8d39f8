#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything optimised (Release) with warnings as errors and runs
# every test headless, each within its own timeout; then installs that build into a temporary
# prefix and checks it as a desktop program and a Debian package; then builds the Qt-free layers
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs their tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

# A new build folder uses Ninja; one made earlier keeps the generator it was made with. The
# libraries are compiled as one unit each, as the run command builds them.
generator() { [[ -f "$1/CMakeCache.txt" ]] || echo "-GNinja"; }

cmake -S . -B build-ci $(generator build-ci) -DCMAKE_BUILD_TYPE=Release -DZORBIT_WERROR=ON -DZORBIT_UNITY=ON
cmake --build build-ci -j"$jobs"
ctest --test-dir build-ci --output-on-failure -j"$jobs"
bash scripts/install_test.sh build-ci

cmake -S . -B build-sanitize $(generator build-sanitize) -DZORBIT_QT=OFF -DZORBIT_SANITIZE=ON -DZORBIT_WERROR=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
