#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds into build/ and then
#   run   starts the main program on the bundled demo project and draws its first page;
#   test  runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config git qt6-base-dev libgl-dev
          nlohmann-json3-dev libusb-1.0-0-dev libgtest-dev libgmock-dev googletest
          libbenchmark-dev clang libclang-rt-14-dev openssl xvfb xauth
          xfonts-wqy fonts-wqy-zenhei console-setup-linux unifont fonts-liberation
          imagemagick)
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
    build/bin/zorv info build/bin/demo.zvd
    build/bin/zorv render build/bin/demo.zvd 1 build/demo-page1.png
    echo "The first page as the page canvas draws it: build/demo-page1.png"
    ;;
test)
    ctest --test-dir build --output-on-failure --timeout 300 -j2
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
