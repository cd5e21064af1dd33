#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under Xvfb and works it with real X clicks: the title window
# is centred at its size, with an icon, and "Exit" ends the program with status 0; the
# installed program, started from a folder with a broken picture of the same name as one
# of its own, walks through the menus and comes back out; a
# missing or corrupt picture ends the start with a report on standard error and a
# non-zero status, never a signal; a lesson of three steps runs from the command line to
# the first menu, without keeping its steps' settings; and without any display the
# program says so.
#
# usage: smoke_test.sh <folder of the built program> <installed program>
set -uo pipefail

build=$(cd "$1" && pwd)
installed=$2
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# The settings the program keeps, and the school's, in folders of the test's own.
export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/school

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/stderr" ] && sed 's/^/  program: /' "$work/stderr" >&2
    exit 1
}

echo "== without a display the program says so in one line and ends with status 1"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/chalkline" 2>"$work/stderr"
status=$?
[ "$status" = 1 ] || fail "status $status without a display"
grep -q "graphical session" "$work/stderr" && [ "$(wc -l <"$work/stderr")" = 1 ] ||
    fail "no one-line message without a display"

# start_xvfb <width>x<height>: a fresh X server of that size on a display nobody else
# uses (Xvfb picks it and writes its number).
start_xvfb() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$work/display")"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"
}
start_xvfb 1024x768
unset QT_QPA_PLATFORM

