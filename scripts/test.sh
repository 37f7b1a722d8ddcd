#!/usr/bin/env bash
# Builds Zem Scrivlet and runs every test: unit and widget tests, the X11 end
# to end tests (each starts its own Xvfb and window manager), the unit and
# widget tests again under ASan and UBSan, a short run of the loaders'
# fuzzers, the install tree and the Debian package, and, when the mingw-w64
# Qt is at hand, the Windows build and its installer under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

scripts/deps.sh test

echo "== Linux build"
# Tests and benchmarks on explicitly: scripts/run.sh shares build/ and turns
# them off there, and a cached OFF would leave nothing to run.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSCRIVLET_BUILD_TESTS=ON -DSCRIVLET_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
echo "== Linux tests"
# A run in which no test ran is a failure, not a success.
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout 300)

echo "== Linux install and Debian package"
scripts/test-packages.sh build
echo "== Sanitizer build (ASan + UBSan): unit and widget tests"
scripts/test-sanitizers.sh
echo "== Fuzzing the file loaders (short run)"
scripts/fuzz.sh

if [ -x scripts/test-windows.sh ]; then
    echo "== Windows build under Wine"
    scripts/test-windows.sh
fi
