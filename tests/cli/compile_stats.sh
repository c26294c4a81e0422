#!/bin/sh
# Guards `zorv compile --stats`: options refused after the file names, figures that differ from the image `zorv compile` writes,
# sections that do not add up to it, text and JSON that disagree, and a refused compile that is
# reported as success or without the page and widget at fault.
# usage: compile_stats.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"

"$zorv" import-json "$demo" demo.zvd
"$zorv" compile demo.zvd demo.hc >/dev/null
size=$(wc -c <demo.hc | tr -d ' ')
"$zorv" compile --stats --json demo.zvd >stats.json
grep -q "\"imageBytes\": $size," stats.json || { echo "image size is not $size:" >&2; cat stats.json >&2; exit 1; }
grep -q '"ok": true' stats.json
# The sections add up to the file's size.
sum=$(sed -n '/"sections"/,/}/p' stats.json | awk -F: 'NF == 2 { s += $2 } END { print s }')
test "$sum" -eq "$size" || { echo "sections add up to $sum, not $size" >&2; exit 1; }

"$zorv" compile --stats demo.zvd >stats.txt
tenths=$(((size * 10 + 512) / 1024))
kb="$((tenths / 10)).$((tenths % 10))"
head -n 1 stats.txt | grep -q "^$kb KB of 56 KB, [0-9]*/512 characters$" ||
    { echo "wrong summary line:" >&2; cat stats.txt >&2; exit 1; }
grep -q "^Image: $size of 57344 bytes" stats.txt
grep -q "^Largest pages: page [0-9]* ([0-9]* bytes)" stats.txt

# Options stand anywhere: the image is written and measured in one run.
"$zorv" compile demo.zvd again.hc --stats --json >stats-after.json
cmp demo.hc again.hc
diff stats.json stats-after.json
# Each command answers --help with its own usage, ending in a newline.
"$zorv" compile --help >help.txt
head -n 1 help.txt | grep -q '^usage: zorv compile IN.zvd'
test "$(tail -c 1 help.txt | od -An -c | tr -d ' ')" = '\n'
if "$zorv" compile demo.zvd >/dev/null 2>usage.txt; then
    echo "compile without an output or --stats was taken" >&2
    exit 1
fi
grep -q '^usage: zorv compile' usage.txt

# A user character beyond the library: the refusal names the page and the widget.
cat >bad.json <<'JSON'
{"pages": [{"number": 1}, {"number": 4, "widgets": [
  {"kind": "StaticText", "x": 16, "y": 32, "text1": "ok&FF"}]}]}
JSON
"$zorv" import-json bad.json bad.zvd
if "$zorv" compile --stats --json bad.zvd >bad-stats.json; then
    echo "refused compile reported as success" >&2
    exit 1
fi
grep -q '"ok": false' bad-stats.json
grep -q '"page": 4' bad-stats.json
grep -q '"kind": "StaticText"' bad-stats.json
grep -q 'used on page 4 (StaticText at 16,32)' bad-stats.json
if "$zorv" compile --stats bad.zvd >/dev/null 2>err.txt; then
    echo "refused compile reported as success" >&2
    exit 1
fi
grep -q "^zorv: The character &FF used on page 4 (StaticText at 16,32)" err.txt
echo "compile stats: all passed"
