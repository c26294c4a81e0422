#!/bin/sh
# Guards the translation files end to end: an XLIFF file that is no well-formed XML of the XLIFF
# 1.2 namespace (as Python's own XML reader sees it), an exported file that does not come back
# as the same project, a translated CSV file that does not give the expected project, and a
# refused file that names no id and line or still writes a project.
# usage: texts_commands.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"

"$zorv" import-json "$demo" demo.zvd
"$zorv" texts export demo.zvd texts.xlf
"$zorv" texts export demo.zvd texts.csv
python3 - texts.xlf <<'END'
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
ns = "{urn:oasis:names:tc:xliff:document:1.2}"
assert root.tag == ns + "xliff" and root.get("version") == "1.2", root.tag
units = root.findall(f"{ns}file/{ns}body/{ns}trans-unit")
assert len(units) > 20 and units[0].find(ns + "source") is not None
END

# Exported and imported unchanged: the very same project file.
for file in texts.xlf texts.csv; do
    "$zorv" texts import demo.zvd "$file" same.zvd >out.txt
    test ! -s out.txt
    cmp demo.zvd same.zvd
done

# A translated language-2 text: listed, and the project's JSON form changes in that text alone.
sed 's/^P1.W5,\(.*\),Batch,批次$/P1.W5,\1,Batch,Charge/' texts.csv >changed.csv
"$zorv" texts import demo.zvd changed.csv changed.zvd >out.txt
test "$(cat out.txt)" = 'P1.W5 language 2: "批次" -> "Charge"'
"$zorv" export-json demo.zvd >before.json
"$zorv" export-json changed.zvd >after.json
test "$(diff before.json after.json | grep -c '^[<>]')" = 2
diff before.json after.json | grep -q '"text2": "Charge"'

# Into its neighbour on the display and too long for a text: refused with id and line, nothing written.
sed -e 's/^P1.W5,\(.*\),Batch,批次$/P1.W5,\1,Batch,Chargennummer/' \
    -e 's/^P1.W2,\(.*\),Mixer MX-200,.*$/P1.W2,\1,Mixer MX-200,Ruehrwerk fuer die Mischung/' \
    texts.csv >bad.csv
fails "line 6: P1.W5: runs into Register 6 (96,32)" "$zorv" texts import demo.zvd bad.csv bad.zvd
grep -qF "line 2: P1.W2: the language 2 text takes 27 bytes" msg.txt
test ! -e bad.zvd
fails "usage" "$zorv" texts export demo.zvd
