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
mkdir -p "$artifacts"

# A picture of four coloured quarters, made as a PNG: the maker converts it.
convert -size 200x200 xc:navy \
    -fill gold -draw 'rectangle 0,0 99,99' -fill crimson -draw 'rectangle 100,100 199,199' \
    -fill white -draw 'circle 100,100 100,60' "$work/picture.png"
"$game_dir/quadrifoglio-maker" "$work/picture.png" --language fr --greeting 'Joyeux anniversaire !' \
    --out "$work/gift"
[[ -f $work/gift/Matrix.jpg ]] || { echo "no Matrix.jpg in the copy" >&2; exit 1; }

cat >"$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
export XDG_CONFIG_HOME="$work/config"
"$work/gift/quadrifoglio" >"$work/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

timeout 20 xdotool search --sync --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null
convert "$work/picture.png" -resize '360x360!' "$work/expected.png"
for attempt in $(seq 1 40); do
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop 360x360+332+204 +repage "$work/board.png"
    rmse=$( (compare -metric RMSE "$work/board.png" "$work/expected.png" null: 2>&1 || true) | sed -E 's/.*\((.*)\)/\1/')
    if awk -v r="$rmse" 'BEGIN { exit !(r < 0.08) }'; then
        echo "the made copy shows its picture (board RMSE $rmse)"
        exit 0
    fi
    sleep 0.25
done
echo "board does not show the made copy's picture (normalised RMSE $rmse)" >&2
cat "$work/game.log" >&2
exit 1
INSIDE
chmod +x "$work/inside.sh"

if ! xvfb-run -a -s "-screen 0 1024x768x24" "$work/inside.sh" "$work"; then
    cp "$work"/*.png "$artifacts/" 2>/dev/null || true
    echo "screenshots kept in $artifacts" >&2
    exit 1
fi
cp "$work/screen.png" "$artifacts/made_copy.png"
