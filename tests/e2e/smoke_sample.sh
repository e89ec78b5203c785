#!/usr/bin/env bash
# Starts the real game in a real X window (Xvfb, 1024 x 768, no window
# manager) on the bundled sample puzzle and checks on a screenshot that the
# board shows the picture, fitted to 360 x 360 and centred in the window.
# Usage: smoke_sample.sh <folder with quadrifoglio, Matrix.jpg, Matrix.dat> <artifact folder>
set -euo pipefail

game_dir=$1
artifacts=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

cp "$game_dir/quadrifoglio" "$game_dir/Matrix.jpg" "$game_dir/Matrix.dat" "$work/"
mkdir -p "$work/config"

cat >"$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
export XDG_CONFIG_HOME="$work/config"
"$work/quadrifoglio" >"$work/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

timeout 20 xdotool search --sync --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null

# The expected board: the sample picture stretched to 360 x 360. Without a
# window manager the window fills the 1024 x 768 screen, so the board's
# corner is at ((1024 - 360) / 2, (768 - 360) / 2).
convert "$work/Matrix.jpg" -resize '360x360!' "$work/expected.png"
for attempt in $(seq 1 40); do
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop 360x360+332+204 +repage "$work/board.png"
    # compare exits 1 when the pictures differ at all; the figure decides.
    rmse=$( (compare -metric RMSE "$work/board.png" "$work/expected.png" null: 2>&1 || true) | sed -E 's/.*\((.*)\)/\1/')
    if awk -v r="$rmse" 'BEGIN { exit !(r < 0.08) }'; then
        echo "board matches the sample picture (normalised RMSE $rmse)"
        exit 0
    fi
    sleep 0.25
done
echo "board does not show the picture (normalised RMSE $rmse)" >&2
cat "$work/game.log" >&2
exit 1
INSIDE
chmod +x "$work/inside.sh"

if ! xvfb-run -a -s "-screen 0 1024x768x24" "$work/inside.sh" "$work"; then
    cp "$work"/*.png "$artifacts/" 2>/dev/null || true
    echo "screenshots kept in $artifacts" >&2
    exit 1
fi
