#!/usr/bin/env bash
# Starts the real game in a real X window with named pipes in the places of
# Matrix.bmp (which would win over the JPEG), Matrix.dat and the score file.
# None may be opened in a way that waits for a writer: the board must show
# the JPEG, in the default language, as if the pipes were not there.
# Usage: fifo_inputs.sh <folder with quadrifoglio and Matrix.jpg> <artifact folder>
set -euo pipefail

game_dir=$1
artifacts=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$game_dir/quadrifoglio" "$game_dir/Matrix.jpg" "$work/"
mkfifo "$work/Matrix.bmp" "$work/Matrix.dat"
mkdir "$work/config"
mkfifo "$work/config/Quadrifoglio.sco"
QUADRIFOGLIO_E2E_CONFIG="$work/config" \
    "$(dirname "$0")/expect_board.sh" "$artifacts" "$work/Matrix.jpg" "$work/quadrifoglio"
# Nothing took the pipes' places.
[[ -p $work/Matrix.bmp && -p $work/Matrix.dat && -p $work/config/Quadrifoglio.sco ]] \
    || { echo "a pipe was replaced" >&2; exit 1; }
