#!/usr/bin/env bash
# Prints what a screen reader is told about the game: its accessible tree as
# AT-SPI gives it (role | name | description), with a game started on Easy so
# that the 36 pieces are in it. Runs the game on the sample puzzle under a
# private D-Bus session, AT-SPI bus and Xvfb (1024 x 768, no window manager).
# Needs at-spi2-core, python3-pyatspi, dbus, xvfb and xdotool.
#
#   tools/accessible_tree.sh [build folder]
set -euo pipefail

if [[ ${1:-} != --inside ]]; then
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    build=$(cd "${1:-$root/build}" && pwd)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$build" "$work"
    exit
fi
build=$2 work=$3
mkdir -p "$work/config" "$work/runtime" && chmod 700 "$work/runtime"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
"$build/src/quadrifoglio" >"$work/game.log" 2>&1 &
game=$!
trap 'kill $game $bus 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Quadrifoglio 3D$' | head -1)
sleep 2
# Easy and Play on the start panel below the board (board at 332, 204).
xdotool mousemove --sync 356 610 click 1 sleep 0.5 mousemove --sync 651 610 click 1 sleep 1
/usr/bin/python3 - <<'PY'
import pyatspi

def walk(node, depth):
    print("  " * depth + "%s | %s | %s" % (node.getRoleName(), node.name, node.description))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)

for app in pyatspi.Registry.getDesktop(0):
    if app and app.name == "Quadrifoglio 3D":
        walk(app, 0)
PY
