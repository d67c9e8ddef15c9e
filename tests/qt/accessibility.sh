#!/usr/bin/env bash
# Reads and plays the real program through AT-SPI (accessibility.py), or with
# "orca" has the screen reader Orca review its window, on a session bus of
# its own, ended with the script, where the accessibility bus and its
# registry start on demand. The display is a private X server, started
# first so that the accessibility bus belongs to it (beside other runs), or
# the Wayland display given (as on_weston.sh gives one).
#
#   accessibility.sh PROGRAM WORK_DIR [orca]
#
# Exits 77 (skipped) when Xvfb is not installed and no Wayland display is
# given, or for "orca" when Orca is not installed.
set -euo pipefail
source "$(dirname "$0")/xserver.sh"
[ "${3:-}" != orca ] || command -v orca >/dev/null ||
    { echo "Orca is not installed; skipping"; exit 77; }
[ -n "${WAYLAND_DISPLAY:-}" ] || { needs_x_tools xdotool; mkdir -p "$2"; start_xserver "$2"; }
# The system's own Python, where the AT-SPI bindings install.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- \
    /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$@"
