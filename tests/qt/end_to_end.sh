#!/usr/bin/env bash
# End-to-end check of the real program on a private X server: answers the
# player-entry dialog with keys, plays by mouse in the main window, checks
# pixels of screenshots, then closes the window as a window manager's close
# button would and expects the program to end with status 0 (under the
# sanitizers, that status also says nothing leaked at exit).
#
#   end_to_end.sh PROGRAM WORK_DIR
#
# Exits 77 (skipped) when Xvfb is not installed.
set -euo pipefail

program=${1:?usage: end_to_end.sh PROGRAM WORK_DIR}
work=${2:?usage: end_to_end.sh PROGRAM WORK_DIR}

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
needs_x_tools xdotool import convert
# The system's own Python, where the python3-xlib package installs.
python=/usr/bin/python3
"$python" -c 'import Xlib' 2>/dev/null || fail "missing: python3-xlib"

mkdir -p "$work"
rm -f "$work"/*.png
start_xserver "$work"

# pixel X Y FILE: the colour as "R,G,B".
pixel() {
    convert "$3" -format '%[fx:int(255*p{'"$1,$2"'}.r)],%[fx:int(255*p{'"$1,$2"'}.g)],%[fx:int(255*p{'"$1,$2"'}.b)]' info:
}

# expect_pixel X Y R,G,B WHAT: a pixel of the last screenshot.
expect_pixel() {
    local got
    got=$(pixel "$1" "$2" "$shot")
    [ "$got" = "$3" ] || fail "pixel ($1,$2) of $(basename "$shot") is $got, expected $3 ($4)"
    echo "ok: ($1,$2) $3 $4"
}

# count_ink X Y W H FILE KIND: pixels in the area that are blue ink or dark ink.
count_ink() {
    convert "$5" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        awk -v kind="$6" -F'[(),]' 'NR > 1 {
            r = $3; g = $4; b = $5
            if (kind == "blue" && b > 200 && r < 120 && g < 120) n++
            if (kind == "dark" && r < 90 && g < 90 && b < 90) n++
        } END { print n + 0 }'
}

# close_window WINDOW: asks the window's owner to close it, as a window
# manager does (xdotool can only destroy a window, not ask).
close_window() {
    "$python" - "$1" <<'PYTHON'
import sys
from Xlib import X, display, protocol
d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
ask = protocol.event.ClientMessage(
    window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
    data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
window.send_event(ask)
d.flush()
PYTHON
}

shoot() {
    sleep 0.7
    shot="$work/$1"
    import -window "$main" "$shot"
}

click() {
    xdotool mousemove --window "$main" "$1" "$2" click "$3"
    sleep 0.5
}

"$program" >"$work/game.log" 2>&1 &
game_pid=$!

dialog=$(window_named "Dorvanex Player Entry")
[ -n "$dialog" ] || fail "the player-entry dialog did not open"
[ -z "$(xdotool search --onlyvisible --name '^Dorvanex by Harvelo$' 2>/dev/null)" ] ||
    fail "the main window is visible while the dialog is open"
sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key --delay 150 alt+1 Tab Tab
xdotool type --delay 60 "Ann"
xdotool key Return

main=$(window_named "Dorvanex by Harvelo")
[ -n "$main" ] || fail "the main window did not open"
geometry=$(xdotool getwindowgeometry "$main")
echo "$geometry"
grep -q "Geometry: 364x551" <<<"$geometry" || fail "client area is not 364 x 551"

# New game: background, the title band past the title, an empty box's fill,
# die 0 at home.
shoot new.png
expect_pixel 90 380 "200,200,255" "background"
expect_pixel 340 10 "192,255,192" "title band past the title"
expect_pixel 147 117 "125,250,250" "fill of the empty Ones box"
expect_pixel 20 100 "0,0,0" "die 0 at home"

# A right click rolls; a left click holds die 0.
click 300 300 3
click 37 117 1
shoot held.png
expect_pixel 20 100 "200,200,255" "die 0 gone from home"
expect_pixel 70 100 "0,0,0" "die 0 held 50 pixels right"
expect_pixel 104 134 "0,0,0" "held die's far corner"
[ "$(count_ink 22 401 46 17 "$shot" blue)" -gt 10 ] || fail "no blue roll counter"
[ "$(count_ink 227 102 46 16 "$shot" dark)" -eq 0 ] || fail "Ann's total shows a number before scoring"

# A left click on "Chance" scores the dice and ends the turn.
click 135 485 1
shoot scored.png
expect_pixel 20 100 "0,0,0" "die 0 home again"
expect_pixel 70 100 "200,200,255" "held place empty"
[ "$(count_ink 227 102 46 16 "$shot" dark)" -gt 5 ] || fail "Ann's total shows no number"
[ "$(count_ink 122 477 26 16 "$shot" dark)" -gt 5 ] || fail "the Chance box shows no number"

kill -0 "$game_pid" 2>/dev/null || fail "the game has exited"

# size_becomes W H WHAT: the main window's client area reaches W x H within 5 s.
size_becomes() {
    local geometry=""
    for _ in $(seq 50); do
        geometry=$(xdotool getwindowgeometry "$main")
        grep -q "Geometry: $1x$2\$" <<<"$geometry" && break
        sleep 0.1
    done
    grep -q "Geometry: $1x$2\$" <<<"$geometry" || fail "$3: $geometry, expected $1 x $2"
    echo "ok: $1 x $2 $3"
}

# Any X client may ask for any size, and no window manager stops it here:
# the window holds itself to the screen, still painted, and takes a normal
# size again.
xdotool windowsize "$main" 32767 32767
size_becomes 1280 1024 "after a request for 32767 x 32767"
shoot huge.png
expect_pixel 20 100 "0,0,0" "die 0 at home in the largest window"
expect_pixel 1270 1010 "200,200,255" "background at the far corner"
xdotool windowsize "$main" 364 551
size_becomes 364 551 "after a request for the first size"

# Closing the main window ends the program cleanly.
close_window "$main"
ends_with 0 15 "$work/game.log" "its window was closed"
echo "end-to-end run passed; screenshots in $work"
