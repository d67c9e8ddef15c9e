#!/usr/bin/env bash
# The screen reader Orca reviews the real program's window on a private X
# server and a private session bus: after one roll, with die 1 held, Orca's
# flat review reads the window line by line, and must speak the title, every
# die with its face and held state, the roll and name boxes, every row of the
# sheet and the total. Speech goes nowhere: Orca's debug log keeps every line
# it would speak, and the lines are shown.
#
#   orca_review.sh PROGRAM WORK_DIR
#
# Exits 77 (skipped) when Xvfb or Orca is not installed.
set -euo pipefail

program=${1:?usage: orca_review.sh PROGRAM WORK_DIR}
work=${2:?usage: orca_review.sh PROGRAM WORK_DIR}

# A session bus of its own, ended with the script, with the accessibility
# bus and registry that it starts on demand.
if [ -z "${DORVANEX_PRIVATE_BUS:-}" ]; then
    exec env DORVANEX_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
if ! command -v orca >/dev/null; then
    echo "Orca is not installed; skipping"
    exit 77
fi
needs_x_tools xdotool script

mkdir -p "$work"
rm -rf "${work:?}/orca"
mkdir -p "$work/orca/prefs" "$work/orca/runtime"
chmod 700 "$work/orca/runtime"
start_xserver "$work"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/game.log" 2>&1 &
game_pid=$!
dialog=$(window_named "Dorvanex Player Entry")
[ -n "$dialog" ] || fail "the player-entry dialog did not open"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key --delay 150 alt+1 Tab Tab
xdotool type --delay 60 "Ann"
xdotool key Return
main=$(window_named "Dorvanex by Harvelo")
[ -n "$main" ] || fail "the main window did not open"
# One roll (a right click), then die 1 held (a left click on it).
xdotool mousemove --window "$main" 300 300 click 3 sleep 0.3 \
    mousemove --window "$main" 37 117 click 1

# Orca with its settings, caches and runtime files in the work folder. An
# empty speech server factory leaves speech on with no server behind it, so
# Orca logs every line it would speak. Its log goes to a terminal, which
# Python writes line by line, that script(1) copies to a file as it comes.
cat >"$work/orca/prefs/user-settings.conf" <<'JSON'
{"general": {"speechServerFactory": "", "enableBraille": false},
 "profiles": {"default": {"profile": ["Default", "default"],
                          "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
JSON
HOME=$work/orca XDG_CONFIG_HOME=$work/orca XDG_DATA_HOME=$work/orca XDG_CACHE_HOME=$work/orca \
    XDG_RUNTIME_DIR=$work/orca/runtime script --quiet --flush --command \
    "exec orca --user-prefs '$work/orca/prefs' --debug-file /dev/stdout" "$work/orca.log" \
    </dev/null >/dev/null 2>&1 &
script_pid=$!
orca_pid=""
stop_orca() {
    [ -z "$orca_pid" ] || kill -9 "$orca_pid" 2>/dev/null || true
    end_game_and_xserver
}
trap stop_orca EXIT

# spoken: the lines Orca has said so far.
spoken() {
    sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'[[{].*$/\1/p" "$work/orca.log"
}
# wait_to_say LINE WHAT: waits up to 10 s for Orca to say the line.
wait_to_say() {
    for _ in $(seq 100); do
        spoken | grep -qxF "$1" && return 0
        kill -0 "$script_pid" 2>/dev/null || break
        sleep 0.1
    done
    tail -n 20 "$work/orca.log"
    fail "Orca did not say '$1' $2"
}
wait_to_say "Screen reader on." "at its start"
# script(1) runs Orca as its one child.
orca_pid=$(tr -d ' ' <"/proc/$script_pid/task/$script_pid/children")
xdotool windowfocus --sync "$main" 2>/dev/null || true
wait_to_say "Dorvanex by Harvelo frame." "when the game's window was active"

# The desktop layout's flat review: the current line (keypad 8), then the
# next line (keypad 9) until the window's 25 lines have been read, the last
# one being the sheet's last row.
xdotool key --delay 120 KP_Up $(printf 'KP_Page_Up %.0s' $(seq 24))
wait_to_say "Grand Total: 0" "at the end of the flat review"
kill -9 "$orca_pid"
wait "$script_pid" || true
orca_pid=""

review=$(spoken | sed -n '/^Dorvanex by Harvelo frame\.$/,$p' | tail -n +2)
echo "Orca's flat review said, line by line:"
sed 's/^/  /' <<<"$review"
expect_spoken() {
    grep -qE "$1" <<<"$review" || fail "flat review did not say: $1"
}
expect_spoken "^Dorvanex by Harvelo$"
expect_spoken "^checked Die 1 showing [1-6]"
for die in 2 3 4 5; do
    expect_spoken "not checked Die $die showing [1-6]"
done
expect_spoken "Roll 1"
expect_spoken "^Ann$"
for row in Ones Twos Threes Fours Fives Sixes "Three of a Kind" "Four of a Kind" "Full House" \
    "Small Straight" "Large Straight" Dorvanex Chance; do
    expect_spoken "(^| )$row: empty"
done
for row in Subtotal Bonus "Upper Total" "Bottom Subtotal" "Grand Total"; do
    expect_spoken "(^| )$row: 0"
done
expect_spoken "Ann: empty"
echo "ok: Orca's flat review read the title, the dice, the two boxes, the sheet and the total"
