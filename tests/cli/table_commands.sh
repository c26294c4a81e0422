#!/bin/sh
# Guards `zorv report` and `zorv import-old` on files: a report that leaves out the pages, the
# alarm list or the Modbus table beside the project, a report file without CR LF line ends, a
# report or import failure reported as success or without the system's message, an older
# project whose translation cannot be opened, compiled or reported, and pages sharing a number
# taken in by the older translation (without a word) or by the JSON form.
# usage: table_commands.sh ZORV DEMO.json MODBUS.mdt OLDER.qsp
set -eu
zorv=$1
demo=$2
table=$3
older=$4
. "$(dirname "$0")/test_rig.sh"

has() { # has FILE TEXT: the report holds the line
    grep -aqF -- "$2" "$1" || { echo "report lacks \"$2\"" >&2; exit 1; }
}

"$zorv" import-json "$demo" demo.zvd
"$zorv" report demo.zvd >plain.txt
has plain.txt "The total pages = 7"
has plain.txt "Alarm list Alarm number = 5"
has plain.txt "Modbus Protocol configuration:"
if grep -aq "Device address" plain.txt; then
    echo "Modbus rows reported without a table beside the project" >&2
    exit 1
fi

# The Modbus table beside the project joins the report; the file has CR LF line ends.
cp "$table" demo.mdt
"$zorv" report demo.zvd report.txt
has report.txt "01  Device address = D1,  Instruction address = 0x0000,  SoftAddr = M0"
lines=$(wc -l <report.txt)
crlf=$(grep -ac "$(printf '\r')\$" report.txt)
test "$lines" -eq "$crlf" || { echo "$crlf of $lines lines end in CR LF" >&2; exit 1; }
fails "Failed to Create Report!" "$zorv" report demo.zvd no-such-folder/report.txt
fails "Failed to open file!" "$zorv" report missing.zvd

# An older project becomes a project that opens, compiles and reports.
"$zorv" import-old "$older" old.zvd >import.txt
grep -q "^2 pages, 2 alarms$" import.txt
"$zorv" info old.zvd >info.txt
grep -q "^Pages: 2" info.txt
"$zorv" compile old.zvd old.hc >/dev/null
"$zorv" report old.zvd >old-report.txt
has old-report.txt "The total pages = 2"
# An older project whose second page repeats page number 1 (the byte after the 0x80 mark at
# offset 286): that page becomes page 2, its picture is named after it, and the import says so.
cp "$older" twice.qsp
printf '\001' | dd of=twice.qsp bs=1 seek=287 conv=notrunc 2>/dev/null
"$zorv" import-old twice.qsp twice.zvd >import.txt 2>warning.txt
grep -qF "page 1 (page record 2 of the file) is now page 2." warning.txt
"$zorv" export-json twice.zvd twice.json
grep -c '"number": ' twice.json | grep -qx 2
grep -q '"number": 2' twice.json
grep -qF 'pic/P2-0.bmp' twice.json
test -f pic/P2-0.bmp
"$zorv" import-old "$older" again.zvd >/dev/null 2>warning.txt
test ! -s warning.txt
# The JSON form takes each page number once.
printf '{"pages": [{"number": 5}, {"number": 5}]}' >twice-json.json
fails "pages[1].number: page 5 follows page 5 (numbers must be strictly ascending)" \
    "$zorv" import-json twice-json.json x.zvd
test ! -e x.zvd

printf 'not an older project' >wrong.qsp
fails "Failed to recognize the file format, import failed!" "$zorv" import-old wrong.qsp x.zvd
fails "Failed to open file!" "$zorv" import-old missing.qsp x.zvd
echo "table commands: all passed"
