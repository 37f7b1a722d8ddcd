#!/usr/bin/env bash
# Fetches Debian's source package of libyaml into DIR (once) and prints the
# folder of its unpacked source, for a cross build that compiles it in
# (cmake -DSCRIVLET_LIBYAML_SOURCE=...): mingw-w64 has no libyaml package.
#
#   scripts/libyaml-source.sh DIR
#
# apt fetches it from the mirrors this machine already uses, as deb-src
# entries beside them, with its own lists and cache in DIR: nothing of the
# system's configuration changes and no root is needed. apt checks the
# package against the mirror's signed index; dpkg-source (dpkg-dev) unpacks
# it with Debian's patches.
set -euo pipefail
dir=$(realpath -m "${1:?usage: $0 DIR}")
mkdir -p "$dir"
found=$(find "$dir" -maxdepth 3 -path "$dir/libyaml-*/src/parser.c" | head -n 1)
if [ -n "$found" ]; then
    dirname "$(dirname "$found")"
    exit 0
fi
apt_dir=$dir/apt
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
: >"$apt_dir/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -e 's/^Types:.*\bdeb\b.*$/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n 's/^deb \(.*\)$/deb-src \1/p' "$f" >>"$apt_dir/sources.list"
done
opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache")
# As root apt would hand the download to its own user, which cannot write here.
[ "$(id -u)" -eq 0 ] && opts+=(-o APT::Sandbox::User=root)
apt-get "${opts[@]}" update -qq >&2
(cd "$dir" && apt-get "${opts[@]}" source -qq libyaml >&2)
found=$(find "$dir" -maxdepth 3 -path "$dir/libyaml-*/src/parser.c" | head -n 1)
[ -n "$found" ] || { echo "libyaml's source did not unpack in $dir" >&2; exit 1; }
dirname "$(dirname "$found")"
