#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb, no window manager): the
# server takes a display number no other server holds (-displayfd), so tests
# running side by side never meet on one display, as `xvfb-run -a` may.
# Usage: own_display.sh WIDTHxHEIGHT command [arguments...]
set -euo pipefail

size=$1
shift
number=$(mktemp -u /tmp/own-display.XXXXXX)
mkfifo "$number"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true; rm -f "$number"' EXIT
# The server writes its display number once it accepts clients.
if ! read -r -t 30 display <"$number"; then
    echo "Xvfb did not start" >&2
    exit 1
fi
DISPLAY=:$display "$@"
