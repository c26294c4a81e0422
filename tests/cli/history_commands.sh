#!/bin/sh
# Guards `zorv history`: versions listed in the wrong order, with the wrong time, size or pages,
# or with a damaged entry among them; a restore that changes a byte, loses the Modbus table kept
# with the version or leaves a stale one; a restore over the project that loses what it
# replaces; another project's versions shown; bad arguments taken as success.
# usage: history_commands.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"
ZORV_HOME="$work/home"
TZ=UTC
export ZORV_HOME TZ

mkdir line1 line2
"$zorv" import-json "$demo" demo.zvd
"$zorv" new line1/Press.zvd
"$zorv" new line2/Press.zvd
"$zorv" history line1/Press.zvd >none.txt
grep -q "^No earlier versions of Press.zvd are kept in $ZORV_HOME/history/Press-" none.txt

# The folder the listing names is where the editor's saves keep the versions.
folder=$(sed 's/.* kept in //' none.txt)
mkdir -p "$folder"
cp line1/Press.zvd "$folder/000001-20240101-120000.zvd"
cp demo.zvd "$folder/000002-20240315-083005.zvd"
printf 'table of two' >"$folder/000002-20240315-083005.mdt"
printf 'not a project' >"$folder/000003-20240316-000000.zvd"
printf 'stray' >"$folder/notes.txt"

"$zorv" history line1/Press.zvd >list.txt
head -n 1 list.txt | grep -q "^Earlier versions of Press.zvd, newest first, kept in $folder$"
demo_size=$(wc -c <demo.zvd | tr -d ' ')
sed -n 3p list.txt | grep -Eq "^ +2 +2024-03-15 08:30:05 +$demo_size +7 +kept$"
sed -n 4p list.txt | grep -Eq "^ +1 +2024-01-01 12:00:00 +288 +0 +none$"
test "$(wc -l <list.txt)" -eq 4 # the damaged entry and the stray file are left out

# The other project of the same name has a history of its own.
"$zorv" history line2/Press.zvd | grep -q "^No earlier versions"

fails "Failed to open the target file!" "$zorv" history line1/Press.zvd --restore 2 out/old.zvd
mkdir out
printf 'stale' >out/one.mdt
"$zorv" history line1/Press.zvd --restore 2 out/two.zvd | grep -q "^Version 2 written to out/two.zvd, with its Modbus table$"
cmp demo.zvd out/two.zvd
printf 'table of two' | cmp - out/two.mdt
"$zorv" history line1/Press.zvd --restore 1 out/one.zvd >/dev/null
cmp line1/Press.zvd out/one.zvd
# A version kept without a table leaves the table beside the target as it was.
printf 'stale' | cmp - out/one.mdt

# Restoring over the project itself keeps what it replaces as the newest version.
"$zorv" history line1/Press.zvd --restore 2 line1/Press.zvd >/dev/null
cmp demo.zvd line1/Press.zvd
"$zorv" history line1/Press.zvd >list.txt
sed -n 3p list.txt | grep -Eq "^ +4 .* 288 +0 +none$"

fails "no earlier version 3 is kept" "$zorv" history line1/Press.zvd --restore 3 out/x.zvd
fails "no earlier version 9 is kept" "$zorv" history line1/Press.zvd --restore 9 out/x.zvd
test ! -e out/x.zvd
fails "usage: zorv history" "$zorv" history
fails "usage: zorv history" "$zorv" history line1/Press.zvd --restore x out/x.zvd
fails "usage: zorv history" "$zorv" history line1/Press.zvd --restore 0 out/x.zvd
fails "usage: zorv history" "$zorv" history line1/Press.zvd --restore 2
echo "history commands: all passed"
