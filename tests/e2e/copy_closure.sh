#!/usr/bin/env bash
# A portable copy needs nothing from this machine but what every desktop has.
# Makes a copy with quadrifoglio-maker (a portrait, a square picked at its
# bottom), starts it under Xvfb with an empty LD_LIBRARY_PATH, and checks
# that every shared library in its /proc/PID/maps comes from the copy or is
# named in the desktop list; then makes the same gift as one file, starts it
# with sh as the friend would, and waits for the picked square on its board.
# Usage: copy_closure.sh <folder with quadrifoglio-maker> <desktop list> <artifact folder>
set -euo pipefail

if [[ ${1:-} == --single-file ]]; then
    # The single file as the friend starts it, in a process group of its
    # own: its shell waits for the game, so ending the test ends both.
    setsid sh "$2" &
    pid=$!
    trap 'kill -TERM -- -$pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT TERM
    wait $pid
    exit
fi

if [[ ${1:-} == --probe ]]; then
    # Inside Xvfb: the game's libraries once its window shows the board.
    game=$2 maps=$3
    LD_LIBRARY_PATH= QT_PLUGIN_PATH= QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$(dirname "$maps")/config \
        "$game" >"$maps.log" 2>&1 &
    script=$!
    trap 'kill $script 2>/dev/null || true; wait $script 2>/dev/null || true' EXIT
    for _ in $(seq 240); do
        xdotool search --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null 2>&1 && break
        sleep 0.25
    done
    xdotool search --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null || { cat "$maps.log" >&2; exit 1; }
    sleep 1 # the picture and its plugin are loaded after the window shows
    # The copy's start script runs the game as its child.
    pid=$(pgrep -P "$script" -f quadrifoglio-game)
    # The sound module and its libraries come a moment after the window.
    for _ in $(seq 80); do
        grep -q 'quadrifoglio-sound\.so' "/proc/$pid/maps" && break
        sleep 0.25
    done
    grep -q 'quadrifoglio-sound\.so' "/proc/$pid/maps" || { echo "the sound module was not loaded" >&2; cat "$maps.log" >&2; exit 1; }
    cp "/proc/$pid/maps" "$maps"
    exit 0
fi

maker_dir=$1 list=$2 artifacts=$3
work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"
fail() { echo "FAIL: $*" >&2; exit 1; }

convert -size 300x500 xc:navy -fill gold -draw 'rectangle 0,0 299,199' \
    -fill crimson -draw 'circle 150,350 150,280' "$work/portrait.png"
convert "$work/portrait.png" -crop 300x300+0+200 +repage "$work/square.png"

"$maker_dir/quadrifoglio-maker" "$work/portrait.png" --language it --greeting 'Tanti auguri!' \
    --crop 0,200,300 --out "$work/gift"
[[ -f $work/gift/LEGGIMI.txt ]] || fail "no note in Italian on how to start the copy"

"$(dirname "$0")/own_display.sh" 1024x768 "$0" --probe "$work/gift/quadrifoglio" "$work/maps" \
    || fail "the copy did not show its window"
patterns=$(sed 's/#.*//; /^[[:space:]]*$/d' "$list" | awk '{ print $1 }')
outside=()
while read -r path; do
    [[ $path == "$work/gift/"* ]] && continue
    grep -qE -e "$patterns" <<<"$(basename "$path")" || outside+=("$path")
done < <(awk '$6 ~ /\.so/ { print $6 }' "$work/maps" | sort -u)
((${#outside[@]} == 0)) || fail "libraries from neither the copy nor the desktop list: ${outside[*]}"
grep -q " $work/gift/lib/libQt6Widgets.so" "$work/maps" || fail "Qt Widgets did not come from the copy"
grep -q " $work/gift/plugins/platforms/libqxcb.so" "$work/maps" || fail "the xcb platform did not come from the copy"
echo "loaded from the copy: $(awk '{ print $6 }' "$work/maps" | grep -c "^$work/gift/" || true) mappings; the rest from the desktop list"

"$maker_dir/quadrifoglio-maker" "$work/portrait.png" --language it --crop 0,200,300 --single-file "$work/gift.run"
mkdir -p "$work/unpack"
XDG_CACHE_HOME=$work/cache TMPDIR=$work/unpack "$(dirname "$0")/expect_board.sh" "$artifacts" "$work/square.png" \
    env LD_LIBRARY_PATH= "$0" --single-file "$work/gift.run"
