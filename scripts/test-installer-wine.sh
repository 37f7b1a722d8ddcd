#!/usr/bin/env bash
# The Windows installer, made by `cpack -G NSIS` from a finished cross build and
# checked under Wine: a silent install for the current user, the installed
# program's --self-test, the Start-menu shortcut and the uninstall entry; the
# uninstaller refusing while the program runs; then a silent uninstall that
# removes the program, the shortcut, the entry and the Run value but leaves
# the user's data folder as it was.
# Run by scripts/test-windows.sh, which sets WINEPREFIX and DISPLAY and ends
# Wine afterwards. Usage: scripts/test-installer-wine.sh <cross-build-dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")

command -v makensis >/dev/null || { echo "skipped: the Windows installer needs makensis (nsis)"; exit 0; }
: "${WINEPREFIX:?}"

source scripts/checks.sh
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

work=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# A step that is not a check must still say where it stopped the script.
trap 'echo "not ok - stopped at line $LINENO: $BASH_COMMAND (exit $?)"' ERR

cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
setup=$(ls "$work"/out/Scrivlet-*-win64-setup.exe)
cp "$setup" "$build/deploy/"
echo "   $(basename "$setup"): $(($(stat -c %s "$setup") / 1024)) KiB"

# Nothing of the earlier checks may still run: a copy of the program would be
# taken for the installed one.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
# One server for every command below, ended on exit: a server that ends a
# few seconds after each program leaves a window in which the next start
# may meet it going.
wineserver -p
# A new prefix gets its user folders at Wine's first start.
ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming >/dev/null 2>&1 || wine wineboot >/dev/null 2>&1 || true
user_dir=""
for u in "$WINEPREFIX"/drive_c/users/*; do
    [ "$(basename "$u")" != Public ] && [ -d "$u/AppData/Roaming" ] && user_dir=$u
done
[ -n "$user_dir" ] || { echo "not ok - the Wine prefix has no user folder"; exit 1; }
inst="$user_dir/AppData/Local/Programs/Zem Scrivlet"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zem Scrivlet.lnk"
data="$user_dir/AppData/Roaming/Vantok/Scrivlet"
uninst_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VantokScrivlet'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
reg_key_gone() { ! wine reg query "$1" >/dev/null 2>&1; }

# A clean start: no earlier installation in this prefix.
rm -rf "$inst" "$shortcut"
wine reg delete "$uninst_key" /f >/dev/null 2>&1 || true

check "the installer runs silently for the user and exits 0" timeout 120 wine "$setup" /S
# The same files as the portable folder, plus the uninstaller.
files() { (cd "$1" && find . -type f | sed 's#^\./##' | sort); }
check "the installed folder holds the deploy folder's files and Uninstall.exe" \
    diff -u <( (files "$build/deploy/Scrivlet"; echo Uninstall.exe) | sort) <(files "$inst")
# On failure, the scratch folder says how far the checks got.
installed_self_test() {
    local status=0
    timeout 120 wine "$inst/scrivlet.exe" --self-test || status=$?
    if [ $status -ne 0 ]; then
        ls -la "$user_dir/AppData/Local/Temp"/vt-sc-selftest* 2>&1 | sed 's/^/   /'
    fi
    return $status
}
check "the installed scrivlet.exe --self-test exits 0" installed_self_test
# A shell link keeps its target's path as text (ANSI or UTF-16).
points_to_program() {
    python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
tail = "Zem Scrivlet\\scrivlet.exe"
sys.exit(0 if tail.encode() in data or tail.encode("utf-16-le") in data else 1)' "$shortcut"
}
check "a Start-menu shortcut starts the installed scrivlet.exe" points_to_program
uninstall_entry() {
    [ "$(reg_value "$uninst_key" DisplayName)" = "Zem Scrivlet" ] &&
        [[ "$(reg_value "$uninst_key" UninstallString)" == *'\AppData\Local\Programs\Zem Scrivlet\Uninstall.exe"' ]]
}
check "the uninstall entry names the program and its uninstaller" uninstall_entry

# The user's phrases and a login start, as the program leaves them.
mkdir -p "$data"
[ -f "$data/phrases.json" ] || echo '{"version": 1, "phrases": []}' >"$data/phrases.json"
# Wine's reg.exe once failed here without a word, which ended the script under
# set -e; it gets a second try and, failing that, is reported as a check.
add_run_value() {
    local value="\"$(winpath "$inst")\\scrivlet.exe\"" try
    for try in 1 2; do
        wine reg add "$run_key" /v VantokScrivlet /t REG_SZ /d "$value" /f >/dev/null && return 0
        sleep 1
    done
    return 1
}
check "a login start is set as the program sets it" add_run_value

# A running copy holds scrivlet.exe: installer and uninstaller stop before
# touching anything. The uninstaller runs in place (_?=, which must stand
# unquoted at the end of its command line, hence the batch file) so that its
# exit code is its own.
wine "$inst/scrivlet.exe" >/dev/null 2>&1 &
app_pid=$!
running() { wine "$build/tests/win32/wintarget.exe" exists scrivlet.exe; }
if wait_for 30 running; then
    status=0
    timeout 120 wine "$setup" /S || status=$?
    check "the installer refuses to replace a running copy (exit 2)" test "$status" -eq 2
    printf '@"%s\\Uninstall.exe" /S _?=%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$(winpath "$inst")" "$(winpath "$inst")" >"$work/uninstall.bat"
    status=0
    timeout 60 wine cmd /c "$(winpath "$work/uninstall.bat")" || status=$?
    check "the uninstaller refuses while the program runs (exit 2)" test "$status" -eq 2
    check "and leaves the installation whole" \
        test "$(files "$inst")" = "$( (files "$build/deploy/Scrivlet"; echo Uninstall.exe) | sort)" -a -f "$shortcut"
else
    check "the installed program starts" false
fi
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""
wait_for 10 bash -c "! wine '$build/tests/win32/wintarget.exe' exists scrivlet.exe" || true

# The uninstaller copies itself away and returns at once; its work is waited for.
sum_before=$(cd "$data" && find . -type f -exec md5sum {} + | sort)
check "the uninstaller runs silently" timeout 60 wine "$inst/Uninstall.exe" /S
check "the program's folder is gone" wait_for 60 test ! -e "$inst"
check "the Start-menu shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" reg_key_gone "$uninst_key"
check "the Run value is gone" test -z "$(reg_value "$run_key" VantokScrivlet)"
check "the data folder is left as it was" \
    test "$(cd "$data" && find . -type f -exec md5sum {} + | sort)" = "$sum_before"

[ "$failures" -eq 0 ] || exit 1
