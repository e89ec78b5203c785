#!/usr/bin/env bash
# Starts the real game in a real X window on the bundled sample puzzle and
# checks on a screenshot that the board shows the picture, fitted to 360 x 360
# and centred in the window.
# Usage: smoke_sample.sh <folder with quadrifoglio, Matrix.jpg, Matrix.dat> <artifact folder>
set -euo pipefail

game_dir=$1
artifacts=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$game_dir/quadrifoglio" "$game_dir/Matrix.jpg" "$game_dir/Matrix.dat" "$work/"
"$(dirname "$0")/expect_board.sh" "$artifacts" "$work/Matrix.jpg" "$work/quadrifoglio"
