#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages a build needs, once: packages already
# present are not asked for again. Usage: scripts/deps.sh run|test
set -euo pipefail

run_pkgs=(build-essential cmake ninja-build pkg-config
    qtbase5-dev qttools5-dev-tools libqt5x11extras5-dev libqt5svg5-dev
    libx11-dev libxtst-dev libxcb1-dev libx11-xcb-dev
    libxkbcommon-x11-dev libxcb-xkb-dev libxcb-xtest0-dev libxi-dev rapidjson-dev libyaml-dev
    libwayland-dev libwayland-bin)
test_pkgs=(xvfb xauth icewm xdotool x11-xkb-utils x11-utils x11-xserver-utils imagemagick python3 python3-tk
    xz-utils mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 fonts-wine procps dbus-daemon at-spi2-core
    python3-gi gir1.2-gtk-3.0 chromium firefox-esr xterm lxterminal
    dpkg-dev desktop-file-utils appstream groff-base lintian nsis
    clang libclang-rt-14-dev llvm libglib2.0-dev
    sway xwayland qtwayland5 wtype wl-clipboard grim
    kwin-wayland libkf5globalaccel-dev mutter gnome-settings-daemon-common dconf-cli dconf-gsettings-backend libglib2.0-bin)

want=("${run_pkgs[@]}")
[ "${1:-run}" = test ] && want+=("${test_pkgs[@]}")

missing=()
for p in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
