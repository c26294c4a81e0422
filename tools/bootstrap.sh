#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds into build/ and then
#   run   starts the editor on the bundled demo project (on a virtual display, leaving a
#         screenshot, when there is no display);
#   test  runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config git qt6-base-dev libgl-dev
          nlohmann-json3-dev libusb-1.0-0-dev libgtest-dev libgmock-dev googletest
          libbenchmark-dev clang libclang-rt-14-dev openssl xvfb xauth
          xfonts-wqy fonts-wqy-zenhei console-setup-linux unifont fonts-liberation
          imagemagick file dpkg-dev libgraphviz-dev python3
          libmodbus-dev python3-pymodbus python3-serial socat)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake --preset default >/dev/null
cmake --build build

case "${1:-run}" in
run)
    shift || true
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec build/bin/zorveditor build/bin/demo.zvd "$@"
    fi
    # Without a display the editor runs on a virtual one for a moment and leaves a picture.
    shot=build/editor-screenshot.png
    echo "No display here: running the editor under xvfb-run for a few seconds instead."
    xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
        build/bin/zorveditor build/bin/demo.zvd --quit-after 6000 &
        sleep 4
        import -window root "$0"
        wait' "$shot"
    echo "The editor on the demo project, as it looked: $shot"
    ;;
test)
    ctest --test-dir build --output-on-failure --timeout 300 -j2
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
