#!/bin/sh
# Guards the comparison of projects end to end and its use from git: a project that differs from
# itself, a moved widget or a changed text reported otherwise than as one entry each, the wrong
# exit status (0 same, 1 differ, 2 error) or an unreadable file without the reader's message,
# pictures missing for a changed page or written for an unchanged one, an export that differs
# between two saves of one project, and git that shows no changed widget through the textconv
# driver or the difftool as the documentation sets them up.
# usage: diff_commands.sh ZORV DEMO.json
set -eu
zorv=$1
demo=$2
. "$(dirname "$0")/test_rig.sh"

status() { # status COMMAND...: prints the exit status of the command
    rc=0
    "$@" >out.txt 2>err.txt || rc=$?
    echo "$rc"
}

"$zorv" import-json "$demo" a.zvd
test "$(status "$zorv" diff a.zvd a.zvd)" = 0
test ! -s out.txt

# The static text "Mixer MX-200" moved on page 1 and a language-2 text changed on page 7.
sed -e 's/"x": 48, "y": 0, "text1": "Mixer MX-200"/"x": 52, "y": 0, "text1": "Mixer MX-200"/' \
    -e 's/"text2": "转速设定"/"text2": "速度设定"/' "$demo" >b.json
"$zorv" import-json b.json b.zvd
test "$(status "$zorv" diff a.zvd b.zvd)" = 1
cat >expected.txt <<'END'
page 1 widget 2 StaticText changed
    x: 48 -> 52
page 7 widget 5 StaticText changed
    text2: "转速设定" -> "速度设定"
END
diff expected.txt out.txt
test "$(status "$zorv" diff a.zvd b.zvd --json)" = 1
python3 - out.txt <<'END'
import json, sys
entries = json.load(open(sys.argv[1]))["entries"]
assert [(e["page"], e["widget"], e["fields"][0]["field"]) for e in entries] == \
    [(1, 2, "x"), (7, 5, "text2")], entries
END

# Pictures of the two changed pages only, in both languages.
test "$(status "$zorv" diff a.zvd b.zvd --pictures pics)" = 1
test "$(ls pics | tr '\n' ' ')" = \
    "page-1-language-1.png page-1-language-2.png page-7-language-1.png page-7-language-2.png "
head -c 4 pics/page-7-language-2.png | grep -q PNG

head -c 96 a.zvd >cut.zvd
test "$(status "$zorv" diff a.zvd cut.zvd)" = 2
grep -q "File format error, open failed!" err.txt
test "$(status "$zorv" diff a.zvd missing.zvd --json)" = 2
grep -q "Failed to open file!" err.txt
test "$(status "$zorv" diff a.zvd)" = 2
grep -q "usage: zorv diff" err.txt
printf 'xx' >b.mdt # a table too short for its counts beside one project
test "$(status "$zorv" diff a.zvd b.zvd)" = 2
grep -q "Import failed!" err.txt
rm b.mdt

# The textconv driver: two saves of one project give the same text.
"$zorv" export-json a.zvd again.json
"$zorv" import-json again.json again.zvd
"$zorv" export-json a.zvd >first.txt
"$zorv" export-json again.zvd >second.txt
cmp first.txt second.txt

# Real git with the settings of docs/version-control.md in a repository of its own.
export HOME="$work" GIT_CONFIG_NOSYSTEM=1
git init -q repo
cd repo
git config user.name Tester
git config user.email tester@example.invalid
echo '*.zvd diff=zorv' >.gitattributes
git config diff.zorv.textconv "$zorv export-json"
git config difftool.zorv.cmd "\"$zorv\" diff \"\$LOCAL\" \"\$REMOTE\""
cp ../a.zvd plant.zvd
git add .gitattributes plant.zvd
git commit -q -m "first"
cp ../b.zvd plant.zvd
git diff >../git-diff.txt
grep -q '^-  *"x": 48,' ../git-diff.txt
grep -q '^+  *"x": 52,' ../git-diff.txt
grep -q '^+  *"text2": "速度设定"' ../git-diff.txt
git commit -q -am "moved"
git log -p -1 >../git-log.txt
grep -q '^+  *"x": 52,' ../git-log.txt
if grep -q "Binary files" ../git-log.txt; then
    echo "git log -p shows the project as binary" >&2
    exit 1
fi
git difftool -y -t zorv HEAD~1 HEAD -- plant.zvd >../git-tool.txt
grep -q "^page 1 widget 2 StaticText changed" ../git-tool.txt
