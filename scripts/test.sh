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
# Each section says when it began, in seconds since the start.
section() { echo "== $1 (at ${SECONDS} s)"; }

scripts/deps.sh test

section "Linux build"
# Tests and benchmarks on explicitly: scripts/run.sh shares build/ and turns
# them off there, and a cached OFF would leave nothing to run. Debug
# information with line tables only (-g1), as scripts/run.sh has it: a
# backtrace still names files and lines, and the build takes a fifth less.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DSCRIVLET_BUILD_TESTS=ON -DSCRIVLET_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
# The sanitizer, fuzzer and Windows builds are made while the Linux tests
# run: the end-to-end tests run one at a time and spend most of it waiting
# on windows, leaving the processors idle. At the lowest priority, so the
# tests keep them whenever they want them; the output follows the tests'.
builds_log=$root/build/other-builds.log
setsid -w bash -c 'nice -n 19 scripts/test-sanitizers.sh --build-only &&
    nice -n 19 scripts/fuzz.sh --build-only &&
    { [ ! -x scripts/test-windows.sh ] || nice -n 19 scripts/test-windows.sh --build-only; }' \
    >"$builds_log" 2>&1 &
builds=$!
trap 'kill -- -"$builds" 2>/dev/null || true' EXIT

section "Linux tests"
# A run in which no test ran is a failure, not a success.
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout 300)

section "Sanitizer, fuzzer and Windows builds (made during the Linux tests)"
built=0
wait "$builds" || built=$?
echo "(ready at ${SECONDS} s)"
trap - EXIT
cat "$builds_log"
[ "$built" -eq 0 ] || { echo "error: a build failed (exit $built)" >&2; exit 1; }

section "Linux install and Debian package"
scripts/test-packages.sh build
section "Sanitizer build (ASan + UBSan): unit and widget tests"
scripts/test-sanitizers.sh
section "Fuzzing the file loaders (short run)"
scripts/fuzz.sh

if [ -x scripts/test-windows.sh ]; then
    section "Windows build under Wine"
    scripts/test-windows.sh
fi
section "done"
