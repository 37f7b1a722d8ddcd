#!/usr/bin/env bash
# The Windows build, checked here without Windows: cross-compiled with
# mingw-w64 and run under Wine on a private Xvfb, with one Wine prefix kept in
# build-win/ (creating one costs seconds and hundreds of MB).
#  1. the Win32 primitives' test program (no Qt), always;
#  2. with the mingw-w64 Qt: the whole program cross-built, its unit tests run
#     as Windows programs by ctest, the deployed folder's --self-test, the Run
#     value written and removed, the main road end to end against Wine
#     target windows of our own (tests/win32/wintarget.cpp), and the
#     installer (scripts/test-installer-wine.sh).
# The Qt comes from $SCRIVLET_QT_MINGW (an unpacked qt5-mingw folder, a folder
# holding one, or the tarball) or from ../shared/toolchains/. Ends every Wine
# and X process it started.
#
#   scripts/test-windows.sh               build and test
#   scripts/test-windows.sh --build-only  the cross build alone, no Wine
#                                         (scripts/test.sh builds while the
#                                         Linux tests run)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
started=$SECONDS

# Locally a missing tool skips the Windows tests, said so; in CI (CI=true)
# it is a failure: a run that checked nothing must not pass.
skip() {
    if [ "${CI:-}" = true ]; then
        echo "error: $* (CI=true: the Windows tests must run)" >&2
        exit 1
    fi
    echo "skipped: $*"
    exit 0
}
build_only=false
[ "${1:-}" = --build-only ] && build_only=true
command -v x86_64-w64-mingw32-g++-posix >/dev/null || skip "the Windows tests need x86_64-w64-mingw32-g++-posix (mingw-w64)"
command -v wine >/dev/null || skip "the Windows tests need wine"
command -v Xvfb >/dev/null || skip "the Windows tests need Xvfb"

build=$root/build-win
mkdir -p "$build"
phase() { echo "== $* (at $((SECONDS - started)) s)"; }

# The mingw-w64 Qt: a folder to use as it is, or a tarball unpacked once into
# build-win/ (again only when the tarball changes).
qt=""
tarball=""
source_qt=${SCRIVLET_QT_MINGW:-}
if [ -n "$source_qt" ]; then
    if [ -d "$source_qt/lib/cmake/Qt5" ]; then
        qt=$(realpath "$source_qt")
    elif [ -d "$source_qt/qt5-mingw/lib/cmake/Qt5" ]; then
        qt=$(realpath "$source_qt/qt5-mingw")
    elif [ -f "$source_qt" ]; then
        tarball=$source_qt
    else
        echo "SCRIVLET_QT_MINGW=$source_qt is neither a qt5-mingw folder nor its tarball" >&2
        exit 1
    fi
else
    for candidate in "$root"/../shared/toolchains/qt5.15.8-mingw-w64-x86_64.tar.xz; do
        [ -f "$candidate" ] && tarball=$candidate
    done
