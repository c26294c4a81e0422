#!/bin/sh
# Guards every command that reads a file against places that are no readable file: a folder, a
# file whose read fails as a failing disk's does (/proc/self/mem), a named pipe that would hold
# the read for ever and a loop of symbolic links. Each must end with a failure status and the
# system's message with the reason beneath it, never by a signal (status 128 and up) as an
# exception leaving a reader did; and a large file that is no project is refused at once.
# usage: unreadable_inputs.sh ZORV
set -eu
zorv=$1
. "$(dirname "$0")/test_rig.sh"

mkdir folder.zvd
mkfifo pipe.zvd
ln -s loop.zvd loop.zvd

# refused REASON FIRST-LINE COMMAND...: a failure status below 128, the first line and the reason
refused() {
    reason=$1
    first=$2
    shift 2
    status=0
    timeout 10 "$@" 2>msg.txt >/dev/null || status=$?
    if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
        echo "status $status (not a plain failure): $*" >&2
        cat msg.txt >&2
        exit 1
    fi
    grep -qxF -- "$reason" msg.txt && grep -qF -- "$first" msg.txt ||
        { echo "wrong message for $*:" >&2; cat msg.txt >&2; exit 1; }
}

for place in folder.zvd:"Is a directory" /proc/self/mem:"Input/output error" \
    pipe.zvd:"Is a named pipe, not a file" loop.zvd:"Too many levels of symbolic links"; do
    in=${place%%:*}
    reason=${place#*:}
    for command in "info" "compile @ out.hc" "compile --stats" "check" "xref" "map @ out.svg" "render @ 1 out.png" \
        "panel @ out.png" "export-json" "report" "plain @ out.bin" "encipher @ out.zvd" \
        "import-json @ out.zvd" "import-old @ out.zvd" "dump-image"; do
        case $command in
        *@*) set -- $(echo "$command" | sed "s|@|$in|") ;;
        *) set -- $command "$in" ;;
        esac
        refused "$reason" "Failed to open file!" "$zorv" "$@"
    done
    refused "$reason" "Import failed!" "$zorv" modbus show "$in"
    # A download image named .hc is read as it is.
    rm -f image.hc
    ln -s "$in" image.hc
    refused "$reason" "Failed to open file!" "$zorv" panel image.hc out.png
done
test ! -e out.zvd

# 200 MB that are no project (a sparse file of zero bytes) are refused on their first block.
truncate -s 200M big.zvd
start=$(date +%s)
refused "The file does not begin with the header of a project file." \
    "File format error, open failed!" "$zorv" info big.zvd
test $(($(date +%s) - start)) -le 3
