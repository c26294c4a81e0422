#!/bin/sh
# Guards the include check: an include that reaches up a room (directly, through "../", from the
# core into Qt, from the command-line tool into the panes) or into a test, and a file in no room,
# must each fail the check with the file and line named; the includes the rooms may make must pass.
# usage: include_rooms.sh CHECK_INCLUDES.py
set -eu
check=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/../cli/test_rig.sh"

tree() { # tree NAME FILE:INCLUDE...: a fresh tree NAME whose FILEs include one header each
    rm -rf "$1"
    name=$1
    shift
    for pair in "$@"; do
        file=$name/${pair%%:*}
        mkdir -p "$(dirname "$file")"
        printf '#pragma once\n#include <vector>\n#include "%s"\n' "${pair#*:}" >"$file"
    done
}

# What the rooms do today passes: upward from the core to the program, the programs anywhere,
# a header beside its includer, generated headers that lie nowhere in the tree.
tree good model/Page.h:oonedraw/GObject.h platform/qt/Draw.h:model/Page.h \
    controls/Edit.h:platform/qt/Draw.h panes/Pane.h:controls/Edit.h \
    image/ui/Dlg.h:ui_Dlg.h panes/Pane2.h:image/ui/Dlg.h editor/View.h:panes/Pane.h \
    editor/undo/Cmd.h:model/Page.h editor/View2.h:undo/Cmd.h app/Frame.h:editor/View.h \
    cli/Tool.cpp:panel/ui/Picture.h panel/ui/Picture.h:panel/Render.h panel/Render.h:Local.h \
    tests/gui/T.cpp:app/Frame.h bench/b.cpp:editor/View.h
python3 "$check" good >out.txt || { echo "a sound tree was refused" >&2; exit 1; }
grep -q "includes checked" out.txt

# Each fault alone, with the place it must be named at.
fault() { # fault NAME FILE:INCLUDE EXPECTED
    tree "$1" "$2" model/Page.h:oonedraw/GObject.h
    fails "$3" python3 "$check" "$1"
}
fault core-into-qt model/Draw.cpp:platform/qt/QtDraw.h "model/Draw.cpp:3: model/"
fault core-into-controls comm/Link.cpp:controls/Edit.h "comm/Link.cpp:3:"
fault panes-into-app panes/Pane.h:app/controls/CNumberEdit.h "panes/Pane.h:3: panes/"
fault panes-into-editor panes/Pane.h:editor/View.h "includes editor/View.h of editor/"
fault ui-into-panes image/ui/Dlg.cpp:panes/Pane.h "image/ui/Dlg.cpp:3:"
fault undo-into-app editor/undo/Cmd.h:../../app/Frame.h "editor/undo/Cmd.h:3:"
fault cli-into-panes cli/Tool.cpp:panes/Pane.h "cli/Tool.cpp:3:"
fault json-into-cli cli/json/Form.cpp:cli/Tool.h "cli/json/Form.cpp:3:"
fault room-into-tests model/Page.cpp:tests/TestBitmaps.h "includes the program file tests/TestBitmaps.h"
fault no-room gadgets/Thing.cpp:model/Page.h "gadgets/Thing.cpp:1: lies in no room"

# Every fault is listed, not only the first.
tree several panes/A.h:app/X.h panes/B.h:editor/Y.h
fails "panes/A.h:3:" python3 "$check" several
grep -q "panes/B.h:3:" msg.txt
grep -q "2 include(s) reach up a room" msg.txt
