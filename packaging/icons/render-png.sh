#!/bin/sh
# Renders the PNG sizes of the icon theme from zelmora.svg. The PNGs are
# committed, so the build needs no renderer; run this after editing the SVG.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" zelmora.svg -o "hicolor/${size}x${size}/apps/zelmora.png"
done
