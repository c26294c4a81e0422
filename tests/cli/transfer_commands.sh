#!/bin/sh
# Guards the transfer commands against the panel simulator on a pseudo-terminal: an image that
# reaches the panel changed or not at all, an oversize image or Modbus table or a missing file
# sent or reported as success, a port that finds no panel without naming it, a Modbus table
# downloaded wrongly, and a verification that passes a table the panel does not hold.
# usage: transfer_commands.sh ZORV ZORV-PANEL-SIM DEMO.json MODBUS.mdt
set -eu
zorv=$1
panel=$2
demo=$3
table=$4
. "$(dirname "$0")/test_rig.sh"
fails_output=any
sim=
cleanup() {
    if [ -n "$sim" ]; then kill -INT "$sim" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

start_sim() { # start_sim SIM-ARGS...: a simulator for one transfer; its port in $port
    rm -f sim.out
    "$panel" --timeout 30 "$@" >sim.out 2>sim.err &
    sim=$!
    tries=0
    while [ ! -s sim.out ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { echo "simulator did not start" >&2; cat sim.err >&2; exit 1; }
        sleep 0.05
    done
    port=$(head -n 1 sim.out)
}

stop_sim() {
    kill -INT "$sim"
    wait "$sim" || true
    sim=
}

# The demo's image reaches the panel byte for byte.
"$zorv" import-json "$demo" demo.zvd
"$zorv" compile demo.zvd demo.hc >/dev/null
start_sim --save-image got.hc
timeout 30 "$zorv" download --serial "$port" demo.hc >download.txt 2>&1 ||
    { echo "download failed:" >&2; cat download.txt >&2; exit 1; }
stop_sim
cmp demo.hc got.hc

# A panel that stands still for 3 s after 40 blocks: the link's retries wait in the line, and
# "complete" comes only once the panel, stopped at that moment, holds the whole image.
start_sim --baud 38400 --stall-after-blocks 40 --stall-ms 3000 --save-image stalled.hc
timeout 30 "$zorv" download --serial "$port" demo.hc >stalled.txt 2>&1 ||
    { echo "download through a stall failed:" >&2; cat stalled.txt >&2; exit 1; }
stop_sim
tail -n 1 stalled.txt | grep -qxF "Interface data download: File download complete" ||
    { echo "no completion after the stall:" >&2; cat stalled.txt >&2; exit 1; }
cmp demo.hc stalled.hc

# A panel that refuses every frame is named as refusing, not as silent.
start_sim --nak-every 1
fails "Ports tried: $port (refused)" "$zorv" download --serial "$port" demo.hc
stop_sim

# An image over 56 KB and a missing image are refused before any transfer.
head -c 57345 /dev/zero >big.hc
fails "Download file more than 56k!" "$zorv" download --serial /dev/null big.hc
fails "Interface data file does not exist!" "$zorv" download --serial /dev/null missing.hc

# A Modbus table of 1024 bytes or more (a refused table of 159 rows, the 393,284 bytes of 65535)
# is refused with the table's message by every command that sends it, before any traffic.
head -c 1028 /dev/zero >big.mdt
head -c 393284 /dev/zero >huge.mdt
for t in big.mdt huge.mdt; do
    for sub in download verify; do
        fails "Too many configuration data, please delete some data!" \
            "$zorv" modbus "$sub" "$t" --serial /dev/null
    done
    fails "Too many configuration data, please delete some data!" \
        "$zorv" download --serial /dev/null --modbus "$t" demo.hc
    if grep -q "Connecting device" msg.txt; then
        echo "download went to the panel before refusing $t:" >&2
        cat msg.txt >&2
        exit 1
    fi
done

# A port that finds no panel is named, with what kept it shut.
fails "Interface data download: Connecting device...Failed" \
    "$zorv" download --serial /nonexistent/ttyUSB7 demo.hc
fails "Ports tried: /nonexistent/ttyUSB7 (cannot be opened: No such file or directory)" \
    "$zorv" download --serial /nonexistent/ttyUSB7 demo.hc
fails "Ports tried: /dev/null (cannot be opened: not a serial port)" \
    "$zorv" modbus download "$table" --serial /dev/null

# The Modbus table goes to the configuration area; verification passes against what the panel
# holds and fails against a panel holding something else.
start_sim --save-config got.cfg
timeout 30 "$zorv" modbus download "$table" --serial "$port" >modbus.txt 2>&1 ||
    { echo "modbus download failed:" >&2; cat modbus.txt >&2; exit 1; }
stop_sim
cmp "$table" got.cfg
start_sim --config got.cfg
timeout 30 "$zorv" modbus verify "$table" --serial "$port" >verify.txt 2>&1 ||
    { echo "verify failed on the table just downloaded:" >&2; cat verify.txt >&2; exit 1; }
stop_sim
printf 'x' | dd of=got.cfg bs=1 seek=20 conv=notrunc 2>/dev/null
start_sim --config got.cfg
if timeout 30 "$zorv" modbus verify "$table" --serial "$port" >verify.txt 2>&1; then
    echo "verify passed a table the panel does not hold:" >&2
    cat verify.txt >&2
    exit 1
fi
stop_sim

# The image and the table in one download.
start_sim --save-image both.hc --save-config both.cfg
timeout 30 "$zorv" download --serial "$port" --modbus "$table" demo.hc >both.txt 2>&1 ||
    { echo "download with the table failed:" >&2; cat both.txt >&2; exit 1; }
stop_sim
cmp demo.hc both.hc
cmp "$table" both.cfg
echo "transfer commands: all passed"
