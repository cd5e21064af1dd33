#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Chalkline in build/ and runs every test; then builds the whole suite again in
# build/sanitize with AddressSanitizer and UndefinedBehaviorSanitizer and runs it there,
# LeakSanitizer judging every program at its exit. Each step's time is printed, wall
# clock and CPU, so that a log shows which step grows.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

# step <name> <command...>: runs the command and prints its times.
step() {
    local name=$1
    shift
    local TIMEFORMAT="== $name: %0R s, CPU %0U s user + %0S s system"
    time "$@"
}

step packages bash scripts/deps.sh test

step configure cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHALKLINE_WERROR=ON
step build cmake --build build -j "$jobs"
step tests bash -c "cd build && ctest --output-on-failure -j $jobs"

# The sanitizer build is for the tests: it leaves out the developers' tools, which no
# test runs, and keeps of the debugging information only the line tables (-g1) that the
# sanitizers' reports need.
step "sanitizer configure" cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCHALKLINE_SANITIZE=ON -DCHALKLINE_TOOLS=OFF -DCHALKLINE_WERROR=ON
step "sanitizer build" cmake --build build/sanitize -j "$jobs"
step "sanitizer tests" bash -c "cd build/sanitize && ctest --output-on-failure -j $jobs"
