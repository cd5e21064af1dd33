#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Chalkline in build/ and starts it there, beside its Images and opening folders.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHALKLINE_WERROR=ON
cmake --build build -j "$(nproc)" --target chalkline
cd build
exec ./chalkline
