#!/bin/sh
# Guards `zorv panel`: the page printed after keys, a PNG of 192 x 64 times the scale, the
# same picture from the project and from its image, and refusals of unknown keys, pages and
# broken images.
# usage: panel_command.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"

"$zorv" import-json "$demo" demo.zvd
"$zorv" compile demo.zvd demo.hc >/dev/null

expect_page() { # expect_page N ARGS...: the command prints "page N"
    want=$1
    shift
    got=$("$zorv" panel "$@")
    test "$got" = "page $want" || { echo "panel $*: printed '$got', expected 'page $want'" >&2; exit 1; }
}

expect_page 1 demo.hc start.png
expect_page 2 demo.hc f1.png --keys F1
expect_page 5 demo.hc up.png --keys UP
expect_page 4 demo.zvd menu.png --page 5 --keys down,DOWN,ENT
expect_page 6 demo.hc fail.png --page 6 --keys 9,9,9,9,ENT
expect_page 7 demo.hc login.png --page 6 --keys 1,1,1,1,ENT
expect_page 4 demo.hc alarm.png --set M101=1 --language 2

# PNG size: 192 x 64 at scale 1, 576 x 192 at scale 3 (width and height from the IHDR chunk).
size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
test "$(size start.png)" = 192x64 || { echo "start.png is $(size start.png)" >&2; exit 1; }
"$zorv" panel demo.hc big.png --scale 3 >/dev/null
test "$(size big.png)" = 576x192 || { echo "big.png is $(size big.png)" >&2; exit 1; }

# The project and its image give the same picture.
"$zorv" panel demo.zvd start2.png >/dev/null
cmp -s start.png start2.png || { echo "project and image pictures differ" >&2; exit 1; }

fails 'no key "F9"' "$zorv" panel demo.hc x.png --keys F1,F9
fails "the image has no page 9" "$zorv" panel demo.hc x.png --page 9
fails 'cannot set "Q1=2"' "$zorv" panel demo.hc x.png --set Q1=2
head -c 500 demo.hc >cut.hc
fails "not a sound download image" "$zorv" panel cut.hc x.png
fails "usage" "$zorv" panel demo.hc x.png --scale 0
echo "panel command: all passed"
