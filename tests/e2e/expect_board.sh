#!/usr/bin/env bash
# Runs a command that starts the game in a real X window (Xvfb, 1024 x 768, no
# window manager, so the window fills the screen) and waits until its board
# shows PICTURE stretched to 360 x 360 and centred: the board's corner is then
# at ((1024 - 360) / 2, (768 - 360) / 2). The window alone would not say the
# picture was found: without one the game shows its window, then a message.
# Usage: expect_board.sh <artifact folder> <picture> <command> [arguments...]
# The screenshots of a failing run are kept in the artifact folder.
set -euo pipefail

# Waits until a command succeeds, trying again every quarter of a second, for
# at most the given seconds: the machine may be loaded, so the deadline is
# generous and the test goes on as soon as the condition holds.
until_within() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.25
    done
}

board_shows_picture() {
    import -window root "$work/screen.png" 2>/dev/null || return 1
    convert "$work/screen.png" -crop 360x360+332+204 +repage "$work/board.png"
    # compare exits 1 when the pictures differ at all; the figure decides.
    rmse=$( (compare -metric RMSE "$work/board.png" "$work/expected.png" null: 2>&1 || true) \
        | sed -E 's/.*\((.*)\)/\1/')
    awk -v r="$rmse" 'BEGIN { exit !(r < 0.08) }'
}

if [[ ${1:-} == --inside ]]; then
    work=$2 picture=$3
    shift 3
    export XDG_CONFIG_HOME="${QUADRIFOGLIO_E2E_CONFIG:-$work/config}"
    # A real X window, whatever platform the test's caller runs Qt on.
    export QT_QPA_PLATFORM=xcb
    "$@" >"$work/game.log" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

    convert "$picture" -resize '360x360!' "$work/expected.png"
    if ! until_within 60 xdotool search --onlyvisible --name '^Quadrifoglio 3D$' >/dev/null; then
        echo "no window within 60 s" >&2
        cat "$work/game.log" >&2
        exit 1
    fi
    rmse=unmeasured
    if until_within 60 board_shows_picture; then
        echo "the board shows the picture (normalised RMSE $rmse)"
        exit 0
    fi
    echo "the board does not show the picture (normalised RMSE $rmse)" >&2
    cat "$work/game.log" >&2
    exit 1
fi

artifacts=$1 picture=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts" "$work/config"
if ! "$(dirname "$0")/own_display.sh" 1024x768 "$0" --inside "$work" "$picture" "$@"; then
    cp "$work"/*.png "$artifacts/" 2>/dev/null || true
    echo "screenshots kept in $artifacts" >&2
    exit 1
fi
