#!/usr/bin/env bash
# Starts the real program under Xvfb and works it with real X clicks: the title window
# is centred at its size and "Exit" ends the program with status 0; a walk through the
# menus comes back out; and a missing or corrupt picture ends the start with a report
# on standard error and a non-zero status, never a signal.
#
# usage: smoke_test.sh <folder of the built program>
set -uo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# A display nobody else uses.
for n in $(seq 140 200); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $display"
unset QT_QPA_PLATFORM

# start <working folder>: starts the program there, its standard error in $work/stderr.
start() {
    (cd "$1" && exec "$build/chalkline" 2>"$work/stderr") &
    app_pid=$!
}

# finish: waits up to 20 s for the program to end and sets $status.
finish() {
    for _ in $(seq 200); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
    wait "$app_pid"
    status=$?
    app_pid=
}

# window <name regex>: the id of the visible window of that name, waiting up to 20 s.
window() {
    local id=
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window named '$1'"
    echo "$id"
}

# replaced <old window> <name regex>: the window of that name that stands once the
# old one has gone, as every move shows its target and then unloads where it came from.
replaced() {
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "$2" 2>/dev/null | grep -qx "$1" || break
        sleep 0.1
    done
    local id
    id=$(window "$2")
    [ "$id" != "$1" ] || fail "the screen did not change"
    echo "$id"
}

# click <window> <x> <y>: a real left click at pixel x, y of the window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

geometry() {
    xdotool getwindowgeometry --shell "$1"
}

echo "== the title window is centred at its size; Exit ends with status 0"
start "$build"
title=$(window '^ $')
eval "$(geometry "$title")"
[ "$WIDTH" = 364 ] && [ "$HEIGHT" = 438 ] || fail "title window is ${WIDTH}x$HEIGHT"
[ "$X" = 330 ] && [ "$Y" = 165 ] || fail "title window is at $X,$Y, not centred"
click "$title" 228 406
finish
[ "$status" = 0 ] || fail "Exit ended with status $status"

echo "== a walk through the menus and back out"
start "$build"
title=$(window '^ $')
click "$title" 132 406                 # OK
intro=$(replaced "$title" '^Chalkline$')
eval "$(geometry "$intro")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "first menu is ${WIDTH}x$HEIGHT"
click "$intro" 714 276                 # Menu 3
menu3=$(replaced "$intro" '^Chalkline$')
click "$menu3" 737 548                 # exit button, back to the first menu
intro=$(replaced "$menu3" '^Chalkline$')
click "$intro" 737 548                 # exit button: the title screen as confirmation
title=$(replaced "$intro" '^ $')
click "$title" 228 406                 # Exit
finish
[ "$status" = 0 ] || fail "Exit after the walk ended with status $status"

# broken <what> <folder>: the start from that folder ends with a report and status 1.
expect_report() {
    local picture=$1
    # The report is shown in a message box too; acknowledge it.
    box=$(window '^Chalkline$')
    xdotool key --window "$box" Return
    finish
    [ "$status" -ge 1 ] && [ "$status" -lt 128 ] || fail "status $status for a broken $picture"
    grep -q "$picture" "$work/stderr" || fail "no report naming $picture: $(cat "$work/stderr")"
    [ "$(grep -c "chalkline:" "$work/stderr")" = 1 ] || fail "the report is not one line"
}

echo "== without the opening folder the start ends with a report"
mkdir -p "$work/no-opening"
cp -r "$build/Images" "$work/no-opening/"
start "$work/no-opening"
expect_report "opening/vorlen00.jpg"

echo "== with a corrupt title picture the start ends with a report"
mkdir -p "$work/corrupt/opening"
cp -r "$build/Images" "$work/corrupt/"
head -c 2000 "$build/opening/vorlen00.jpg" >"$work/corrupt/opening/vorlen00.jpg"
start "$work/corrupt"
expect_report "opening/vorlen00.jpg"

echo "== without the Images folder, OK ends the program with a report"
mkdir -p "$work/no-images"
cp -r "$build/opening" "$work/no-images/"
start "$work/no-images"
title=$(window '^ $')
click "$title" 132 406
expect_report "Images/menu1.jpg"

echo "smoke: 1 passed, 0 failed"
