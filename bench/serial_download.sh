#!/bin/sh
# A full 57344-byte image to the panel simulator at an emulated 9600 baud (7E1, 10 bits a
# character): the total time against the line-rate bound, every byte sent and received at 960
# characters a second. Usage: bench/serial_download.sh [BUILD_DIR] [RUNS]
set -eu
bin=${1:-build}/bin
runs=${2:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c 57344 /dev/urandom > "$work/image.hc"
# Bytes on the line: ENQ/ACK, type query and reply, status query and reply, start/ACK,
# 896 blocks of 64 (141-byte frame + ACK), end/ACK.
bytes=$(( (1+1) + (11+8) + (13+6) + (12+1) + 896*(141+1) + (10+1) ))
bound=$(echo "scale=3; $bytes / 960" | bc)
for run in $(seq "$runs"); do
    rm -f "$work/sim.out" # so the path read below is this run's
    "$bin/zorv-panel-sim" --baud 9600 --save-image "$work/got.hc" --timeout 600 \
        > "$work/sim.out" 2> "$work/sim.err" &
    sim=$!
    while [ ! -s "$work/sim.out" ]; do sleep 0.05; done
    port=$(head -n 1 "$work/sim.out")
    start=$(date +%s.%N)
    "$bin/zorv" download --serial "$port" "$work/image.hc" > "$work/zorv.out"
    end=$(date +%s.%N)
    kill -INT "$sim"
    wait "$sim" || true
    cmp -s "$work/image.hc" "$work/got.hc" || { echo "run $run: image differs" >&2; exit 1; }
    total=$(echo "$end - $start" | bc)
    ratio=$(echo "scale=4; $total / $bound" | bc)
    echo "run $run: $bytes bytes, bound ${bound} s, total ${total} s, ratio ${ratio}"
done
