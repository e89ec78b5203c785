#!/usr/bin/env bash
# Makes a copy of the game with quadrifoglio-maker from a PNG picture and
# starts the copy in a real X window (Xvfb, 1024 x 768, no window manager):
# the board must show the converted picture.
# Usage: made_copy.sh <folder with quadrifoglio and quadrifoglio-maker> <artifact folder>
set -euo pipefail

game_dir=$1
artifacts=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A picture of four coloured quarters, made as a PNG: the maker converts it.
convert -size 200x200 xc:navy \
    -fill gold -draw 'rectangle 0,0 99,99' -fill crimson -draw 'rectangle 100,100 199,199' \
    -fill white -draw 'circle 100,100 100,60' "$work/picture.png"
"$game_dir/quadrifoglio-maker" "$work/picture.png" --language fr --greeting 'Joyeux anniversaire !' \
    --out "$work/gift"
[[ -f $work/gift/Matrix.jpg ]] || { echo "no Matrix.jpg in the copy" >&2; exit 1; }

"$(dirname "$0")/expect_board.sh" "$artifacts" "$work/picture.png" "$work/gift/quadrifoglio"
