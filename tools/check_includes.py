#!/usr/bin/env python3
"""Fails when a room of the source tree includes a room above it.

Every quoted include ("...") of a .h/.cpp is resolved as the compiler resolves it (beside the
including file first, then from the top of the tree) and both files are put in their rooms.
A room may include its own rank and the ranks below it, never one above; the programs (tests,
benchmarks, fuzz harnesses, tools) may include whatever they try. A file in no room is an error
too, so that a new folder is placed in the table before it is used.

usage: tools/check_includes.py [TREE]     (the tree this script lies in by default)
"""

import os
import re
import sys

# The rooms, lowest first. The longest matching folder names a file's room.
RANKS = [
    ("core (no Qt)", ["platform", "model", "image", "comm", "oonedraw", "sim", "panel",
                      "checks", "cli/json", "cli/diff", "cli/texts", "search", "plc"]),
    ("Qt platform", ["platform/qt"]),
    ("shared controls and commands", ["controls", "commands"]),
    ("Qt faces of the subsystems, the command-line tool",
     ["image/ui", "comm/ui", "panel/ui", "checks/ui", "cli"]),
    ("property panes", ["panes"]),
    ("editing view", ["editor"]),
    ("the program", ["app"]),
]
PROGRAMS = ["tests", "bench", "fuzz", "tools"]
SOURCE_ENDINGS = (".h", ".hpp", ".cpp", ".cc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def room_of(path):
    """The room and rank of a tree-relative path, or (None, None) outside every room."""
    best = (None, None, -1)
    for rank, (_, folders) in enumerate(RANKS):
        for folder in folders:
            if (path == folder or path.startswith(folder + "/")) and len(folder) > best[2]:
                best = (folder, rank, len(folder))
    return best[0], best[1]


def is_program(path):
    return path.split("/", 1)[0] in PROGRAMS


def sources(tree):
    for folder, subfolders, files in os.walk(tree):
        rel = os.path.relpath(folder, tree)
        # Hidden folders and the build trees at the top hold no sources of the tree.
        top = rel == "."
        subfolders[:] = sorted(d for d in subfolders
                               if not d.startswith(".") and not (top and d.startswith("build")))
        for name in sorted(files):
            if name.endswith(SOURCE_ENDINGS):
                yield os.path.normpath(os.path.join(rel, name))


def included_path(tree, including, target):
    """The tree-relative path an include names: beside the including file when it is there or
    when the include starts from there ("./", "../")."""
    beside = os.path.normpath(os.path.join(os.path.dirname(including), target))
    if target.startswith(".") or os.path.isfile(os.path.join(tree, beside)):
        return beside
    return os.path.normpath(target)


def check(tree):
    faults = []
    count = 0
    for path in sources(tree):
        if is_program(path):
            continue
        room, rank = room_of(path)
        if room is None:
            faults.append(f"{path}:1: lies in no room; place its folder in {sys.argv[0]}")
            continue
        with open(os.path.join(tree, path), encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                count += 1
                target = included_path(tree, path, match.group(1))
                if is_program(target):
                    faults.append(f"{path}:{number}: includes the program file {target}")
                    continue
                target_room, target_rank = room_of(target)
                if target_room is not None and target_rank > rank:
                    faults.append(f"{path}:{number}: {room}/ ({RANKS[rank][0]}) includes "
                                  f"{target} of {target_room}/ ({RANKS[target_rank][0]}), "
                                  f"a room above it")
    return faults, count


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults, count = check(os.path.abspath(tree))
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f"{len(faults)} include(s) reach up a room", file=sys.stderr)
        return 1
    print(f"{count} includes checked: every room includes only its own rank and those below")
    return 0


if __name__ == "__main__":
    sys.exit(main())
