#!/usr/bin/env python3
"""Start-up time and peak memory of the game beside two bare Qt windows.

Every program is started by bench/screen_watch, which times it from the moment
before it starts until its window's final frame has reached the X server (it
watches the map and every drawing into the window; the game's picture on the
board is its last frame before a quiet spell). The yardsticks are a bare Qt
window, with and without one line of text, that end at once after their first
frame. All programs take turns, round after round, in one Xvfb session, and
each ratio is taken within a round, so that the machine's drift cancels out;
the machine's one-minute load average is printed from before and after.
A private PulseAudio null sink is the sound server when pulseaudio is
installed, as a desktop has one, and the runtime folder is in memory
(/dev/shm), as a desktop's is. Run:

    python3 bench/run_startup.py build [--size 3840x2160] [--runs 21]
                                 [--game NAME=PATH/quadrifoglio ...]

--game adds another build of the game (for example the one before a change);
the build's own game is always there. Needs xvfb-run.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def watch(watcher, command, env):
    out = subprocess.run([watcher, "--"] + command, env=env, check=True,
                         capture_output=True, text=True).stdout.split()
    fields = dict(zip(out[0::2], out[1::2]))
    final = float(fields["final_frame_ms"])
    if final < 0:
        raise RuntimeError(f"{command[0]} showed nothing: {' '.join(out)}")
    return final, int(fields["maxrss_kb"]) / 1024


def start_sound_server(folder):
    if not shutil.which("pulseaudio"):
        return None, None
    socket = os.path.join(folder, "native")
    env = dict(os.environ, HOME=folder, XDG_RUNTIME_DIR=folder, XDG_CONFIG_HOME=folder)
    server = subprocess.Popen(
        ["pulseaudio", "--daemonize=no", "--system=false", "--exit-idle-time=-1",
         "--disallow-exit", "-n", "--use-pid-file=no",
         "--load=module-null-sink sink_name=bench_sink rate=44100",
         f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1",
         f"--log-target=file:{folder}/log"], env=env)
    for _ in range(100):
        if os.path.exists(socket):
            return server, f"unix:{socket}"
        time.sleep(0.05)
    server.terminate()
    server.wait()
    return None, None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--size", default="1024x768")
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--game", action="append", default=[], metavar="NAME=PATH")
    args = parser.parse_args()
    if os.environ.get("DISPLAY") is None:
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", f"-screen 0 {args.size}x24 -noreset",
                               sys.executable] + sys.argv)
    build = os.path.abspath(args.build)
    watcher = os.path.join(build, "bench", "screen_watch")
    bare = os.path.join(build, "bench", "bare_window")
    programs = [("bare Qt window", [bare]),
                ("bare Qt window, one label", [bare, "--label"]),
                ("game", [os.path.join(build, "src", "quadrifoglio")])]
    for extra in args.game:
        name, path = extra.split("=", 1)
        programs.append((f"game, {name}", [os.path.abspath(path)]))

    with tempfile.TemporaryDirectory() as tmp:
        sound = os.path.join(tmp, "sound")
        os.mkdir(sound, 0o700)
        # A desktop's runtime folder is in memory (/run/user/ID), where
        # the single-instance lock costs no disk write.
        runtime = tempfile.mkdtemp(dir="/dev/shm" if os.path.isdir("/dev/shm") else tmp)
        server, address = start_sound_server(sound)
        try:
            env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(tmp, "config"),
                       XDG_RUNTIME_DIR=runtime)
            if address:
                env["PULSE_SERVER"] = address
            else:
                env.pop("PULSE_SERVER", None)
            load_before = os.getloadavg()[0]
            # One round unmeasured: the files' pages come into the cache.
            for _, command in programs:
                watch(watcher, command, env)
            times = {name: [] for name, _ in programs}
            memory = {name: [] for name, _ in programs}
            for _ in range(args.runs):
                for name, command in programs:
                    ms, mb = watch(watcher, command, env)
                    times[name].append(ms)
                    memory[name].append(mb)
            load_after = os.getloadavg()[0]
        finally:
            shutil.rmtree(runtime, ignore_errors=True)
            if server:
                server.terminate()
                server.wait()

    label = programs[1][0]
    print(f"time to the final frame on screen, Xvfb {args.size}, {args.runs} rounds, "
          f"sound server: {'private PulseAudio null sink' if address else 'none'}, "
          f"load average {load_before:.1f} before, {load_after:.1f} after")
    print(f"{'program':30} {'median ms':>9} {'x bare':>7} {'x label':>8} "
          f"{'x label range':>14} {'peak MB':>8} {'x label':>8}")
    for name, _ in programs:
        to_bare = [a / b for a, b in zip(times[name], times[programs[0][0]])]
        to_label = [a / b for a, b in zip(times[name], times[label])]
        mb = statistics.median(memory[name])
        print(f"{name:30} {statistics.median(times[name]):9.1f} "
              f"{statistics.median(to_bare):7.2f} {statistics.median(to_label):8.2f} "
              f"{min(to_label):6.2f}-{max(to_label):<7.2f} {mb:8.1f} "
              f"{mb / statistics.median(memory[label]):8.2f}")


if __name__ == "__main__":
    main()
