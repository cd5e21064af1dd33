#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A display that is named but cannot be reached ends the program with one line naming it
# and status 1, never an abort: nothing on an X display, a TCP display, a name that is no
# display, a Wayland socket that is not there, in a window and full screen.
#
# usage: unreachable_display.sh <program>
set -uo pipefail

program=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# A display number nobody uses on this machine.
n=99
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done

failed=0
# expect <shown name> <env assignments...> -- <options...>
expect() {
    local name=$1
    shift
    local settings=()
    while [ "$1" != -- ]; do
        settings+=("$1")
        shift
    done
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "${settings[@]}" \
        "$program" "$@" 2>"$out" >/dev/null
    local status=$?
    if [ "$status" != 1 ] || [ "$(wc -l <"$out")" != 1 ] || ! grep -qF -- "$name" "$out"; then
        echo "FAIL: ${settings[*]} $*: status $status, said:" >&2
        sed 's/^/  /' "$out" >&2
        failed=1
    fi
}

expect ":$n" DISPLAY=":$n" --
expect ":$n" DISPLAY=":$n" -- --full-screen
expect "localhost:$n" DISPLAY="localhost:$n" --
expect "no display here" DISPLAY="no display here" --
expect "chalkline-none-$n" WAYLAND_DISPLAY="chalkline-none-$n" --
expect "chalkline-none-$n" WAYLAND_DISPLAY="chalkline-none-$n" XDG_SESSION_TYPE=wayland -- -f
[ "$failed" = 0 ] && echo "unreachable displays: all reported in one line"
exit "$failed"
