#!/usr/bin/env bash
# The real program where the window system lets it down:
# - with no display it can open, or a platform that does not exist or a
#   Wayland connection that is no connection, it says which on one line of
#   standard error and ends with status 1 (no abort);
# - with a Wayland display that is not there but an X display that is, it
#   starts on X, as Qt chooses;
# - when another X client destroys the player-entry dialog, the dialog counts
#   as cancelled and the game starts; when one destroys the main window, the
#   program ends with status 0, as after a close;
# - with scale settings no window could be shown at, it names each one it
#   ignores on a line of its own and shows its dialog whole on the screen;
# - when the X server goes away, the program ends with status 1;
# - on a display of fewer than 15 bits per pixel, which Qt cannot draw on,
#   it says so on one line and ends with status 1; at 15 it starts.
#
#   window_system.sh PROGRAM WORK_DIR
#
# Exits 77 (skipped) when Xvfb is not installed.
set -euo pipefail

program=${1:?usage: window_system.sh PROGRAM WORK_DIR}
work=${2:?usage: window_system.sh PROGRAM WORK_DIR}

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
needs_x_tools xdotool

rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"

# A display number no X server here uses, far above the low ones Xvfb picks
# for test runs.
unused_display() {
    local n=6000
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    echo "$n"
}

# run_without_display WHAT EXPECTED [VAR=VALUE...]: the program, with no
# display variables but those given, must end with status 1 and one line on
# standard error that holds EXPECTED.
run_without_display() {
    local what=$1 expected=$2 status=0
    shift 2
    timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u XDG_SESSION_TYPE \
        -u QT_QPA_PLATFORM "$@" "$program" >/dev/null 2>"$work/stderr" </dev/null || status=$?
    [ "$status" -eq 1 ] || fail "$what: status $status, expected 1; stderr: $(head -c 2000 "$work/stderr")"
    [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "$what: standard error is not one line: $(cat "$work/stderr")"
    grep -qF -- "$expected" "$work/stderr" || fail "$what: '$expected' not named in: $(cat "$work/stderr")"
    echo "ok: $what: $(cat "$work/stderr")"
}

unused=$(unused_display)
run_without_display "no DISPLAY" "DISPLAY is not set"
run_without_display "no X server" "\":$unused\"" DISPLAY=":$unused"
run_without_display "no Wayland compositor" "\"wayland-0\"" QT_QPA_PLATFORM=wayland \
    XDG_RUNTIME_DIR="$work/runtime"
run_without_display "neither" "\"wayland-0\", nor the X display \":$unused\"" \
    XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$work/runtime" DISPLAY=":$unused"
run_without_display "platforms with arguments" "\"wayland-0\", nor the X display \":$unused\"" \
    QT_QPA_PLATFORM=":Wayland:arg;xcb" XDG_RUNTIME_DIR="$work/runtime" DISPLAY=":$unused"
run_without_display "no such platform" "the platform \"bogus\"" QT_QPA_PLATFORM=bogus
run_without_display "a bad handed-over Wayland connection" "WAYLAND_SOCKET (\"abc\")" \
    QT_QPA_PLATFORM=wayland WAYLAND_SOCKET=abc XDG_RUNTIME_DIR="$work/runtime"

start_xserver "$work"

WAYLAND_DISPLAY=nothing-here XDG_RUNTIME_DIR="$work/runtime" "$program" >"$work/game.log" 2>&1 &
game_pid=$!
dialog=$(window_named "Dorvanex Player Entry")
[ -n "$dialog" ] || fail "the dialog did not open on X after Wayland failed"
echo "ok: the dialog opened on X after Wayland failed"
xdotool windowclose "$dialog"
main=$(window_named "Dorvanex by Harvelo")
[ -n "$main" ] || fail "the main window did not open after the dialog was destroyed"
echo "ok: the game started after the dialog was destroyed"
xdotool windowclose "$main"
ends_with 0 5 "$work/game.log" "its main window was destroyed"

# IGNORED SETTING...: with the settings the dialog shows whole on the
# 1280 x 1024 screen, and standard error holds one line for the setting
# named IGNORED ("-" for none), which no window could be shown at. Qt reads
# QT_FONT_DPI as an integer in C's notation, so 0x2 is 2 dpi; it skips the
# entries of QT_SCREEN_SCALE_FACTORS that are not numbers above 0, so 1e9
# after "abc" is the first screen's factor.
while read -r ignored settings; do
    # shellcheck disable=SC2086 # each setting is a word of its own
    env XDG_RUNTIME_DIR="$work/runtime" $settings "$program" >/dev/null 2>"$work/stderr" &
    game_pid=$!
    dialog=$(window_named "Dorvanex Player Entry")
    [ -n "$dialog" ] || fail "$settings: no dialog on the screen within 20 s"
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + HEIGHT)) -le 1024 ] ||
        fail "$settings: the dialog at ${WIDTH}x$HEIGHT+$X+$Y is not whole on the screen"
    kill "$game_pid"
    wait "$game_pid" || true
    game_pid=""
    if [ "$ignored" = - ]; then
        [ ! -s "$work/stderr" ] || fail "$settings: $(cat "$work/stderr")"
    else
        [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q "ignoring $ignored=" "$work/stderr" ||
            fail "$settings: $ignored is not named on one line: $(cat "$work/stderr")"
    fi
    echo "ok: $settings: the dialog whole at ${WIDTH}x$HEIGHT+$X+$Y; $(cat "$work/stderr")"
done <<'SETTINGS'
QT_SCALE_FACTOR         QT_SCALE_FACTOR=nan
QT_SCALE_FACTOR         QT_SCALE_FACTOR=1000
QT_SCREEN_SCALE_FACTORS QT_SCREEN_SCALE_FACTORS=abc;1e9
QT_FONT_DPI             QT_FONT_DPI=0x2
-                       QT_SCALE_FACTOR=2.5 QT_SCREEN_SCALE_FACTORS=abc;0;-1;nan QT_FONT_DPI=0
SETTINGS

"$program" >"$work/game.log" 2>&1 &
game_pid=$!
[ -n "$(window_named "Dorvanex Player Entry")" ] || fail "the dialog did not open"
stop_xserver
ends_with 1 5 "$work/game.log" "the X server went away"

start_xserver "$work" 1024x768x8
XDG_RUNTIME_DIR="$work/runtime" "$program" >/dev/null 2>"$work/stderr" </dev/null &
game_pid=$!
ends_with 1 10 "$work/stderr" "starting on an 8-bit display"
[ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -qF "\"$DISPLAY\" has 8 bits per pixel" "$work/stderr" ||
    fail "8 bits per pixel are not named on one line: $(cat "$work/stderr")"
echo "ok: $(cat "$work/stderr")"
stop_xserver
start_xserver "$work" 1024x768x15
"$program" >"$work/game.log" 2>&1 &
game_pid=$!
[ -n "$(window_named "Dorvanex Player Entry")" ] || fail "the dialog did not open at 15 bits per pixel"
echo "ok: the dialog opened at 15 bits per pixel"
