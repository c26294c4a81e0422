#!/bin/sh
# Guards `zorv check`, `xref`, `map` and `report --html`: exit statuses that do not tell a clean
# project (0) from one with an error (1) or an unreadable file (2), JSON findings that lose a
# field or disagree with the text lines, a CSV cross-reference that cannot be read back in order,
# and pictures or reports that are not what their names say.
# usage: check_commands.sh ZORV DEMO.json MODBUS.mdt
set -eu
zorv=$1
demo=$2
modbus=$3
. "$(dirname "$0")/test_rig.sh"

"$zorv" import-json "$demo" demo.zvd
"$zorv" check demo.zvd >demo.txt || { echo "the demo has an error:" >&2; cat demo.txt >&2; exit 1; }
if grep -q '^error ' demo.txt; then echo "error line with exit 0" >&2; exit 1; fi

cat >bad.json <<'JSON'
{"header": {"multiLanguage": true},
 "alarmList": {"register": "M100", "entries": [{"text1": "No alarm", "text2": "No alarm"},
   {"text1": "Hot", "text2": ""}]},
 "pages": [{"number": 1, "upPage": 1, "downPage": 1, "widgets": [
  {"kind": "Key", "x": 40, "y": 48, "keyCode": "F1", "action": "screenJump", "value": 9},
  {"kind": "StaticText", "x": 176, "y": 0, "text1": "Too wide"}]},
  {"number": 3, "upPage": 3, "downPage": 3}]}
JSON
"$zorv" import-json bad.json bad.zvd
status=0
"$zorv" check bad.zvd >bad.txt || status=$?
test "$status" -eq 1 || { echo "check of a faulty project exits $status" >&2; exit 1; }
grep -qx 'error page 1 Key 1 (40,48): jumps to page 9, which does not exist' bad.txt
grep -q '^error page 1 StaticText 2 (176,0): reaches past the right edge' bad.txt
grep -qx 'warning page 3: no key, menu, Up/Down key or password control leads here from the start page' bad.txt
grep -q '^warning project: in the system alarm list, alarm 1 has no language 2 text' bad.txt

# JSON: one object per text line, each with all five fields, and the same codes.
status=0
"$zorv" check --json bad.zvd >bad.json.out || status=$?
test "$status" -eq 1
head -c 1 bad.json.out | grep -q '\['
for field in severity code page widget message; do
    n=$(grep -c "^    \"$field\": " bad.json.out)
    test "$n" -eq "$(wc -l <bad.txt)" || { echo "$field in $n of $(wc -l <bad.txt) findings" >&2; exit 1; }
done
grep -q '"code": "jump-to-missing-page"' bad.json.out
grep -q '"code": "outside-display"' bad.json.out
grep -q '"code": "unreachable-page"' bad.json.out
grep -q '"widget": null' bad.json.out
grep -q '"kind": "Key"' bad.json.out
if grep '"severity": ' bad.json.out | grep -qv '"severity": "\(error\|warning\)"'; then
    echo "unknown severity" >&2; exit 1
fi

status=0
"$zorv" check missing.zvd 2>err.txt || status=$?
test "$status" -eq 2 || { echo "unreadable file exits $status" >&2; exit 1; }
grep -q "Failed to open file!" err.txt
printf 'not a project' >junk.zvd
status=0
"$zorv" check --json junk.zvd >/dev/null 2>&1 || status=$?
test "$status" -eq 2

# The cross-reference as CSV, read back: the header, a register name that matches its area and
# address, rows in area and address order, and a quoted detail with commas kept whole.
cp "$modbus" demo.mdt
"$zorv" xref demo.zvd --csv >xref.csv
head -n 1 xref.csv | grep -qx 'register,area,address,width,station,use,where,detail'
"$zorv" xref demo.zvd >xref.txt
test "$(($(wc -l <xref.csv) - 1))" -eq "$(wc -l <xref.txt)"
tail -n +2 xref.csv | cut -d, -f1-6 | awk -F, '
    { split($1, r, "-"); if (r[1] != $2 $3 && $2 != "X" && $2 != "Y") { print "name " $0; bad = 1 } }
    { if ($2 < area || ($2 == area && $3 + 0 < address)) { print "order " $0; bad = 1 }
      area = $2; address = $3 + 0 }
    END { exit bad }'
grep -q '^M0,M,0,1,0,written by Modbus,Modbus table,"row 1, Communication alarm, device 1"$' xref.csv
grep -q '^D100,D,100,1,0,sent by Modbus,Modbus table,"row 2, Single Writing, device 2"$' xref.csv

"$zorv" map demo.zvd map.svg
grep -q '<svg' map.svg
"$zorv" map bad.zvd map.png
file map.png | grep -q 'PNG image data'
if "$zorv" map demo.zvd map.gif 2>/dev/null; then echo "map to .gif accepted" >&2; exit 1; fi

"$zorv" report --html bad.zvd report.html
grep -q '<svg' report.html
grep -q 'jumps to page 9, which does not exist' report.html
grep -q '<h2>Registers</h2>' report.html
if grep -q '<?xml\|src="http\|<link' report.html; then echo "report is not self-contained" >&2; exit 1; fi
echo "check commands: all passed"
