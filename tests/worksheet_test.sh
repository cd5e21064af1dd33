#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Worksheets from the command line, without a display: one sheet of each family read back
# with pdftotext (where poppler-utils is installed), the text form, and every bad input
# refused with one line, status 2 and nothing written.
#
# usage: worksheet_test.sh <program>
set -uo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C
# No settings kept on this computer (a language chosen before) reach the sheets.
export XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/school"

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# refused <what> <options...>: status 2, one line on standard error, no file left.
refused() {
    local what=$1
    shift
    "$program" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq 2 ] || fail "$what: status $status"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: stderr is not one line: $(cat "$work/err")"
    [ ! -e "$work/sheet.pdf" ] || fail "$what: a file was written"
    ls "$work/missing" >/dev/null 2>&1 && fail "$what: a folder was made"
    rm -f "$work/sheet.pdf"
}

refused "unknown activity" --worksheet nosuch -o "$work/sheet.pdf"
grep -q twentyfour "$work/err" || fail "unknown activity: the names are not listed"
refused "kind out of range" --worksheet twentyfour --kind 4 -o "$work/sheet.pdf"
grep -q "1 to 3" "$work/err" || fail "kind out of range: the range is not said"
refused "no count" --worksheet twentyfour --count 0 -o "$work/sheet.pdf"
refused "too many" --worksheet twentyfour --count 501 -o "$work/sheet.pdf"
refused "seed not a number" --worksheet twentyfour --seed x12 -o "$work/sheet.pdf"
refused "mistyped code" --open 24P-1-ZZZZ
refused "code of no activity" --open QQQ-1-2345
refused "no such folder" --worksheet twentyfour -o "$work/missing/sheet.pdf"
chmod a-w "$work" && [ ! -w "$work" ] && {
    refused "folder not writable" --worksheet twentyfour -o "$work/sheet.pdf"
}
chmod u+w "$work"

# The text form: one problem a line, with its code and answer; the same seed, the same
# sheet; the language's decimal comma.
"$program" --worksheet fdp --count 5 --seed 7 --format text -o "$work/a.txt" ||
    fail "text sheet: status $?"
[ "$(wc -l <"$work/a.txt")" -eq 5 ] || fail "text sheet: not 5 lines"
[ "$(grep -c '^[1-5]\. Problem: .* Code FDP-1-[2-9A-Z]\{4\}\. Answer: ' "$work/a.txt")" -eq 5 ] ||
    fail "text sheet: a line is not a problem with its code and answer: $(cat "$work/a.txt")"
"$program" --worksheet fdp --count 5 --seed 7 --format text -o "$work/b.txt"
cmp -s "$work/a.txt" "$work/b.txt" || fail "the same seed gave another sheet"
"$program" --worksheet fdp --kind 2 --count 5 --seed 7 --format text --lang de -o "$work/de.txt"
grep -q '[0-9],[0-9]' "$work/de.txt" || fail "German sheet without a decimal comma"

# The same codes bring back the same problems and answers in every later version.
here=$(dirname "$0")
bash "$here/../scripts/pin_problems.sh" "$program" >"$work/pinned.txt" 2>&1 ||
    fail "the pinned problems could not be written"
diff -u "$here/pinned_problems.txt" "$work/pinned.txt" >"$work/pinned.diff" ||
    fail "a code gives another problem than it gave when it was pinned:
$(head -20 "$work/pinned.diff")"

# Letter where the locale's paper is Letter.
LC_ALL= LANG=en_US.UTF-8 LC_PAPER=en_US.UTF-8 "$program" --worksheet fdp --count 1 -o "$work/us.pdf"
if command -v pdfinfo >/dev/null; then
    pdfinfo "$work/us.pdf" | grep -q "(letter)" || fail "the United States' sheet is not Letter"
fi

if ! command -v pdftotext >/dev/null; then
    echo "pdftotext is not installed: the PDF sheets are not read back"
    exit $failed
fi
# One sheet of each family: its heading, every code, the answer key on its own page.
for family in fourrules twentyfour spiderdiagrams numberwall products fdp fibonacci \
    Magicsquares ordering fastmental matchthetarget; do
    sheet="$work/$family.pdf"
    "$program" --worksheet "$family" --count 3 --seed 11 -o "$sheet" || fail "$family: status $?"
    "$program" --worksheet "$family" --count 3 --seed 11 --format text -o "$work/$family.txt"
    pdftotext -layout "$sheet" "$work/$family.pdf.txt" || fail "$family: pdftotext failed"
    grep -q "Answers" "$work/$family.pdf.txt" || fail "$family: no answer key"
    for code in $(grep -o 'Code [^ ]*\.' "$work/$family.txt" | cut -c6- | tr -d .); do
        [ "$(grep -c -- "$code" "$work/$family.pdf.txt")" -eq 2 ] ||
            fail "$family: code $code is not on the sheet and in the key"
    done
    pages=$(pdfinfo "$sheet" | awk '/^Pages:/ {print $2}')
    [ "$pages" -ge 2 ] || fail "$family: $pages pages"
    pdfinfo "$sheet" | grep -q "(A4)" || fail "$family: not A4"
done
exit $failed
