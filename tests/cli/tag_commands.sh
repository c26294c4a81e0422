#!/bin/sh
# Guards `zorv tags`, `renumber` and the tag column of `xref`: an import that changes the project
# file, takes part of a faulty file or loses the line numbers of its faults, columns chosen by
# name or position read from the wrong place, a tag column without tags, a renumbering that
# writes its output after a refusal, moves registers outside its run or pages, or leaves the
# tags behind.
# usage: tag_commands.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"

"$zorv" import-json "$demo" demo.zvd
cp demo.zvd before.zvd
"$zorv" xref demo.zvd >plain.txt
"$zorv" xref --csv demo.zvd | head -1 | grep -qx 'register,area,address,width,station,use,where,detail'

printf 'Remark;Address;Symbol\nper batch;D100;Batch count\n;M20;Motor\n;M4000;Spare\n' >plc.csv
"$zorv" tags demo.zvd --import plc.csv --columns 'Symbol,address,#1' 2>/dev/null &&
    { echo "a ';' file read as ','" >&2; exit 1; }
printf 'Remark,Address,Symbol\n"per batch, net",D100,Batch count\n,M20,Motor\n,M4000,Spare\n' >plc.csv
"$zorv" tags demo.zvd --import plc.csv --columns 'Symbol,address,#1'
cmp demo.zvd before.zvd
test -f demo.tags.csv
"$zorv" tags demo.zvd >list.csv
printf 'name,register,comment\nBatch count,D100,"per batch, net"\nMotor,M20,\nSpare,M4000,\n' >want.csv
cmp list.csv want.csv
"$zorv" tags demo.zvd --export out.csv
cmp out.csv want.csv

# A faulty file is refused whole, each fault named with its line.
printf 'name,register\nPump,D1\n"Two\nlines",D2\npump,D3\nValve,Q7\n' >bad.csv
fails 'bad.csv: line 5: duplicate name "Pump" (also on line 2)' "$zorv" tags demo.zvd --import bad.csv
grep -qF 'bad.csv: line 6: unreadable register "Q7"' msg.txt
grep -qF 'bad.csv: line 3: the text is not UTF-8 or holds control characters' msg.txt
cmp demo.tags.csv want.csv

# The tag column, and the information about a tag no widget uses.
"$zorv" xref demo.zvd | grep -q '^D100 *Batch count *read *page 2 Register 4'
"$zorv" xref --csv demo.zvd | head -1 | grep -qx 'register,tag,area,address,width,station,use,where,detail'
"$zorv" check demo.zvd | grep -qx 'information project: the tag "Spare" names M4000, which no widget uses'

# Renumbering: refused moves write nothing; the others move exactly their run.
fails 'leaves D0-D8499' "$zorv" renumber demo.zvd far.zvd --from D8490 --to D8495 --count 10
test ! -e far.zvd
fails 'no page 99' "$zorv" renumber demo.zvd far.zvd --from D100 --to D200 --pages 99
"$zorv" renumber demo.zvd moved.zvd --from D100-D119 --to D200-D219 >changes.txt 2>summary.txt
grep -qx 'D100-D119 to D200-D219: 7 fields changed' summary.txt
test "$(wc -l <changes.txt)" -eq 7
grep -qx 'page 2 Register 4: register D100 -> D200' changes.txt
cmp moved.tags.csv want.csv
"$zorv" xref moved.zvd >moved.txt
if grep -q '^D1[01][0-9] ' moved.txt; then echo "a register of the run stayed" >&2; exit 1; fi
"$zorv" renumber demo.zvd paged.zvd --from D100 --to D200 --count 20 --pages 3 >paged.txt 2>/dev/null
test "$(wc -l <paged.txt)" -eq 2
if grep -v '^page 3 ' paged.txt; then echo "a change outside page 3" >&2; exit 1; fi
