#!/usr/bin/env bash
# The program's performance in one table: each figure the median of repeated
# runs with their min and max, and the machine's load average before and
# after (figures on a busy machine are slower and wider).
#
#   scripts/bench.sh [build folder]        (default: build/)
#
# The figures come from the benchmark programs (bench/bench_store, bench/bench_import,
# bench/bench_hostileload, bench/bench_picker, bench/bench_panel, tests/x11/bench_insert,
# tests/x11/bench_pastetargets, tests/x11/bench_abbreviations, tests/x11/bench_startup, tests/x11/bench_reload,
# tests/wayland/bench_wayland, tests/wayland/bench_compositors), which
# print them as "figure" lines (bench/benchrow.h); their own reports go to
# <build>/bench.log. To add a row: print a figure under a new key from any of
# these programs, or from a new one run below, and add the key to the list of
# rows at the end of this script.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
[ -f "$build/CMakeCache.txt" ] || {
    echo "no build in $build: configure with -DSCRIVLET_BUILD_BENCH=ON -DSCRIVLET_BUILD_TESTS=ON" >&2
    exit 1
}
cmake --build "$build" -j2 --target scrivlet bench_store bench_import bench_hostileload bench_picker bench_panel bench_insert bench_startup bench_reload \
    bench_pastetargets bench_abbreviations bench_wayland bench_compositors >&2

log=$build/bench.log
figures=$(mktemp)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -f "$figures"
}
trap cleanup EXIT
: >"$log"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

run() {
    echo "running $(basename "$1") ..." >&2
    echo "== $*" >>"$log"
    "$@" 2>>"$log" | tee -a "$log" | grep '^figure' >>"$figures" || {
        echo "$(basename "$1") failed; see $log" >&2
        return 1
    }
}

run "$build/bench/bench_store" 10000 100000
run "$build/bench/bench_import"
run "$build/bench/bench_hostileload"
run "$build/tests/x11/bench_startup" 0 1000 10000 100000
run "$build/tests/x11/bench_reload"
run "$build/tests/x11/bench_insert"
run "$build/tests/x11/bench_pastetargets"
run "$build/tests/x11/bench_abbreviations"
run "$build/tests/wayland/bench_wayland"
run "$build/tests/wayland/bench_compositors"

# The picker on a private X server of its own, as the program would meet it.
display_file=$(mktemp)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
display=$(head -n 1 "$display_file")
rm -f "$display_file"
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$display run "$build/bench/bench_picker" 10000
DISPLAY=:$display run "$build/bench/bench_panel"

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

python3 - "$figures" "$load_before" "$load_after" "$(nproc)" <<'PY'
import sys

