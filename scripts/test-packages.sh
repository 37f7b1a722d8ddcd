#!/usr/bin/env bash
# The Linux install and the Debian package, checked from a finished build
# folder (run by scripts/test.sh after the Linux tests):
#  1. `cmake --install` under a DESTDIR: exactly the expected files, their
#     permissions, desktop-file-validate, appstreamcli validate, the man page,
#     the icon sizes, a stripped binary without RPATH whose --self-test passes;
#  2. `cpack -G DEB`: the package's fields, dependencies and contents, and no
#     lintian errors (its warnings are listed);
#  3. as root: `apt-get install` of the package, the installed program's
#     --self-test, and a purge that leaves nothing of it behind.
# A check whose tool is missing says "skipped". Usage: scripts/test-packages.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build}")
started=$SECONDS
[ -f "$build/CPackConfig.cmake" ] || { echo "no configured build in $build" >&2; exit 1; }

source scripts/checks.sh
skip() { echo "skipped: $*"; }
have() { command -v "$1" >/dev/null; }
# Runs a command silently; its output shows only when it fails.
quiet() {
    local out
    out=$("$@" 2>&1) || { echo "$out"; return 1; }
}
phase() { echo "== $* (at $((SECONDS - started)) s)"; }

work=$(mktemp -d)
installed_here=""
cleanup() {
    # A package this script installed never stays, whatever failed.
    if [ -n "$installed_here" ] && dpkg-query -W scrivlet >/dev/null 2>&1; then
        apt-get purge -y -qq -o DPkg::Lock::Timeout=120 scrivlet >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Every file the install must hold, with its mode; nothing else may be there.
expected=$work/expected
{
    echo "0755 usr/bin/scrivlet"
    echo "0644 usr/share/applications/com.vantok.Scrivlet.desktop"
    echo "0644 usr/share/metainfo/com.vantok.Scrivlet.metainfo.xml"
    for s in 16 24 32 48 64 128 256; do
        echo "0644 usr/share/icons/hicolor/${s}x${s}/apps/scrivlet.png"
    done
    echo "0644 usr/share/icons/hicolor/scalable/apps/scrivlet.svg"
    echo "0644 usr/share/man/man1/scrivlet.1.gz"
    echo "0644 usr/share/doc/scrivlet/copyright"
    echo "0644 usr/share/doc/scrivlet/changelog.gz"
    for page in guide.html guide_zh.html; do
        [ -f "resources/help/$page" ] && echo "0644 usr/share/doc/scrivlet/$page"
    done
} | sort -k2 >"$expected"

phase "install under DESTDIR"
dest=$work/root
DESTDIR=$dest cmake --install "$build" --prefix /usr --strip >/dev/null
listing() { (cd "$1" && find . -type f -printf '%#m %P\n' | sed 's/^0*\([0-7]\{3\}\) /0\1 /' | sort -k2); }
check "the install holds exactly the expected files with their modes" diff -u "$expected" <(listing "$dest")
check "every installed folder is 0755" test -z "$(find "$dest" -mindepth 1 -type d ! -perm 0755)"

bin=$dest/usr/bin/scrivlet
no_rpath() { ! readelf -d "$1" | grep -qE 'RPATH|RUNPATH'; }
stripped() { ! readelf -S "$1" | grep -q '\.symtab'; }
check "the installed binary has no RPATH" no_rpath "$bin"
check "the installed binary is stripped" stripped "$bin"
check "the installed scrivlet --self-test exits 0" env -u DISPLAY QT_QPA_PLATFORM=offscreen "$bin" --self-test

desktop=$dest/usr/share/applications/com.vantok.Scrivlet.desktop
metainfo=$dest/usr/share/metainfo/com.vantok.Scrivlet.metainfo.xml
if have desktop-file-validate; then
    check "desktop-file-validate accepts the desktop entry" quiet desktop-file-validate "$desktop"
else
    skip "desktop-file-validate (desktop-file-utils) is missing"
fi
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "the desktop entry: Utility, the icon, no startup notification, the binary's absolute path" \
    test "$(entry Categories)|$(entry Icon)|$(entry StartupNotify)|$(entry Exec)" = "Utility;|scrivlet|false|/usr/bin/scrivlet"
check "the desktop entry asks KWin for typing and its window list" \
    test "$(entry X-KDE-Wayland-Interfaces)" = "org_kde_kwin_fake_input,org_kde_kwin_keystate,org_kde_plasma_window_management"
if have appstreamcli; then
    check "appstreamcli validate accepts the metainfo" quiet appstreamcli validate --no-net "$metainfo"
else
    skip "appstreamcli (appstream) is missing"
fi
check "the metainfo names the desktop entry and the binary" python3 - "$metainfo" <<'EOF'
import sys, xml.etree.ElementTree as ET
c = ET.parse(sys.argv[1]).getroot()
ok = (c.findtext("id") == "com.vantok.Scrivlet"
      and c.findtext("launchable[@type='desktop-id']") == "com.vantok.Scrivlet.desktop"
      and c.findtext("provides/binary") == "scrivlet")
sys.exit(0 if ok else 1)
EOF
# Each PNG's size is the one its folder names (the PNG header has them).
check "each icon is the size of its folder" python3 - "$dest/usr/share/icons/hicolor" <<'EOF'
import pathlib, struct, sys
bad = []
for png in pathlib.Path(sys.argv[1]).glob("*x*/apps/scrivlet.png"):
    w, h = struct.unpack(">II", png.read_bytes()[16:24])
    if png.parts[-3] != "%dx%d" % (w, h):
        bad.append(str(png))
sys.exit("\n".join(bad) if bad else 0)
EOF
man_page=$dest/usr/share/man/man1/scrivlet.1.gz
man_clean() {
    local out
    out=$(zcat "$man_page" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1) && [ -z "$out" ] || { echo "$out"; return 1; }
    out=$(zcat "$man_page" | LC_ALL=C groff -man -Tascii -P -cbou 2>/dev/null)
    grep -q -- '--self-test' <<<"$out" && grep -q 'phrases.json' <<<"$out"
}
if have groff; then
    check "the man page renders without warnings and names --self-test and the files" man_clean
else
    skip "groff (groff-base) is missing"
fi
# gzip -9n: best compression (XFL 2), no file name and no time stamp.
gzip_9n() {
    python3 -c '
import sys
for name in sys.argv[1:]:
    head = open(name, "rb").read(10)
    if head[:2] != b"\x1f\x8b" or head[3] & 0x08 or head[4:8] != bytes(4) or head[8] != 2:
        sys.exit(name + ": not gzip -9n")' "$@"
}
check "the man page and the change log are compressed with gzip -9n" \
    gzip_9n "$man_page" "$dest/usr/share/doc/scrivlet/changelog.gz"

phase "Debian package"
if ! have dpkg-shlibdeps || ! have dpkg-deb; then
    skip "the package needs dpkg-shlibdeps and dpkg-deb (dpkg-dev)"
    phase "done, $failures failed"
    [ "$failures" -eq 0 ]
    exit
fi
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/deb/scrivlet_*.deb)
cp "$deb" "$build/"
echo "   $(basename "$deb"): $(($(stat -c %s "$deb") / 1024)) KiB"
field() { dpkg-deb -f "$deb" "$1"; }
echo "   Depends: $(field Depends)"
check "the package is scrivlet 3.2, section utils" test "$(field Package) $(field Version) $(field Section)" = "scrivlet 3.2 utils"
deps=$(field Depends | tr ',|' '\n\n' | sed 's/^ *//;s/ .*//')
has_deps() {
    local d
    for d in "$@"; do
        grep -qx "$d" <<<"$deps" || { echo "missing: $d"; return 1; }
    done
}
check "its dependencies come from the libraries (libc6, Qt, xkbcommon, xcb-xtest)" \
    has_deps libc6 libstdc++6 libqt5core5a libqt5gui5 libqt5widgets5 libxkbcommon-x11-0 libxcb-xtest0
