#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Chalkline in build/ and runs every test; then builds the whole suite again in
# build/sanitize with AddressSanitizer and UndefinedBehaviorSanitizer and runs it there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHALKLINE_WERROR=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCHALKLINE_SANITIZE=ON -DCHALKLINE_WERROR=ON
cmake --build build/sanitize -j "$jobs"
(cd build/sanitize && ctest --output-on-failure -j "$jobs")
