#!/usr/bin/env bash
# The Windows build's roads timed under Wine: shortcut release to complete
# text for an EDIT (direct), a window that keeps its keys (typed, 30 and 400
# characters) and three lines (clipboard), with the share of runs whose text
# arrived exactly, and the clipboard road's hold on the clipboard. One table,
# a column a program folder:
#
#   scripts/bench-windows.sh [runs] [deployed folder...]
#
# The folders default to build-win/deploy/Scrivlet (cmake --build build-win
# --target deploy); give another, an earlier version's, to compare. Needs the
# cross build of scripts/test-windows.sh, Wine and Xvfb; about a minute a folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-win
runs=15
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
    runs=$1
    shift
fi
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=("$build/deploy/Scrivlet")
bench=$build/tests/win32/bench_wininsert.exe
tool=$build/tests/win32/wintarget.exe
[ -f "$bench" ] && [ -f "$tool" ] || {
    echo "no cross build in $build: run scripts/test-windows.sh first" >&2
    exit 1
}

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"

data_folder() {
    local u
    for u in "$WINEPREFIX"/drive_c/users/*; do
        [ "$(basename "$u")" != Public ] && [ -d "$u/AppData/Roaming" ] &&
            echo "$u/AppData/Roaming/Vantok/Scrivlet" && return 0
    done
    return 1
}
wait_for() {
    local until=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $until ] && return 1
        sleep 0.1
    done
}

text400=$(python3 -c 'print(("Pack my box with five dozen liquor jugs. " * 20)[:400])')
column=0
for folder in "${folders[@]}"; do
    column=$((column + 1))
    data=$(data_folder) || { echo "the Wine prefix has no user folder" >&2; exit 1; }
    rm -rf "$data" && mkdir -p "$data"
    python3 tests/win32/phrasefile.py "$data/phrases.json" -- \
        '3:0x31:The quick brown fox jumps over@@;fox' "3:0x32:$text400" \
        '3:0x33:first line\nsecond line\nthird line@@;ml'
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wine "$folder/scrivlet.exe" &
    program_pid=$!
    for vk in 0x31 0x32 0x33; do
        wait_for 30 wine "$tool" held 3 $vk || { echo "$folder: shortcuts not registered" >&2; exit 1; }
    done
    echo "timing $folder ..." >&2
    wine "$bench" "$runs" | tr -d '\r' | grep '^row' | cut -f2- >"$work/column$column"
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
done

python3 - "$work" "$column" "${folders[@]}" <<'EOF'
import sys
work, count, folders = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
columns = []
for i in range(1, count + 1):
    rows = {}
    for line in open("%s/column%d" % (work, i)):
        label, median, worst, intact, runs = line.rstrip("\n").split("\t")
        rows[label] = (median, worst, intact, runs)
    columns.append(rows)
labels = list(columns[0])
print("| shortcut release to complete text, median / worst (intact) | " +
      " | ".join(folders) + " |")
print("|---|" + "---|" * len(folders))
for label in labels:
    cells = []
    for rows in columns:
        if label not in rows:
            cells.append("-")
            continue
        median, worst, intact, runs = rows[label]
        cells.append("%s / %s ms (%s of %s)" % (median, worst, intact, runs) if median != "-"
                     else "none arrived (0 of %s)" % runs)
    print("| %s | %s |" % (label, " | ".join(cells)))
EOF