lacks_dep() { ! grep -qx "$1" <<<"$deps"; }
check "Qt Network is not among them (the single-instance channel is a plain Unix socket)" \
    lacks_dep libqt5network5
deb_listing() {
    dpkg-deb -c "$deb" | awk '$1 ~ /^-/ {sub("^\\./", "", $6); print $1, $6, $2}' | while read -r mode path owner; do
        case $mode in
            -rwxr-xr-x) mode=0755 ;;
            -rw-r--r--) mode=0644 ;;
        esac
        echo "$mode $path $owner"
    done | sort -k2
}
check "the package holds the install's files, owned by root" \
    diff -u <(sed 's#$# root/root#' "$expected") <(deb_listing)
check "the package's folders are 0755 and owned by root" \
    test -z "$(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")')"

if have lintian; then
    t0=$SECONDS
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
    sed 's/^/   lintian: /' "$work/lintian.txt"
    check "lintian reports no errors ($((SECONDS - t0)) s)" bash -c '! grep -q "^E:" "$1"' _ "$work/lintian.txt"
else
    skip "lintian is missing"
fi

phase "install and remove the package"
if [ "$(id -u)" -ne 0 ]; then
    skip "installing the package needs root"
elif dpkg-query -W -f='${Status}' scrivlet 2>/dev/null | grep -q 'installed'; then
    skip "a scrivlet package is installed already; it is left as it is"
else
    installed_here=1
    apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=120 "$@" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; return 1; }; }
    check "apt-get installs the package" apt_get install --no-install-recommends "$deb"
    dpkg -L scrivlet >"$work/owned" 2>/dev/null || true
    check "the installed program's --self-test exits 0" env -u DISPLAY /usr/bin/scrivlet --self-test
    check "the package put its files in /usr" bash -c 'test -x /usr/bin/scrivlet && test -f /usr/share/applications/com.vantok.Scrivlet.desktop'
    check "apt-get purge removes the package" apt_get purge scrivlet
    # Left behind: any file of the list, or one of its folders left empty.
    leftovers() {
        local p
        while read -r p; do
            [ "$p" = /. ] && continue
            if [ -d "$p" ]; then
                [ -z "$(ls -A "$p")" ] && ! dpkg-query -S "$p" >/dev/null 2>&1 && echo "$p"
            elif [ -e "$p" ] || [ -L "$p" ]; then
                echo "$p"
            fi
        done <"$work/owned"
    }
    left=$(leftovers)
    [ -z "$left" ] || echo "$left"
    check "nothing of the package is left behind" test -z "$left"
    installed_here=""
fi

phase "done, $failures failed"
[ "$failures" -eq 0 ]
