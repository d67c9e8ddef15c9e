# A private X server for the test scripts that drive the real program, and
# what they share around it. Sourced after `set -euo pipefail`:
#
#   needs_x_tools TOOL...  exits 77 (skipped) when Xvfb is not installed, and
#                          fails when xdpyinfo or one of the tools is missing.
#   start_xserver DIR [SCREEN]
#                          starts Xvfb on a display number it picks itself,
#                          with one screen (1280x1024x24 unless SCREEN gives
#                          another size and depth), exports DISPLAY once the
#                          server answers, and ends the server, and the
#                          program whose pid is in game_pid, on exit. Its log
#                          is DIR/xvfb.log.
#   stop_xserver           ends the server now.
#   window_named TITLE     the visible window with exactly that title, waited
#                          for up to 20 s; empty when there is none.
#   ends_with STATUS SECONDS LOG WHAT
#                          the program whose pid is in game_pid ends within
#                          SECONDS with that status after WHAT; else its LOG
#                          is shown and the test fails.
#   fail TEXT...           says why the test failed and exits 1.

fail() {
    echo "FAIL: $*"
    exit 1
}

needs_x_tools() {
    if ! command -v Xvfb >/dev/null; then
        echo "Xvfb is not installed; skipping"
        exit 77
    fi
    local tool
    for tool in xdpyinfo "$@"; do
        command -v "$tool" >/dev/null || fail "missing: $tool"
    done
}

game_pid=""
xserver_pid=""

stop_xserver() {
    [ -n "$xserver_pid" ] || return 0
    kill "$xserver_pid" 2>/dev/null || true
    wait "$xserver_pid" 2>/dev/null || true
    xserver_pid=""
}

end_game_and_xserver() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    [ -z "$xserver_pid" ] || kill "$xserver_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}

# The server picks a free display number itself and writes it to fd 3, so
# test runs side by side never share one.
start_xserver() {
    local dir=$1 screen=${2:-1280x1024x24}
    rm -f "$dir/display"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    xserver_pid=$!
    trap end_game_and_xserver EXIT
    for _ in $(seq 100); do
        [ -s "$dir/display" ] && break
        kill -0 "$xserver_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$dir/display" ] || fail "Xvfb did not start: $(tail -n 5 "$dir/xvfb.log")"
    DISPLAY=":$(head -n 1 "$dir/display")"
    export DISPLAY
    # The program is to use this server, whatever session the test runs in.
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the X server on $DISPLAY does not answer"
}

window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

ends_with() {
    local expected=$1 seconds=$2 log=$3 what=$4 status=0
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game still runs $seconds s after $what"
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq "$expected" ] || { cat "$log"; fail "status $status after $what, expected $expected"; }
    echo "ok: status $expected after $what"
}
