#!/usr/bin/env bash
# Runs every benchmark on an existing build and prints all figures. Builds
# nothing: build first (cmake --build build).
#
#   bench/run_all.sh [build folder]
#
# Start-up and peak memory run in their own Xvfb (run_startup.py), as do the
# idle wake-ups (run_idle.py, with a private PulseAudio); the board
# and drag benchmarks on the offscreen platform; the sound benchmark against
# a private PulseAudio null sink when pulseaudio is installed (started here
# and stopped at the end), else against no sound server at all.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
for program in bench/screen_watch bench/bare_window bench/bench_board bench/bench_drag bench/bench_sound; do
    if [[ ! -x $build/$program ]]; then
        echo "missing $build/$program: build first (cmake --build $build)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
pulse_pid=
holder_pid=
cleanup() {
    [[ -n $holder_pid ]] && kill "$holder_pid" 2>/dev/null || true
    [[ -n $pulse_pid ]] && kill "$pulse_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "== Quadrifoglio 3D benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "   $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "   Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo '?'), build $build"
echo

echo "== Start-up and peak memory (python3 bench/run_startup.py)"
python3 "$root/bench/run_startup.py" "$build"
echo
python3 "$root/bench/run_startup.py" "$build" --size 3840x2160
echo

echo "== Wake-ups of the idle game (python3 bench/run_idle.py)"
if command -v pulseaudio >/dev/null && command -v xdotool >/dev/null; then
    python3 "$root/bench/run_idle.py" "$build"
else
    echo "(needs pulseaudio and xdotool)"
fi
echo

echo "== Play and the 3-D switch (bench/bench_board)"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$build/bench/bench_board"
echo

echo "== One step of a drag (bench/bench_drag)"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$build/bench/bench_drag"
echo
echo "== Play and a drag step at 3840 x 2160"
BENCH_WINDOW=3840x2160 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$build/bench/bench_board" 21
BENCH_WINDOW=3840x2160 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$build/bench/bench_drag" 400
echo

echo "== Sound (bench/bench_sound)"
sound_env=(env -u PULSE_SERVER)
if command -v pulseaudio >/dev/null && command -v parec >/dev/null; then
    mkdir -p "$work/pulse"
    HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse XDG_CONFIG_HOME=$work/pulse \
        pulseaudio --daemonize=no --system=false --exit-idle-time=-1 --disallow-exit -n \
        --use-pid-file=no \
        --load="module-null-sink sink_name=bench_sink rate=44100" \
        --load="module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
        --log-target="file:$work/pulse/log" &
    pulse_pid=$!
    for _ in $(seq 1 100); do
        [[ -S $work/pulse/native ]] && break
        sleep 0.05
    done
    if [[ -S $work/pulse/native ]]; then
        # Keeps the null sink at a low latency, as a real device would be.
        PULSE_SERVER=unix:$work/pulse/native parec -d bench_sink.monitor --latency-msec=20 --raw >/dev/null &
        holder_pid=$!
        sound_env=(env PULSE_SERVER=unix:$work/pulse/native)
        echo "(private PulseAudio null sink)"
    else
        echo "(pulseaudio did not start: no sound server)"
    fi
else
    echo "(pulseaudio not installed: no sound server)"
fi
"${sound_env[@]}" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$build/bench/bench_sound" 2>&1 \
    | grep -v '^PulseAudioService:' || true
echo

echo "== The gift copy (python3 bench/bench_copy.py)"
python3 "$root/bench/bench_copy.py" "$build"
