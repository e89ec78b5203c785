#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks what a desktop gets:
# the layout, the menu entries and software-centre metadata (validated), the
# icons, the manual pages, the maker finding the installed game, and the launcher starting the game on the sample puzzle in a real X
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
for line in 'Name=Quadrifoglio 3D' 'Exec=quadrifoglio' 'Icon=quadrifoglio' 'Categories=Game;LogicGame;'; do
    grep -qxF "$line" "$desktop" || fail "$desktop lacks '$line'"
done
grep -qxF 'Exec=quadrifoglio-maker' "$prefix/share/applications/quadrifoglio-maker.desktop" \
    || fail "no menu entry for the maker"
desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null || fail "appstreamcli validate"
for size in 16 24 32 48 64 128 256 512; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/quadrifoglio.png
    [[ $(identify -format '%m %wx%h' "$icon") == "PNG ${size}x${size}" ]] || fail "icon $icon is not a ${size}x${size} PNG"
done
[[ -s $prefix/share/icons/hicolor/scalable/apps/quadrifoglio.svg ]] || fail "no scalable icon"
for page in quadrifoglio quadrifoglio-maker; do
    gzip -t "$prefix/share/man/man6/$page.6.gz" || fail "no manual page for $page"
done

# The installed maker copies the installed game (the real file, not the link).
"$prefix/bin/quadrifoglio-maker" "$prefix/lib/quadrifoglio/Matrix.jpg" --language de \
    --greeting 'Alles Gute' --out "$work/gift" --game-only >/dev/null || fail "installed maker"
cmp -s "$work/gift/quadrifoglio" "$game" || fail "the made copy does not hold the installed game"
cmp -s "$work/gift/quadrifoglio-sound.so" "$prefix/lib/quadrifoglio/quadrifoglio-sound.so" \
    || fail "the made copy does not hold the game's sound module"
cmp -s "$work/gift/quadrifoglio-pictures.so" "$prefix/lib/quadrifoglio/quadrifoglio-pictures.so" \
    || fail "the made copy does not hold the game's picture module"
[[ ! -L $work/gift/quadrifoglio ]] || fail "the made copy holds a link"
# By default it copies the installed portable runtime.
"$prefix/bin/quadrifoglio-maker" "$prefix/lib/quadrifoglio/Matrix.jpg" --out "$work/portable" >/dev/null \
    || fail "installed maker, portable copy"
cmp -s "$work/portable/lib/libQt6Core.so.6" "$prefix/lib/quadrifoglio/runtime/lib/libQt6Core.so.6" \
    || fail "the portable copy does not hold the installed runtime"

# Started by name through PATH, as the desktop entry does.
"$(dirname "$0")/expect_board.sh" "$artifacts" "$prefix/lib/quadrifoglio/Matrix.jpg" \
    env PATH="$prefix/bin:$PATH" quadrifoglio
