#!/usr/bin/env bash
# Cross-builds the Win32 primitives' test program (tests/win32, no Qt) with
# mingw-w64 and runs it under Wine on a private Xvfb, with a private Wine
# prefix under build/. Ends every Wine and X process it started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

skip() { echo "skipped: $*"; exit 0; }
command -v x86_64-w64-mingw32-g++-posix >/dev/null || skip "the Win32 tests need x86_64-w64-mingw32-g++-posix (mingw-w64)"
command -v wine >/dev/null || skip "the Win32 tests need wine"
command -v Xvfb >/dev/null || skip "the Win32 tests need Xvfb"

build=$root/build/win32-prims
cmake -S tests/win32 -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build"

export WINEPREFIX=$root/build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
mkdir -p "$WINEPREFIX"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

echo "Win32 primitives under Wine on $DISPLAY"
timeout 300 wine "$build/win32prims_test.exe"