# start <working folder> [program [options]]: starts the program (the built one unless
# named) there, its standard error in $work/stderr.
start() {
    local folder=$1 program=${2:-$build/chalkline}
    shift
    [ $# -gt 0 ] && shift
    (cd "$folder" && exec "$program" "$@" 2>"$work/stderr") &
    app_pid=$!
}

# finish: waits up to 20 s for the program to end and sets $status. A sanitizer's report
# (a leak found at the exit, say) fails the test even where the status is as expected.
finish() {
    for _ in $(seq 200); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
    wait "$app_pid"
    status=$?
    app_pid=
    ! grep -q "ERROR: [A-Za-z]*Sanitizer" "$work/stderr" || fail "a sanitizer reported an error"
}

# window <name regex> [other]: the id of the visible window of that name (not the window
# other, when given), waiting up to 20 s.
window() {
    local id=
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${2:-none}" | tail -n 1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window named '$1'"
    echo "$id"
}

# click <window> <x> <y>: a real left click at pixel x, y of the window's client area.
# A click within the double-click interval of the click that opened the screen is taken
# for the second tap of a double tap and dropped, so each click comes a little later.
click() {
    sleep 0.5
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# gone <window>: waits up to 5 s for the window to leave the screen; false if it stays.
gone() {
    for _ in $(seq 50); do
        # Read whole before matching: a matcher that stops early would break the pipe,
        # and under pipefail the broken pipe reads as "not found".
        grep -qx "$1" <<<"$(xdotool search --onlyvisible --name '.*' 2>/dev/null)" || return 0
        sleep 0.1
    done
    return 1
}

# shows <window>: the screen the program's window shows, by the name it gives the window
# for when it is minimised: "Chalkline, Menu 3" where the title bar says "Chalkline".
shows() {
    xprop -id "$1" _NET_WM_ICON_NAME 2>/dev/null | sed -n 's/^_NET_WM_ICON_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# move_on <window> <x> <y> <screen>: clicks until the program's window shows that screen.
# Every screen is shown in the one window, so the window stays and what it shows changes.
# A click that lands before a busy machine has drawn the screen is tried again.
move_on() {
    for _ in 1 2 3 4; do
        click "$1" "$2" "$3"
        for _ in $(seq 50); do
            [ "$(shows "$1")" = "$4" ] && return
            sleep 0.1
        done
    done
    fail "the click at $2,$3 did not move on to $4 (the window shows $(shows "$1"))"
}

# exit_by <window> <x> <y>: clicks until the program ends; sets $status.
exit_by() {
    for _ in 1 2 3 4; do
        click "$1" "$2" "$3"
        for _ in $(seq 50); do
            kill -0 "$app_pid" 2>/dev/null || break 2
            sleep 0.1
        done
    done
    finish
}

geometry() {
    xdotool getwindowgeometry --shell "$1"
}

echo "== the title window is centred at its size, with the program's icon; Exit ends with status 0"
start "$build"
title=$(window '^Chalkline$') || exit 1
eval "$(geometry "$title")"
[ "$WIDTH" = 364 ] && [ "$HEIGHT" = 438 ] || fail "title window is ${WIDTH}x$HEIGHT"
[ "$X" = 330 ] && [ "$Y" = 165 ] || fail "title window is at $X,$Y, not centred"
grep -q "Icon (64 x 64)" <<<"$(xprop -id "$title" _NET_WM_ICON)" || fail "the title window has no icon"
exit_by "$title" 228 406
[ "$status" = 0 ] || fail "Exit ended with status $status"

echo "== the installed program, from a folder with pictures of its own: a walk through the menus"
# Pictures of the same names in the folder it starts from do not replace its own.
mkdir -p "$work/elsewhere/Images"
echo "not a picture" >"$work/elsewhere/Images/menu1.jpg"
start "$work/elsewhere" "$installed"
window=$(window '^Chalkline$') || exit 1
[ "$(shows "$window")" = Chalkline ] || fail "the window shows $(shows "$window"), not the title"
move_on "$window" 132 406 "Chalkline, First menu" # OK
eval "$(geometry "$window")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "first menu is ${WIDTH}x$HEIGHT"
move_on "$window" 714 276 "Chalkline, Menu 3" # Menu 3
move_on "$window" 737 548 "Chalkline, First menu" # its exit button
move_on "$window" 737 548 "Chalkline, Leave the program?" # exit: the title screen again
[ "$(window '^Chalkline$')" = "$window" ] || fail "the title came back in another window"
title=$window
exit_by "$title" 228 406 # Exit
[ "$status" = 0 ] || fail "Exit after the walk ended with status $status"

echo "== a lesson of three steps, stepped with Next (PageDown); then the first menu"
cat >"$work/lesson.txt" <<'LESSON'
# tomorrow's starter
fastmental kind=2 reverse=yes pace=3 count=2
twentyfour kind=2
numberwall kind=2
LESSON
start "$build" "$build/chalkline" --lesson "$work/lesson.txt"
window=$(window '^Mental Arithmetic$') || exit 1
# next <window> <screen>: PageDown, as a presenter remote sends it, then waits up to 10 s
# for the window to show that screen.
next() {
    sleep 0.3
    xdotool windowfocus --sync "$1" 2>/dev/null
    xdotool key Next
    for _ in $(seq 100); do
        [ "$(shows "$1")" = "$2" ] && return
        sleep 0.1
    done
    fail "PageDown did not move on to $2 (the window shows $(shows "$1"))"
}
[ "$(shows "$window")" = "Mental Arithmetic, step 1 of 3" ] || fail "the lesson starts on $(shows "$window")"
next "$window" "Mental Arithmetic, step 1 of 3" # its second problem
next "$window" "The 24 Puzzle, step 2 of 3"
next "$window" "Number Wall, step 3 of 3"
next "$window" "Chalkline, First menu"
grep -qs fastmental "$XDG_CONFIG_HOME/Chalkline/chalkline.conf" && fail "a lesson's step was kept"
move_on "$window" 737 548 "Chalkline, Leave the program?" # exit: the title screen
exit_by "$window" 228 406 # Exit
[ "$status" = 0 ] || fail "Exit after the lesson ended with status $status"

# The broken starts run a copy of the program that has no pictures beside it and no
# installed data folder, so that only the working folder can hold them.
mkdir -p "$work/bin"
cp "$build/chalkline" "$work/bin/"
broken=$work/bin/chalkline

# expect_report <picture> [window]: the start ends with a report naming it and status 1
# (window: the screen, of the same name as the box, that stays up behind the box).
expect_report() {
    local picture=$1 behind=${2:-}
    # The report is shown in a message box too; acknowledge it with Return, again if the
    # key came before the box was ready. The key goes through the server's input focus
    # (not to the window itself), so its release is delivered even though the box has
    # closed on the press, and no key is left held for the next start.
    for _ in 1 2 3 4; do
        box=$(window '^Chalkline$' "$behind") || exit 1
        sleep 0.3
        xdotool windowfocus --sync "$box" 2>/dev/null
        xdotool key Return
        for _ in $(seq 50); do
            kill -0 "$app_pid" 2>/dev/null || break 2
            sleep 0.1
        done
    done
    finish
    [ "$status" -ge 1 ] && [ "$status" -lt 128 ] || fail "status $status for a broken $picture"
    grep -q "$picture" "$work/stderr" || fail "no report naming $picture: $(cat "$work/stderr")"
    [ "$(grep -c "chalkline:" "$work/stderr")" = 1 ] || fail "the report is not one line"
}

echo "== without the opening folder the start ends with a report"
mkdir -p "$work/no-opening"
cp -r "$build/Images" "$work/no-opening/"
start "$work/no-opening" "$broken"
expect_report "opening/vorlen00.jpg"

echo "== with a corrupt title picture the start ends with a report"
mkdir -p "$work/corrupt/opening"
cp -r "$build/Images" "$work/corrupt/"
head -c 2000 "$build/opening/vorlen00.jpg" >"$work/corrupt/opening/vorlen00.jpg"
start "$work/corrupt" "$broken"
expect_report "opening/vorlen00.jpg"

echo "== without the Images folder the start ends with a report"
mkdir -p "$work/no-images"
cp -r "$build/opening" "$work/no-images/"
start "$work/no-images" "$broken"
expect_report "Images/menu1.jpg"

echo "== full screen at 1920x1080: every screen covers it, an activity opens and exits"
start_xvfb 1920x1080
# The design is scaled by 1.8 (1080 / 600) and centred: 240 pixels of black each side.
covers() {
    eval "$(geometry "$1")"
    [ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1920,1080" ] || fail "$2 is ${WIDTH}x$HEIGHT at $X,$Y"
}
start "$build" "$build/chalkline" --full-screen
window=$(window '^Chalkline$') || exit 1
covers "$window" "the title screen"
move_on "$window" 870 877 "Chalkline, First menu" # OK
covers "$window" "the first menu"
move_on "$window" 1526 318 "Chalkline, Menu 1" # Menu 1
move_on "$window" 960 318 "Match the Target" # its first title
covers "$window" "Match the Target"
[ "$(xdotool getwindowname "$window")" = "Match the Target" ] || fail "the window is not named for its screen"
move_on "$window" 1567 988 "Chalkline, Menu 1" # Exit
covers "$window" "the menu after Exit"
move_on "$window" 1568 987 "Chalkline, First menu" # its exit button
move_on "$window" 1568 987 "Chalkline, Leave the program?" # exit: the title screen
covers "$window" "the exit confirmation"
title=$window
exit_by "$title" 1043 878 # Exit
[ "$status" = 0 ] || fail "Exit in full screen ended with status $status"

echo "smoke: 1 passed, 0 failed"
