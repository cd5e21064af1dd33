#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a Wayland compositor (weston, nested in Xvfb so that real keys reach
# it), as on a GNOME or Plasma Wayland desktop: moves between screens keep the one
# window (no new surface, so the compositor cannot put the next screen elsewhere), and
# F11 leaves full screen again, also after moves made in full screen. Read from the
# protocol the program speaks: the compositor's last word on the window's size is not
# the whole output. Skipped (status 77) where weston or Qt's Wayland platform is missing.
#
# usage: wayland_test.sh <program>
set -uo pipefail

program=$1
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if ! command -v weston >/dev/null || ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null ||
    ! ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
    echo "wayland: weston, Xvfb, xdotool or Qt's Wayland platform is not installed; skipped"
    exit 77
fi

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR=$work
weston --backend=x11-backend.so --socket=wayland-test --width=1024 --height=768 --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/wayland-test" ] && break; sleep 0.1; done
[ -S "$work/wayland-test" ] || fail "weston did not start: $(tail -3 "$work/weston.log")"

WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" \
    >/dev/null 2>"$work/protocol" &
pids+=($!)
app=$!

# after <pattern> <count>: waits up to 10 s for the protocol log to hold that many lines
# matching the pattern.
after() {
    for _ in $(seq 100); do
        [ "$(grep -c -- "$1" "$work/protocol")" -ge "$2" ] && return 0
        sleep 0.1
    done
    return 1
}
# last_size: the size the compositor last gave the window, "width, height".
last_size() {
    grep -o 'xdg_toplevel@[0-9]*\.configure([0-9]*, [0-9]*' "$work/protocol" | tail -n 1 | sed 's/.*(//'
}
key() {
    xdotool mousemove 512 384 key "$@"
    sleep 1
}

after 'xdg_toplevel@[0-9]*\.configure' 1 || fail "the title screen did not come up"
sleep 1
key Return # OK: the first menu
key F11
after 'set_fullscreen' 1 && after 'configure(1024, 768' 1 || fail "F11 did not make the window full screen"
key Tab Return # Menu 1, in full screen
key Escape     # back to the first menu
key F11
for _ in $(seq 50); do
    [ "$(last_size)" != "1024, 768" ] && break
    sleep 0.1
done
[ "$(last_size)" != "1024, 768" ] || fail "F11 did not leave full screen: the window still covers the output"
kill -0 "$app" 2>/dev/null || fail "the program ended"
# One surface for the moves in a window before full screen: the title's.
before=$(sed -n '1,/set_fullscreen/p' "$work/protocol" | grep -c 'get_toplevel')
[ "$before" = 1 ] || fail "the moves in a window made $before top-level surfaces, not one"
echo "wayland: one window, and full screen left again"
