#!/bin/sh
# Guards `zorv panel --plc` and `zorv plc-scan` against a Modbus TCP server this project did not
# write (pymodbus, run by Debian's Python): a page showing D100 draws the server's value pixel for
# pixel as `--set D100=` draws it, SET, digits and ENT write the server's holding register, a
# key's coil action reaches the server's coil, and the scan lists one cycle's merged requests.
# usage: plc_commands.sh ZORV DEMO.json SERVER.py
set -eu
zorv=$1
demo=$2
server=$3
. "$(dirname "$0")/test_rig.sh"
python=/usr/bin/python3
$python -c 'import pymodbus' 2>/dev/null || { echo "no pymodbus for $python: skipped"; exit 77; }

"$zorv" import-json "$demo" demo.zvd
"$zorv" compile demo.zvd demo.hc >/dev/null

mkfifo control
$python "$server" tcp --port 0 <control >answers 2>server.err &
peer=$!
exec 3>control
trap 'exec 3>&-; kill $peer 2>/dev/null || true; rm -rf "$work"' EXIT

lines() { wc -l <answers; }
ask() { # ask COMMAND: sends a control line and prints the server's answer
    before=$(lines)
    echo "$1" >&3
    for _ in $(seq 100); do
        [ "$(lines)" -gt "$before" ] && break
        sleep 0.05
    done
    tail -n 1 answers
}
for _ in $(seq 100); do
    grep -q '^listening' answers && break
    sleep 0.1
done
port=$(sed -n 's/^listening //p' answers)
[ -n "$port" ] || { echo "the server did not come up:" >&2; cat server.err >&2; exit 1; }
plc=tcp://127.0.0.1:$port

ask "set hr 100 1234" >/dev/null
got=$("$zorv" panel demo.hc online.png --page 2 --plc "$plc" 2>/dev/null)
test "$got" = "page 2" || { echo "online: printed '$got'" >&2; exit 1; }
"$zorv" panel demo.hc offline.png --page 2 --set D100=1234 >/dev/null
cmp -s online.png offline.png || { echo "the PLC's D100 is drawn otherwise than --set's" >&2; exit 1; }

# Logged in on page 7 with the set control on: the entry and the reversing key reach the server.
ask "set hr 4 1" >/dev/null
got=$("$zorv" panel demo.hc keys.png --page 6 --plc "$plc" \
    --keys 1,1,1,1,ENT,SET,1,5,0,0,ENT,F3 2>/dev/null)
test "$got" = "page 7" || { echo "keys: printed '$got'" >&2; exit 1; }
test "$(ask "get hr 101")" = 1500 || { echo "D101 in the server: $(ask "get hr 101")" >&2; exit 1; }
test "$(ask "get coil 10")" = 1 || { echo "M10 in the server: $(ask "get coil 10")" >&2; exit 1; }

# One cycle of page 2: D1..D4 of the system registers in one read, D100 alone (D110 is 9 past).
"$zorv" plc-scan demo.hc --plc "$plc" --page 2 >scan.txt
for line in "function 3  station 1  address 1  count 4" "function 3  station 1  address 100  count 1" \
    "physical bound: none on TCP"; do
    grep -qxF "$line" scan.txt || { echo "scan lacks '$line':" >&2; cat scan.txt >&2; exit 1; }
done
grep -q '^cycle time [0-9.]* ms$' scan.txt || { echo "scan lacks the cycle time" >&2; exit 1; }

fails "cannot reach the PLC" "$zorv" panel demo.hc x.png --plc tcp://127.0.0.1:1
fails "usage" "$zorv" panel demo.hc x.png --plc "$plc" --set D100=1
ask quit >/dev/null || true
