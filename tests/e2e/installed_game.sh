#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks what a desktop gets:
# the layout, the .desktop entry, the icons, the maker finding the installed
# game, and the launcher starting the game on the sample puzzle in a real X
# window (Xvfb, 1024 x 768, no window manager).
# Usage: installed_game.sh <cmake> <build folder> <artifact folder>
set -euo pipefail

cmake=$1
build=$2
artifacts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

game=$prefix/lib/quadrifoglio/quadrifoglio
[[ -f $game && -x $game ]] || fail "no game at lib/quadrifoglio/quadrifoglio"
for f in Matrix.jpg Matrix.dat; do
    cmp -s "$prefix/lib/quadrifoglio/$f" "$(dirname "$0")/../../sample/$f" || fail "sample $f not beside the game"
done
[[ -L $prefix/bin/quadrifoglio ]] || fail "bin/quadrifoglio is not a link"
[[ $(readlink "$prefix/bin/quadrifoglio") != /* ]] || fail "bin/quadrifoglio is an absolute link"
[[ $(readlink -f "$prefix/bin/quadrifoglio") == $(readlink -f "$game") ]] || fail "bin/quadrifoglio does not lead to the game"
[[ -x $prefix/bin/quadrifoglio-maker ]] || fail "no bin/quadrifoglio-maker"

desktop=$prefix/share/applications/quadrifoglio.desktop
for line in 'Name=Quadrifoglio 3D' 'Exec=quadrifoglio' 'Icon=quadrifoglio' 'Categories=Game;BoardGame;'; do
    grep -qxF "$line" "$desktop" || fail "$desktop lacks '$line'"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    echo "desktop-file-validate: passed"
else
    echo "desktop-file-validate not installed: entry not validated"
fi
for size in 256 32; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/quadrifoglio.png
    [[ $(identify -format '%m %wx%h' "$icon") == "PNG ${size}x${size}" ]] || fail "icon $icon is not a ${size}x${size} PNG"
done

# The installed maker copies the installed game (the real file, not the link).
"$prefix/bin/quadrifoglio-maker" "$prefix/lib/quadrifoglio/Matrix.jpg" --language de \
    --greeting 'Alles Gute' --out "$work/gift" >/dev/null || fail "installed maker"
cmp -s "$work/gift/quadrifoglio" "$game" || fail "the made copy does not hold the installed game"
[[ ! -L $work/gift/quadrifoglio ]] || fail "the made copy holds a link"

cat >"$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
prefix=$work/prefix
export XDG_CONFIG_HOME="$work/config"
# Started by name through PATH, as the desktop entry does.
PATH="$prefix/bin:$PATH" quadrifoglio >"$work/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

timeout 20 xdotool search --sync --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null
# The window alone does not say the sample was found (without a picture the
# game shows its window, then a message, and ends): the board must show it.
convert "$prefix/lib/quadrifoglio/Matrix.jpg" -resize '360x360!' "$work/expected.png"
for attempt in $(seq 1 40); do
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop 360x360+332+204 +repage "$work/board.png"
    rmse=$( (compare -metric RMSE "$work/board.png" "$work/expected.png" null: 2>&1 || true) | sed -E 's/.*\((.*)\)/\1/')
    if awk -v r="$rmse" 'BEGIN { exit !(r < 0.08) }'; then
        echo "installed launcher started the game on the sample puzzle (board RMSE $rmse)"
        exit 0
    fi
    sleep 0.25
done
echo "board does not show the sample picture (normalised RMSE $rmse)" >&2
cat "$work/game.log" >&2
exit 1
INSIDE
chmod +x "$work/inside.sh"

if ! xvfb-run -a -s "-screen 0 1024x768x24" "$work/inside.sh" "$work"; then
    cp "$work"/*.png "$artifacts/" 2>/dev/null || true
    echo "screenshots kept in $artifacts" >&2
    exit 1
fi
