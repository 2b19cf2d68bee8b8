#!/bin/sh
# Renders the hicolor PNGs of the program icon from the SVG sources.
# The 16 px picture has its own source, drawn on the 16 px grid, because the
# full picture loses its line at that size.  Needs rsvg-convert (librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
for size in 16 32 48 64 128 256; do
  src="$here/icons/valmora.svg"
  [ "$size" -eq 16 ] && src="$here/icons/valmora-16.svg"
  out="$here/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$out"
  rsvg-convert -w "$size" -h "$size" "$src" -o "$out/org.valmora.Valmora.png"
done
