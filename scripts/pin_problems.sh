#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two problems of every kind of every activity, with their codes and answers, as the text
# worksheet writes them in English. tests/pinned_problems.txt holds what this wrote once,
# and worksheet_test.sh checks that the program still makes the same problems from the same
# codes: a code written down today must bring back the same problem in every later version.
# Rewrite the file only for a deliberate change of a generator, and say so in the changelog:
#   bash scripts/pin_problems.sh build/chalkline > tests/pinned_problems.txt
set -euo pipefail
program=$1
sheet=$(mktemp)
trap 'rm -f "$sheet"' EXIT
"$program" --lang en --list-activities | while read -r activity _; do
    # Kinds from 1 until the program refuses one (an activity without kinds has kind 1).
    for kind in 1 2 3 4 5; do
        if ! "$program" --lang en --worksheet "$activity" --kind "$kind" --count 2 --seed 1 \
            --format text -o "$sheet" 2>/dev/null; then
            break
        fi
        sed "s/^[0-9]*\. //" "$sheet"
    done
done
