#!/usr/bin/env bash
# Rewrites the hicolor PNG sizes of the program icon from its SVG (needs rsvg-convert, from
# librsvg2-bin). Run after changing src/app/resources/icons/ornadeck.svg and commit the PNGs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/../src/app/resources/icons/ornadeck.svg"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$here/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$here/icons/${size}x${size}/ornadeck.png"
done
