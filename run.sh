#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game on the bundled sample puzzle.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/src/quadrifoglio "$@"
