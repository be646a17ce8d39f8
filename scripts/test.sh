#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything with warnings as errors and runs every test headless;
# then installs that build into a temporary prefix and checks it as a desktop program and a Debian
# package; then builds the Qt-free layers with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs their tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -DZORBIT_WERROR=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"
bash scripts/install_test.sh build-test

cmake -S . -B build-sanitize -DZORBIT_QT=OFF -DZORBIT_SANITIZE=ON -DZORBIT_WERROR=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
