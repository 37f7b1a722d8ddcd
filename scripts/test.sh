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
# The sanitizer and fuzz builds come first, and say so with a file: their
# tests then run while the Windows build, which only the Windows tests need,
# goes on.
builds_log=$root/build/other-builds.log
linux_built=$root/build/.sanitizer-and-fuzz-built
rm -f "$linux_built"
setsid -w bash -c 'nice -n 19 scripts/test-sanitizers.sh --build-only &&
    nice -n 19 scripts/fuzz.sh --build-only && touch "$0" &&
    { [ ! -x scripts/test-windows.sh ] || nice -n 19 scripts/test-windows.sh --build-only; }' \
    "$linux_built" >"$builds_log" 2>&1 &
builds=$!
trap 'kill -- -"$builds" 2>/dev/null || true' EXIT

# Waits for the builds made beside the tests; with "all" for the Windows
# build too. Their output so far, and a failure when one failed.
await_builds() {
    local built=0
    if [ "$1" = all ]; then
        wait "$builds" || built=$?
        trap - EXIT
    else
        while [ ! -e "$linux_built" ] && kill -0 "$builds" 2>/dev/null; do sleep 1; done
        [ -e "$linux_built" ] || wait "$builds" || built=$?
    fi
    echo "(ready at ${SECONDS} s)"
    if [ "$1" = all ] || [ "$built" -ne 0 ]; then
        cat "$builds_log"
    fi
    [ "$built" -eq 0 ] || { echo "error: a build failed (exit $built)" >&2; exit 1; }
}

section "Linux tests"
# A run in which no test ran is a failure, not a success.
(cd build && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout 300)

section "Sanitizer and fuzz builds (made during the Linux tests)"
await_builds sanitizer-and-fuzz
section "Linux install and Debian package"
scripts/test-packages.sh build
section "Sanitizer build (ASan + UBSan): unit and widget tests"
scripts/test-sanitizers.sh
section "Fuzzing the file loaders (short run)"
scripts/fuzz.sh

section "Windows build (made during the tests above) and all the builds' output"
await_builds all
if [ -x scripts/test-windows.sh ]; then
    section "Windows build under Wine"
    scripts/test-windows.sh
fi
section "done"
