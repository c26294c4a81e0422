#!/bin/sh
# Guards the project commands end to end: a new project that info cannot read, JSON round trips
# that change the file, plain/encipher that are no mirror, page pictures that ignore the
# language, corrupt or missing input that is reported as success or without the system's
# message, and the platform's warnings mixed into what a script reads.
# usage: project_commands.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"

"$zorv" new a.zvd
"$zorv" info a.zvd >info.txt
grep -q "^Pages: 0" info.txt
grep -q "No Alarm" info.txt
"$zorv" export-json a.zvd a.json
"$zorv" import-json a.json b.zvd
cmp a.zvd b.zvd
"$zorv" export-json a.zvd >stdout.json
cmp a.json stdout.json

"$zorv" import-json "$demo" demo.zvd
"$zorv" export-json demo.zvd demo.json
"$zorv" import-json demo.json demo2.zvd
cmp demo.zvd demo2.zvd
"$zorv" info demo.zvd >info.txt
grep -q "^Pages: 7" info.txt
grep -q "Start 主画面" info.txt
"$zorv" plain demo.zvd demo.bin
"$zorv" encipher demo.bin demo3.zvd
cmp demo.zvd demo3.zvd

head -c 100 demo.zvd >odd.zvd # not whole cipher blocks
fails "Failed to open file!" "$zorv" info odd.zvd
head -c 96 demo.zvd >cut.zvd # whole blocks, but the stream ends early
fails "File format error, open failed!" "$zorv" info cut.zvd
fails "File format error, open failed!" "$zorv" export-json cut.zvd
fails "Failed to open file!" "$zorv" info missing.zvd
# The message names the file and the reason below its first line.
fails "$PWD/odd.zvd" "$zorv" info "$PWD/odd.zvd"
fails "The file cannot be deciphered: its size of 100 bytes is not a multiple of 8." \
    "$zorv" info odd.zvd
fails "The file is too short to hold the header of a project file." "$zorv" info cut.zvd
fails "No such file or directory" "$zorv" info missing.zvd
fails "Failed to open file!" "$zorv" import-json missing.json x.zvd
echo '{"pages": [{"number": 1, "widgets": [{"kind": "Led", "register": "X400"}]}]}' >bad.json
fails 'pages[0].widgets[0].register: register "X400" out of range (X0..X377)' \
    "$zorv" import-json bad.json x.zvd
test ! -e x.zvd
fails "Failed to open the target file!" "$zorv" new no-such-folder/a.zvd
cp a.zvd keep.zvd
fails "usage: zorv import-json" "$zorv" import-json bad.json
cmp a.zvd keep.zvd
"$zorv" render demo.zvd 1 page1.png >render.txt
grep -q "^page 1: 12 of 12 widgets drawn" render.txt
"$zorv" render demo.zvd 1 page1-en.png --language 2 >/dev/null
head -c 4 page1.png | grep -q "PNG"
if cmp -s page1.png page1-en.png; then
    echo "render: both languages drew the same picture" >&2
    exit 1
fi
fails "the project has no page 9" "$zorv" render demo.zvd 9 page9.png
test ! -e page9.png
fails "usage: zorv render" "$zorv" render demo.zvd 1 x.png --language 3

# Without a runtime folder Qt warns on every start; a script must see only zorv's own output.
env -u XDG_RUNTIME_DIR "$zorv" info demo.zvd >/dev/null 2>quiet.txt
env -u XDG_RUNTIME_DIR "$zorv" render demo.zvd 1 quiet.png >/dev/null 2>>quiet.txt
test ! -s quiet.txt || { echo "platform messages on stderr:" >&2; cat quiet.txt >&2; exit 1; }
echo "project commands: all passed"
