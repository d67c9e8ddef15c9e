#!/usr/bin/env bash
# Reads and plays the real program through AT-SPI (accessibility.py), with a
# session bus of its own, ended with the script, on which the accessibility
# bus and its registry start on demand. The display is a private X server,
# or the Wayland display given (as on_weston.sh gives one).
#
#   accessibility.sh PROGRAM WORK_DIR
#
# Exits 77 (skipped) when Xvfb is not installed and no Wayland display is given.
set -euo pipefail

program=${1:?usage: accessibility.sh PROGRAM WORK_DIR}
work=${2:?usage: accessibility.sh PROGRAM WORK_DIR}

if [ -z "${DORVANEX_PRIVATE_BUS:-}" ]; then
    exec env DORVANEX_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
# The system's own Python, where the AT-SPI bindings and python3-xlib install.
python=/usr/bin/python3
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    fail "missing: gir1.2-atspi-2.0 or python3-gi"
mkdir -p "$work"
if [ -z "${WAYLAND_DISPLAY:-}" ]; then
    needs_x_tools
    start_xserver "$work"
fi
"$python" "$(dirname "${BASH_SOURCE[0]}")/accessibility.py" "$program"
