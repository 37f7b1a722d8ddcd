#!/usr/bin/env bash
# Builds Zem Scrivlet and runs every test: unit and widget tests, the X11 end
# to end tests (each starts its own Xvfb and window manager), and, when the
# mingw-w64 Qt is at hand, the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

scripts/deps.sh test

echo "== Linux build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
echo "== Linux tests"
(cd build && ctest --output-on-failure -j "$jobs" --timeout 300)

if [ -x scripts/test-windows.sh ]; then
    echo "== Windows build under Wine"
    scripts/test-windows.sh
fi
