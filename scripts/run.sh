#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Chalkline in build/ and starts it there, beside its Images and opening folders;
# builds build/show_screen beside it too, the developers' tool that opens one screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHALKLINE_WERROR=ON -DCHALKLINE_TOOLS=ON
cmake --build build -j "$(nproc)" --target chalkline show_screen
cd build
exec ./chalkline
