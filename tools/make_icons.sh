#!/usr/bin/env bash
# Renders the clover icon at every size a desktop asks for, from its one
# drawing, the scalable icon of the hicolor theme layout under
# packaging/icons/hicolor. The PNGs are committed: a build needs no
# SVG renderer. Needs rsvg-convert (librsvg2-bin) and optipng if present.
#
#   tools/make_icons.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
svg=$root/packaging/icons/hicolor/scalable/apps/quadrifoglio.svg
for size in 16 24 32 48 64 128 256 512; do
    dir=$root/packaging/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --output "$dir/quadrifoglio.png" "$svg"
    # No time stamps in the files: the same drawing gives the same bytes.
    if command -v optipng >/dev/null; then
        optipng -quiet -strip all "$dir/quadrifoglio.png"
    fi
done
