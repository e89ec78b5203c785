#!/bin/sh
# Writes src/assets/fonts/faces.txt: what fontconfig reads from each of the
# game's font files (family, style, weight, the characters it covers...), one
# face a line after the file's name. The game hands these to fontconfig at
# start-up instead of having them worked out again from the files, which
# costs a fifth of the time to the first frame. Run after changing a font.
set -eu
cd "$(dirname "$0")/../src/assets/fonts"
for file in *.ttf; do
    printf '%s\t' "$file"
    fc-query -f '%{-file{%{=unparse}}}\n' "$file"
done >faces.txt
