#!/bin/sh
# Rewrites the golden images in tests/data/golden from the current drawing code, on purpose:
# run it after a change that is meant to alter how the canvas looks, then view every image
# that git reports as changed before committing it.
# Usage: tools/regenerate_golden.sh [build folder]   (default: build)
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$source_dir/build"}
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" --target zorv_golden_tests EditorViewGoldenTest demo_project
QT_QPA_PLATFORM=offscreen ZORV_REGENERATE_GOLDEN=1 "$build_dir/bin/zorv_golden_tests" \
    --gtest_filter='*Golden*'
# The whole editing view with the demo's first page.
QT_QPA_PLATFORM=offscreen ZORV_REGENERATE_GOLDEN=1 "$build_dir/tests/bin/EditorViewGoldenTest"
git -C "$source_dir" status --short -- tests/data/golden
