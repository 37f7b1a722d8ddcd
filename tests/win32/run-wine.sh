#!/usr/bin/env bash
# Runs one cross-built Windows QtTest program under Wine on a private Xvfb.
# Usage: run-wine.sh <qt bin folder> <program.exe> [arguments]
# Wine's console output does not reach a pipe, so the results go through a
# file that is printed afterwards.
# The Wine prefix is kept beside the program so that later runs start fast.
set -euo pipefail
qt_bin=$1; shift
exe=$(realpath "$1"); shift

prefix="$(dirname "$exe")/wineprefix"
mkdir -p "$prefix"
prefix=$(realpath "$prefix")
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$tmp/display")"

gcc_dll=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
winpath() { winepath -w "$1" 2>/dev/null; }
export WINEPATH="$(winpath "$qt_bin");$(winpath "$gcc_dll");$(winpath /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH="$(winpath "$qt_bin/../plugins")"
status=0
wine "$exe" -o "$(winpath "$tmp/result.txt"),txt" "$@" 2>/dev/null || status=$?
[ -f "$tmp/result.txt" ] && cat "$tmp/result.txt"
[ -f "$tmp/result.txt" ] || { echo "no test result: the program did not run"; status=1; }
exit "$status"