rows = [
    # key, what, target, keys of the figures shown beside it (xdotool; the
    # same keys sent at once, which the target alone takes this long for)
    ("insert-ascii", "shortcut to text: ASCII line, 30 characters", "about 10 ms", "xdotool-ascii", "floor-ascii"),
    ("insert-nonascii", "shortcut to text: non-ASCII line", "about 10 ms", "xdotool-nonascii", "floor-nonascii"),
    ("insert-cjk", "shortcut to text: 120 distinct CJK characters", "about 10 ms", "xdotool-cjk", "floor-cjk"),
    ("insert-400", "shortcut to text: 400 characters", "about 10 ms", "xdotool-400", "floor-400"),
    ("insert-lines", "shortcut to text: three lines", "about 10 ms", "xdotool-lines", "floor-lines"),
    ("insert-20kb", "shortcut to text: 20 KB", "about 10 ms", "xdotool-20kb", "floor-20kb"),
    ("wayland-ascii", "Wayland (sway), command to text in GTK: ASCII line", "", "wtype-ascii", None),
    ("wayland-nonascii", "Wayland (sway), command to text in GTK: non-ASCII line", "", "wtype-nonascii", None),
    ("wayland-cjk", "Wayland (sway), command to text in GTK: 120 distinct CJK", "", "wtype-cjk", None),
    ("wayland-emoji", "Wayland (sway), command to text in GTK: emoji", "", "wtype-emoji", None),
    ("wayland-lines", "Wayland (sway), command to text in GTK: three lines", "", "wtype-lines", None),
    ("kwin-ascii", "Plasma (KWin), command to text in GTK: ASCII line", "", None, None),
    ("kwin-nonascii", "Plasma (KWin), command to text in GTK: non-ASCII line", "", None, None),
    ("kwin-cjk", "Plasma (KWin), command to text in GTK: 120 distinct CJK", "", None, None),
    ("kwin-lines", "Plasma (KWin), command to text in GTK: three lines", "", None, None),
    ("mutter-ascii", "GNOME (mutter), command to text in GTK: ASCII line", "", None, None),
    ("mutter-nonascii", "GNOME (mutter), command to text in GTK: non-ASCII line", "", None, None),
    ("mutter-cjk", "GNOME (mutter), command to text in GTK: 120 distinct CJK", "", None, None),
    ("mutter-lines", "GNOME (mutter), command to text in GTK: three lines", "", None, None),
    ("abbreviation-typed", "abbreviation to phrase in a Tk text: a line, typed", "", None, None),
    ("abbreviation-nested", "abbreviation to phrase in a Tk text: the line from phrases two deep", "", None, None),
    ("abbreviation-paste", "abbreviation to phrase in a Tk text: three lines, pasted", "", None, None),
    ("abbreviation-stream-cpu", "processor time reading 10,000 keys typed in another program", "< 50 ms", None, None),
    ("paste-chromium-lines-rest", "clipboard road into Chromium, three lines, at rest", "", None, None),
    ("paste-chromium-lines-busy", "clipboard road into Chromium, three lines, both cores busy", "", None, None),
    ("paste-firefox-lines-rest", "clipboard road into Firefox ESR, three lines, at rest", "", None, None),
    ("paste-firefox-lines-busy", "clipboard road into Firefox ESR, three lines, both cores busy", "", None, None),
    ("paste-gtk-lines-rest", "clipboard road into a GTK text view, three lines, at rest", "", None, None),
    ("paste-gtk-lines-busy", "clipboard road into a GTK text view, three lines, both cores busy", "", None, None),
    ("paste-tk-lines-rest", "clipboard road into a Tk text, three lines, at rest", "", None, None),
    ("paste-tk-lines-busy", "clipboard road into a Tk text, three lines, both cores busy", "", None, None),
    ("startup-0", "start-up to working shortcuts, empty", "<= 150 ms", None, None),
    ("startup-1000", "start-up to working shortcuts, 1,000 phrases", "", None, None),
    ("startup-10000", "start-up to working shortcuts, 10,000 phrases", "<= 400 ms", None, None),
    ("startup-100000", "start-up to working shortcuts, 100,000 phrases", "", None, None),
    ("reload-10", "data file written outside to working shortcuts, 10 phrases", "", None, None),
    ("reload-10000", "data file written outside to working shortcuts, 10,000 phrases", "", None, None),
    ("rss-0", "resident memory, idle, window open, empty", "<= 35 MiB", None, None),
    ("rss-1000", "resident memory, idle, window open, 1,000 phrases", "", None, None),
    ("rss-10000", "resident memory, idle, window open, 10,000 phrases", "<= 50 MiB", None, None),
    ("rss-100000", "resident memory, idle, window open, 100,000 phrases", "", None, None),
    ("rss-tray-0", "resident memory, idle in the tray, empty", "<= 35 MiB", None, None),
    ("rss-tray-1000", "resident memory, idle in the tray, 1,000 phrases", "", None, None),
    ("rss-tray-10000", "resident memory, idle in the tray, 10,000 phrases", "<= 50 MiB", None, None),
    ("shortcuts-live-0", "start-up to shortcuts registered, tray, desktop session, empty", "< 100 ms", None, None),
    ("first-press-0", "shortcut pressed every 160 ms from the spawn: first served press, empty", "", None, None),
    ("shortcuts-live-10000", "start-up to shortcuts registered, tray, 10,000 phrases (300 with shortcuts)", "< 100 ms", None, None),
    ("first-press-10000", "shortcut pressed every 160 ms: first served press, 10,000 phrases", "", None, None),
    ("window-shown-10000-300", "start to window shown, 10,000 phrases (300 with shortcuts)", "< 100 ms", None, None),
    ("tray-idle-10000-300", "start to idle in the tray, 10,000 phrases (300 with shortcuts)", "< 100 ms", None, None),
    ("window-cpu-10000-300", "main thread's processor time, start to 300 ms after idle, window open, 10,000 phrases", "", None, None),
    ("tray-cpu-10000-300", "main thread's processor time, start to 300 ms after idle, tray, 10,000 phrases", "", None, None),
    ("rss-10000-300", "resident memory, window open, 10,000 phrases (300 with shortcuts)", "< 40 MiB", None, None),
    ("rss-tray-10000-300", "resident memory, in the tray, 10,000 phrases (300 with shortcuts)", "< 40 MiB", None, None),
    ("load-10000", "load, 10,000 phrases", "", None, None),
    ("load-100000", "load, 100,000 phrases", "", None, None),
    ("save-10000", "save, 10,000 phrases", "<= 40 ms", None, None),
    ("save-100000", "save, 100,000 phrases", "", None, None),
    ("import-yaml-10000", "import of an Espanso file of 10,000 entries into 10,000 phrases, saved", "", None, None),
    ("import-yaml-read-10000", "reading alone of that Espanso file", "", None, None),
    ("import-yaml-40000", "import of an Espanso file of 40,000 entries into 10,000 phrases, saved", "", None, None),
    ("merge-10000", "merge with a file changed elsewhere, 10,000 phrases, 100 changed on each side", "", None, None),
    ("hostile-names-phrase-10000", "load of a hostile file: 10,000 member names in one phrase", "", None, None),
    ("hostile-names-phrase-40000", "load of a hostile file: 40,000 member names in one phrase", "", None, None),
    ("hostile-names-phrase-160000", "load of a hostile file: 160,000 member names in one phrase", "", None, None),
    ("hostile-names-settings-10000", "load of a hostile file: 10,000 member names in the settings", "", None, None),
    ("hostile-names-settings-40000", "load of a hostile file: 40,000 member names in the settings", "", None, None),
    ("hostile-names-settings-160000", "load of a hostile file: 160,000 member names in the settings", "", None, None),
    ("hostile-names-top-10000", "load of a hostile file: 10,000 member names at the top", "", None, None),
    ("hostile-names-top-40000", "load of a hostile file: 40,000 member names at the top", "", None, None),
    ("hostile-names-top-160000", "load of a hostile file: 160,000 member names at the top", "", None, None),
    ("hostile-names-repeated-10000", "load of a hostile file: 10,000 member names, one repeated (QJsonDocument)", "", None, None),
    ("hostile-names-repeated-40000", "load of a hostile file: 40,000 member names, one repeated (QJsonDocument)", "", None, None),
    ("hostile-names-repeated-160000", "load of a hostile file: 160,000 member names, one repeated (QJsonDocument)", "", None, None),
    ("hostile-rules-10000", "load of a hostile file: 10,000 rules per application", "", None, None),
    ("hostile-rules-40000", "load of a hostile file: 40,000 rules per application", "", None, None),
    ("hostile-rules-160000", "load of a hostile file: 160,000 rules per application", "", None, None),
    ("hostile-import-shortcuts-10000", "load of a hostile file: 10,000 import of phrases with shortcuts", "", None, None),
    ("hostile-import-shortcuts-40000", "load of a hostile file: 40,000 import of phrases with shortcuts", "", None, None),
    ("hostile-import-shortcuts-160000", "load of a hostile file: 160,000 import of phrases with shortcuts", "", None, None),
    ("hostile-merge-one-id-10000", "merge of a file written outside: 10,000 phrases, one id", "", None, None),
    ("hostile-merge-one-id-40000", "merge of a file written outside: 40,000 phrases, one id", "", None, None),
    ("hostile-merge-one-id-160000", "merge of a file written outside: 160,000 phrases, one id", "", None, None),
    ("picker-open-10000", "picker open to painted list, 10,000 phrases", "<= 60 ms", None, None),
    ("picker-key-10000", "picker, one filter keystroke to repaint, 10,000", "<= 15 ms", None, None),
    ("refresh-10000", "main table refreshTable, 10,000 phrases", "", None, None),
    ("panel-rebuild-1000", "floating panel rebuildRows, 1,000 phrases", "", None, None),
]

figures = {}
with open(sys.argv[1]) as f:
    for line in f:
        parts = line.rstrip("\n").split("\t")
        if len(parts) >= 7:
            figures[parts[1]] = parts[2:7]


def cell(key):
    fig = figures.get(key)
    if not fig:
        return "not measured"
    if fig[0] == "-":
        return "no run arrived whole"
    median, low, high, unit, runs = fig
    return f"{median} {unit} ({low}-{high}, {runs} runs)"


print(f"load average before: {sys.argv[2]}, after: {sys.argv[3]} ({sys.argv[4]} cores)")
print()
print("| figure | median (min-max, runs) | target | `xdotool type --delay 0` (X11), `wtype` (Wayland) "
      "| the same keys sent at once |")
print("|---|---|---|---|---|")
for key, what, target, beside, floor in rows:
    floor_cell = cell(floor) if floor and floor in figures else "-"
    print(f"| {what} | {cell(key)} | {target or '-'} | {cell(beside) if beside else '-'} "
          f"| {floor_cell} |")
PY
