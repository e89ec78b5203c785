#!/usr/bin/env bash
# Takes docs/screenshot.png: the game on the sample puzzle in a real X window
# (Xvfb, 1024 x 768, no window manager), level Easy, Play pressed and three
# pieces dragged home with the mouse, saved 800 pixels wide in 256 colours.
#
#   tools/make_screenshot.sh [build folder] [output png]
#
# Needs a built game (build/src/quadrifoglio), xvfb-run, xdotool, ImageMagick
# and python3. Pieces are scattered at random, so each run gives another
# picture; the pieces are found on the screen by tools/find_pieces.py.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshot.png}
mkdir -p "$(dirname "$out")"
out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game" "$work/config"
cp "$build/src/quadrifoglio" "$root/sample/Matrix.jpg" "$root/sample/Matrix.dat" "$work/game/"

cat >"$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
tools=$2
export XDG_CONFIG_HOME="$work/config"
"$work/game/quadrifoglio" >"$work/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quadrifoglio 3D$' | head -1)
xdotool windowfocus --sync "$window"

# The board at (332, 204) once the picture has replaced the wait message.
convert "$work/game/Matrix.jpg" -resize '360x360!' "$work/expected.png"
for attempt in $(seq 1 40); do
    import -window root "$work/start.png"
    convert "$work/start.png" -crop 360x360+332+204 +repage "$work/board.png"
    rmse=$( (compare -metric RMSE "$work/board.png" "$work/expected.png" null: 2>&1 || true) | sed -E 's/.*\((.*)\)/\1/')
    awk -v r="$rmse" 'BEGIN { exit !(r < 0.08) }' && break
    sleep 0.25
done
convert "$work/board.png" "$work/board.ppm"

# Easy, then Play (the sample speaks English: &Easy, &Play).
xdotool key alt+e
sleep 0.3
xdotool key alt+p
sleep 1.5
import -window root "$work/play.png"
convert "$work/play.png" "$work/play.ppm"

# The three pieces found with the most certainty go home, dragged in steps.
python3 "$tools/find_pieces.py" "$work/play.ppm" "$work/board.ppm" >"$work/found"
head -3 "$work/found" >"$work/moves"
while read -r piece gx gy hx hy margin; do
    echo "piece $piece: ($gx, $gy) -> ($hx, $hy)"
    xdotool mousemove "$gx" "$gy" mousedown 1
    for step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((gx + (hx - gx) * step / 10)) $((gy + (hy - gy) * step / 10))
        sleep 0.03
    done
    xdotool mouseup 1
    sleep 0.4
done <"$work/moves"
xdotool mousemove 1010 750
sleep 1
import -window root "$work/final.png"
INSIDE
chmod +x "$work/inside.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/inside.sh" "$work" "$root/tools"
convert "$work/final.png" -resize 800x -dither None -colors 256 -strip "PNG8:$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"), $(stat -c %s "$out") bytes)"
