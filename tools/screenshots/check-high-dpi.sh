#!/usr/bin/env bash
# Renders the window at scale 1 and at scale 2 and checks that the scale-2
# picture is the same picture drawn at twice the resolution: exactly twice
# the size, every element in the same place, and drawn sharp rather than
# enlarged from the small one.
#
#   check-high-dpi.sh SCREENSHOT_TOOL WORK_DIR
# Needs ImageMagick (convert, compare, identify).
set -euo pipefail
tool=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
# A window is never larger than its screen, and Qt's offscreen screen of
# 800 x 800 pixels holds the window only at scale 1; at scale 2 the window is
# shown on a screen of the size such screens have.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 "$tool" "$work/1" >"$work/1.log"
QT_QPA_PLATFORM=offscreen:configfile=$(cd "$(dirname "$0")" && pwd)/large-screen.json \
    QT_SCALE_FACTOR=2 "$tool" "$work/2" >"$work/2.log"

fail=0
say() { echo "$*"; }
bad() { echo "FAIL: $*"; fail=1; }

size() { identify -format '%wx%h' "$1"; }
twice() { local w h; IFS=x read -r w h <<<"$1"; echo "$((2 * w))x$((2 * h))"; }

# The dialog has no fixed outer size: its picture doubles exactly.
say "dialog: $(size "$work/1/dialog.png") at scale 1, $(size "$work/2/dialog.png") at scale 2"
[ "$(size "$work/2/dialog.png")" = "$(twice "$(size "$work/1/dialog.png")")" ] ||
    bad "the dialog is not twice the size"

# The window keeps its outer size in logical pixels, so it is twice the size
# on the screen, and its picture holds every device pixel of the client area.
geometry() { sed -n 's/^window: outer \([0-9x]*\), client \([0-9x]*\), device pixel ratio \(.*\)$/\1 \2 \3/p' "$1"; }
read -r outer1 client1 ratio1 < <(geometry "$work/1.log")
read -r outer2 client2 ratio2 < <(geometry "$work/2.log")
say "window: outer $outer1 / $outer2 logical, client $client1 / $client2, ratio $ratio1 / $ratio2"
[ "$outer1" = "$outer2" ] || bad "the outer size changes with the scale"
[ "$ratio2" = 2 ] || bad "the device pixel ratio at scale 2 is $ratio2"
[ "$(size "$work/2/game.png")" = "$(twice "$client2")" ] || bad "the picture at scale 2 is not at full resolution"

# The frame may take fewer logical pixels at scale 2, so compare the area
# both pictures show.
small=$work/1/game.png big=$work/2/game.png
convert "$big" -crop "$(twice "$(size "$small")")+0+0" +repage "$work/big-common.png"
big=$work/big-common.png
pixels=$(identify -format '%[fx:w*h]' "$small")

# Every element in the same place: the big picture, taking one pixel of each
# 2x2 block, matches the small one except along the edges of glyphs, which
# are drawn afresh at the finer resolution.
convert "$big" -sample 50% "$work/big-sampled.png"
moved=$(compare -metric AE "$work/big-sampled.png" "$small" null: 2>&1 || true)
say "game: $moved of $pixels pixels differ after sampling the big picture down"
[ "$moved" -le $((pixels * 8 / 100)) ] || bad "elements sit elsewhere at scale 2"

# Drawn afresh, not enlarged: a picture doubled pixel by pixel would match
# exactly; one smoothed up would turn the one-pixel lines grey, so the
# share of pure black (lines and text) would fall far below four times.
convert "$small" -sample 200% "$work/small-doubled.png"
doubled=$(compare -metric AE "$work/small-doubled.png" "$big" null: 2>&1 || true)
[ "$doubled" -gt 0 ] || bad "the scale-2 picture is the small one doubled"
black() { convert "$1" -fill white +opaque black -format '%[fx:int(w*h*(1-mean)+0.5)]' info:; }
b1=$(black "$small") b2=$(black "$big")
say "game: $b1 black pixels at scale 1, $b2 at scale 2"
[ "$b2" -ge $((3 * b1)) ] || bad "lines and text are blurred at scale 2"

[ "$fail" -eq 0 ] && echo "high-DPI rendering is sharp and in place"
exit "$fail"