fi
if [ -n "$tarball" ]; then
    stamp="$build/qt5-mingw.unpacked"
    want="$(realpath "$tarball") $(stat -c '%s %Y' "$tarball")"
    if [ ! -d "$build/qt5-mingw/lib/cmake/Qt5" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$want" ]; then
        phase "unpacking $(basename "$tarball")"
        rm -rf "$build/qt5-mingw" "$stamp"
        tar -xJf "$tarball" -C "$build"
        echo "$want" >"$stamp"
    fi
    qt=$build/qt5-mingw
fi

cross_build() {
    # Espanso's files are read with libyaml, which mingw-w64 has no package of:
    # Debian's source package is compiled in. Where it cannot be fetched the
    # program is built without that reader, and says so when such a file is
    # imported.
    phase "libyaml from Debian's source package"
    yaml_src=""
    if ! yaml_src=$(scripts/libyaml-source.sh "$build/libyaml"); then
        [ "${CI:-}" = true ] && { echo "error: libyaml's source package could not be fetched" >&2; exit 1; }
        echo "libyaml's source could not be fetched: building without the Espanso reader"
        yaml_src=""
    fi

    phase "cross build with $qt"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_PREFIX_PATH="$qt" -DSCRIVLET_BUILD_BENCH=OFF \
        -DSCRIVLET_LIBYAML_SOURCE="$yaml_src" >/dev/null
    cmake --build "$build" -j "$jobs"
    cmake --build "$build" --target deploy >/dev/null
}
if $build_only; then
    [ -n "$qt" ] || skip "the cross build of the whole program needs the mingw-w64 Qt"
    cross_build
    exit 0
fi

export WINEPREFIX=$build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
mkdir -p "$WINEPREFIX"

work=$(mktemp -d)
xvfb_pid=""
scrivlet_pid=""
cleanup() {
    [ -n "$scrivlet_pid" ] && kill "$scrivlet_pid" 2>/dev/null
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

if [ -z "$qt" ]; then
    phase "Win32 primitives under Wine on $DISPLAY"
    prims=$root/build/win32-prims
    cmake -S tests/win32 -B "$prims" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$prims"
    timeout 300 wine "$prims/win32prims_test.exe"
    skip "the cross build of the whole program needs the mingw-w64 Qt" \
        "(set SCRIVLET_QT_MINGW or put the tarball in ../shared/toolchains/)"
fi

cross_build

phase "Win32 primitives under Wine on $DISPLAY"
timeout 300 wine "$build/tests/win32/win32prims_test.exe"

phase "unit tests as Windows programs (ctest under Wine)"
# Wine now and then fails to start one of several programs started at once:
# the program prints nothing at all (a QtTest program's first line is its
# "Start testing") and is gone; and now and then a program that finished
# every test ("0 failed", "Finished testing") is not let go and runs out of
# time. Only such a test is run once more, named as such; a test that
# started and failed, or hung before its end, fails the run.
unit_tests() { (cd "$build" && timeout 600 ctest --output-on-failure --no-tests=error --timeout 240 "$@"); }
if ! unit_tests -j "$jobs"; then
    not_started=$(python3 - "$build/Testing/Temporary/LastTest.log" <<'EOF'
import re, sys
log = open(sys.argv[1], errors="replace").read()
failed, started = [], []
for block in re.split(r"\n(?=\d+/\d+ Testing: )", log):
    name = re.match(r"\d+/\d+ Testing: (\S+)", block)
    if not name or "Test Passed." in block:
        continue
    failed.append(name.group(1))
    finished = re.search(r"Totals: \d+ passed, 0 failed.*\n.*Finished testing", block)
    if ("Start testing of" in block or " checks, " in block) and not finished:
        started.append(name.group(1))
# Only when every failure is a program that never started, or that was not
# let go after it finished.
if failed and not started:
    print(" ".join(failed))
EOF
)
    [ -n "$not_started" ] || { echo "unit tests failed under Wine"; exit 1; }
    echo "retrying after a failed Wine start or exit (nothing printed, or not let go after all passed): $not_started"
    unit_tests -R "^($(tr ' ' '|' <<<"$not_started"))\$"
fi

run=$build/wine-run.sh
tool=$build/tests/win32/wintarget.exe
deployed=$build/deploy/Scrivlet
source "$root/scripts/checks.sh"
# The deployed folder alone: this script sets no WINEPATH, so a missing DLL
# shows. Started by wine itself, whose process is the Windows program's.
unset WINEPATH QT_PLUGIN_PATH
run_deployed() { wine "$@"; }

phase "deployed folder"
check "the deployed folder's scrivlet.exe --self-test exits 0" run_deployed "$deployed/scrivlet.exe" --self-test
check "scrivlet.exe carries the application icon" wine "$tool" icon "Z:${deployed//\//\\}\\scrivlet.exe"
check "the zip holds the folder" python3 -c '
import sys, zipfile
names = set(zipfile.ZipFile(sys.argv[1]).namelist())
need = ["Scrivlet/scrivlet.exe", "Scrivlet/Qt5Core.dll", "Scrivlet/platforms/qwindows.dll",
        "Scrivlet/imageformats/qico.dll", "Scrivlet/libstdc++-6.dll", "Scrivlet/libwinpthread-1.dll"]
sys.exit(0 if all(n in names for n in need) else 1)' "$build/deploy/Scrivlet-3.2-win64.zip"

phase "Run value"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
# From a folder with a space, so the value must come quoted.
spaced="$work/Program Files/Scrivlet Check"
mkdir -p "$spaced"
cp "$build/tests/win32/autostartcheck.exe" "$spaced/"
expected="\"Z:${spaced//\//\\}\\autostartcheck.exe\""
run_value() { wine reg query "$run_key" /v VantokScrivlet 2>/dev/null | tr -d '\r' | sed -n 's/^ *VantokScrivlet *REG_SZ *//p'; }
check "autostart on writes the Run value" "$run" "$spaced/autostartcheck.exe" on
check "the Run value is the quoted executable path" test "$(run_value)" = "$expected"
check "autostart off removes the Run value" "$run" "$spaced/autostartcheck.exe" off
check "the Run value is gone" test -z "$(run_value)"

# The program's data folder in the Wine prefix's user folder, made empty;
# prints its path, fails when the prefix has no user folder.
fresh_data_folder() {
    local u data=""
    for u in "$WINEPREFIX"/drive_c/users/*; do
        [ "$(basename "$u")" != Public ] && [ -d "$u/AppData/Roaming" ] &&
            data=$u/AppData/Roaming/Vantok/Scrivlet
    done
    [ -n "$data" ] || return 1
    rm -rf "$data" && mkdir -p "$data" && echo "$data"
}

main_road() {
    local data
    data=$(fresh_data_folder) || { echo "not ok - the Wine prefix has no user AppData folder"; failures=$((failures + 1)); return; }
    # Ctrl+Alt+1, 2, 3: one line, three lines, a line too long for typing.
    python3 - "$data/phrases.json" <<'EOF'
import json, sys
phrase = lambda n, text, vk: {"id": "0000000%d-0000-4000-8000-000000000000" % n, "name": "p%d" % n,
                              "text": text, "vk": vk, "mods": 3, "enabled": True, "lastUsed": 0}
doc = {"version": 1,
       "settings": {"startMinimized": True, "importedV3": True, "closeHintShown": True,
                    "closeHintSeen": True, "showFloatingPanel": False, "language": "en"},
       "phrases": [phrase(1, "Hello from Scrivlet", 0x31),
                   phrase(2, "first line\nsecond line\nthird", 0x32),
                   phrase(3, "long " * 100, 0x33)]}
json.dump(doc, open(sys.argv[1], "w"), indent=4)
EOF
    last_used() {
        python3 -c '
import json, sys
doc = json.load(open(sys.argv[1]))
p = [p for p in doc["phrases"] if p["id"].startswith("0000000" + sys.argv[2])]
sys.exit(0 if p and int(p[0]["lastUsed"]) > 0 else 1)' "$data/phrases.json" "$1" 2>/dev/null
    }
    same_file() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
    crlf_text() {
        python3 -c '
import sys
got = open(sys.argv[1], "rb").read()
sys.exit(0 if got == b"Hello from Scrivletfirst line\r\nsecond line\r\nthird" else 1)' "$1"
    }
    only_replacesel() { [ "$(sort -u "$1")" = EM_REPLACESEL ]; }

    run_deployed "$deployed/scrivlet.exe" &
    scrivlet_pid=$!
    check "scrivlet.exe starts and creates its (hidden) main window" wait_for 30 wine "$tool" exists scrivlet.exe
    check "started minimised, no window is shown" bash -c "! wine '$tool' visible scrivlet.exe"
    # A key pressed before the program has registered it would reach nobody.
    check "the three phrase shortcuts are registered" wait_for 30 bash -c \
        "wine '$tool' held 3 0x31 && wine '$tool' held 3 0x32 && wine '$tool' held 3 0x33"

    local report=$work/edit.txt
    wine "$tool" edit "$report" &
    check "the EDIT target has the focus" wait_for 20 test -f "$report.ready"
    wine "$tool" press 3 0x31
    check "Ctrl+Alt+1 puts the one-line phrase into the EDIT" wait_for 10 same_file "$report" "Hello from Scrivlet"
    check "the one-line phrase came by EM_REPLACESEL" only_replacesel "$report.messages"
    check "lastUsed of the one-line phrase is saved" wait_for 10 last_used 1
    wine "$tool" press 3 0x32
    check "Ctrl+Alt+2 adds the multi-line phrase with CR LF line breaks" wait_for 10 crlf_text "$report"
    check "the multi-line phrase came by EM_REPLACESEL" only_replacesel "$report.messages"
    check "lastUsed of the multi-line phrase is saved" wait_for 10 last_used 2
    wine "$tool" close || true

    local pasted=$work/plain.txt
    local clip=$work/clip.txt
    wine "$tool" clip-set "the user's own clipboard text"
    wine "$tool" plain "$pasted" &
    check "the target without a text control has the focus" wait_for 20 test -f "$pasted.ready"
    wine "$tool" press 3 0x33
    check "Ctrl+Alt+3 pastes the long phrase with Ctrl+V" wait_for 10 same_file "$pasted" "$(printf 'long %.0s' $(seq 100))"
    clipboard_back() { wine "$tool" clip-get "$clip" && same_file "$clip" "the user's own clipboard text"; }
    check "the previous clipboard text is back afterwards" wait_for 10 clipboard_back
    check "lastUsed of the long phrase is saved" wait_for 10 last_used 3
    wine "$tool" close || true

    # The command line, through the duplex pipe of the running copy.
    local listed=$work/list.txt
    check "--list prints the enabled phrases' names" bash -c \
        "timeout 60 wine '$deployed/scrivlet.exe' --list > '$listed' && [ \"\$(tr -d '\r' < '$listed')\" = \"\$(printf 'p1\\np2\\np3')\" ]"
    local typed=$work/cli-edit.txt
    wine "$tool" edit "$typed" &
    check "the EDIT target for the command line has the focus" wait_for 20 test -f "$typed.ready"
    check "--type p1 puts the phrase into the EDIT and exits 0" timeout 60 wine "$deployed/scrivlet.exe" --type p1
    check "the command line's phrase is in the EDIT" wait_for 10 same_file "$typed" "Hello from Scrivlet"
    local said=$work/cli-error.txt
    check "--type of an unknown name exits 1 and says why, in UTF-8" bash -c \
        "timeout 60 wine '$deployed/scrivlet.exe' --type nobody 2> '$said'; [ \$? -eq 1 ] && grep -q 'No enabled phrase is named “nobody”' '$said'"
    check "the EDIT got nothing more" same_file "$typed" "Hello from Scrivlet"
    wine "$tool" close || true
    # A typo fails with the usage, and the running copy's window stays hidden.
    check "a mistyped command exits 2 and names the command meant" bash -c \
        "timeout 60 wine '$deployed/scrivlet.exe' --tpye p1 2> '$said'; [ \$? -eq 2 ] && grep -q 'did you mean --type?' '$said' && grep -q '^Usage:' '$said'"
    check "the mistyped command showed no window" bash -c "! wine '$tool' visible scrivlet.exe"
    check "--version prints the version" bash -c \
        "timeout 60 wine '$deployed/scrivlet.exe' --version | tr -d '\r' | grep -qx 'Zem Scrivlet [0-9.]*'"

    local t0=$SECONDS
    check "a second start exits 0" timeout 30 wine "$deployed/scrivlet.exe"
    echo "   (the second start took about $((SECONDS - t0)) s with Wine's start-up)"
    check "the first copy shows its main window" wait_for 10 wine "$tool" visible scrivlet.exe
    kill "$scrivlet_pid" 2>/dev/null || true
    wait "$scrivlet_pid" 2>/dev/null || true
    scrivlet_pid=""
}

# Ctrl+R in the EDIT target: the picker opens just below the EDIT's caret
# (GetGUIThreadInfo), "gre" narrows it to one phrase and Enter puts that
# phrase into the EDIT.
picker_road() {
    local data
    data=$(fresh_data_folder) || { echo "not ok - the Wine prefix has no user AppData folder"; failures=$((failures + 1)); return; }
    python3 - "$data/phrases.json" <<'EOF2'
import json, sys
phrase = lambda n, name, text: {"id": "0000000%d-0000-4000-8000-000000000000" % n, "name": name,
                                "text": text, "vk": 0, "mods": 0, "enabled": True, "lastUsed": 0}
doc = {"version": 1,
       "settings": {"startMinimized": True, "importedV3": True, "closeHintShown": True,
                    "closeHintSeen": True, "showFloatingPanel": False, "language": "en"},
       "phrases": [phrase(1, "Address", "1 Main Street"),
                   phrase(2, "Greeting", "Hello from the picker")]}
json.dump(doc, open(sys.argv[1], "w"), indent=4)
EOF2
    local report=$work/picker-edit.txt
    picker_rect() { wine "$tool" rect scrivlet.exe Picker 2>/dev/null | tr -d '\r'; }
    picker_shown() { [ -n "$(picker_rect)" ]; }
    picker_hidden() { [ -z "$(picker_rect)" ]; }
    same_text() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
    below_caret() {
        local left top x caret_bottom
        read -r left top _ <<<"$(picker_rect)"
        read -r x _ caret_bottom _ <<<"$(cat "$report.caret" 2>/dev/null)"
        echo "   (caret bottom-left at $x,$caret_bottom, picker at $left,$top)"
        [[ $left =~ ^-?[0-9]+$ && $top =~ ^-?[0-9]+$ && $x =~ ^-?[0-9]+$ &&
            $caret_bottom =~ ^-?[0-9]+$ ]] || return 1
        [ $((left - x)) -ge -2 ] && [ $((left - x)) -le 2 ] &&
            [ $((top - caret_bottom - 6)) -ge -2 ] && [ $((top - caret_bottom - 6)) -le 2 ]
    }

    # Nothing of the main road may answer Ctrl+R or take the focus: a copy
    # still running would take the new start's hand-over.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    # wine itself, not the shell function, so that $! is the program's process.
    wine "$deployed/scrivlet.exe" &
    scrivlet_pid=$!
    check "scrivlet.exe starts for the picker road" wait_for 30 wine "$tool" exists scrivlet.exe
    check "the picker shortcut is registered" wait_for 30 wine "$tool" held 2 0x52
    wine "$tool" edit "$report" &
    check "the EDIT target for the picker has the focus" wait_for 20 test -f "$report.ready"
    check "the EDIT target reports its caret" wait_for 10 test -s "$report.caret"
    wine "$tool" press 2 0x52
    check "Ctrl+R opens the picker" wait_for 10 picker_shown
    check "the picker opens just below the EDIT's caret" wait_for 5 below_caret
    for vk in 0x47 0x52 0x45; do wine "$tool" press 0 $vk; done
    wine "$tool" press 0 0x0D
    check "Enter puts the chosen phrase into the EDIT" wait_for 10 same_text "$report" "Hello from the picker"
    # Wine without a window manager takes 2 s to hide a window with a
    # caption (it waits for a manager to withdraw it); Windows does not.
    check "the picker is hidden after the choice" wait_for 5 picker_hidden
    wine "$tool" close || true
    kill "$scrivlet_pid" 2>/dev/null || true
    wait "$scrivlet_pid" 2>/dev/null || true
    scrivlet_pid=""
}

phase "main road under Wine"
main_road

phase "picker road under Wine"
picker_road

# The floating panel's Type: the EDIT target in front, then a click on the
# panel's only Type button; the phrase goes to the EDIT, the window that was
# in front before the click (the panel's record of GetForegroundWindow).
panel_road() {
    local data
    data=$(fresh_data_folder) || { echo "not ok - the Wine prefix has no user AppData folder"; failures=$((failures + 1)); return; }
    python3 - "$data/phrases.json" <<'EOF3'
import json, sys
doc = {"version": 1,
       "settings": {"startMinimized": True, "importedV3": True, "closeHintShown": True,
                    "closeHintSeen": True, "showFloatingPanel": True, "language": "en",
                    "floatingPanelX": 700, "floatingPanelY": 100, "floatingPanelWidth": 320,
                    "floatingPanelHeight": 420, "floatingPanelTextLines": 2},
       "phrases": [{"id": "00000001-0000-4000-8000-000000000000", "name": "Greeting",
                    "text": "Hello from the panel", "vk": 0, "mods": 0, "enabled": True,
                    "lastUsed": 0}]}
json.dump(doc, open(sys.argv[1], "w"), indent=4)
EOF3
    local report=$work/panel-edit.txt
    panel_rect() { wine "$tool" rect scrivlet.exe "Zem Scrivlet" 2>/dev/null | tr -d '\r'; }
    panel_shown() { [ -n "$(panel_rect)" ]; }
    same_text() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }

    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wine "$deployed/scrivlet.exe" &
    scrivlet_pid=$!
    check "scrivlet.exe starts with its floating panel" wait_for 30 panel_shown
    wine "$tool" edit "$report" &
    check "the EDIT target for the panel has the focus" wait_for 20 test -f "$report.ready"
    # The panel samples the foreground window every 200 ms.
    sleep 1
    local left top right bottom
    read -r left top right bottom <<<"$(panel_rect)"
    echo "   (panel at $left,$top to $right,$bottom)"
    # The Type button: right of the first row, below the 50-pixel header, the
    # body margin, the 48-pixel pause button and the spacing; about 44 pixels
    # high with two lines.
    if [[ $left =~ ^-?[0-9]+$ && $top =~ ^-?[0-9]+$ && $right =~ ^-?[0-9]+$ ]]; then
        wine "$tool" click $((right - 40)) $((top + 144))
    fi
    check "Type on the panel puts the phrase into the EDIT that was in front" \
        wait_for 10 same_text "$report" "Hello from the panel"
    wine "$tool" close || true
    kill "$scrivlet_pid" 2>/dev/null || true
    wait "$scrivlet_pid" 2>/dev/null || true
    scrivlet_pid=""
}

phase "floating panel road under Wine"
panel_road

# Held and chorded shortcuts, RichEdit, limited, read-only and password
# fields, a slow target, an image on the clipboard, a phrase on Ctrl+V.
source tests/win32/exactroads.sh
phase "exact roads under Wine"
exact_roads
phase "the data file replaced while the program runs, under Wine"
data_file_roads
phase "a data folder given on the command line, under Wine"
data_dir_road
phase "a phrase with a field, under Wine"
fill_in_road

phase "installer under Wine"
check "the installer installs, runs and uninstalls (scripts/test-installer-wine.sh)" \
    scripts/test-installer-wine.sh "$build"

phase "done, $failures failed"
[ "$failures" -eq 0 ]
