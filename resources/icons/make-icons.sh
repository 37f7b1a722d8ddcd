#!/usr/bin/env bash
# Regenerates the committed icon files from their SVG sources with ImageMagick.
# Run it after editing scrivlet.svg or chevron-down-white.svg.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The Windows icon and the Linux icon theme (../linux/icons, installed into
# hicolor beside the SVG itself) come from the same renderings.
sizes=(16 24 32 48 64 128 256)
pngs=()
for s in "${sizes[@]}"; do
    convert -background none -density 384 scrivlet.svg -resize "${s}x${s}" "PNG32:$tmp/icon-$s.png"
    pngs+=("$tmp/icon-$s.png")
done
convert "${pngs[@]}" Scrivlet.ico
mkdir -p ../linux/icons
for s in "${sizes[@]}"; do
    # No time stamps, so an unchanged icon gives an unchanged file.
    convert "$tmp/icon-$s.png" -strip "PNG32:../linux/icons/scrivlet-$s.png"
done
convert -background none -density 384 chevron-down-white.svg -resize 12x12 PNG32:chevron-down-white.png
