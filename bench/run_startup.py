#!/usr/bin/env python3
"""Start-up time and peak memory of the game beside a bare Qt window.

Each program is started many times in one Xvfb session (1024 x 768) and timed
from process start to process end; the game's probe ends as soon as the
picture is fitted on the board and the window painted (the last row goes on
to choose Easy and press Play, for the memory of a game in play). Run:

    python3 bench/run_startup.py build

(needs xvfb-run, ImageMagick for the 6000 x 4000 test photo).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 21


def run_many(command, env):
    times, rss = [], []
    for _ in range(RUNS):
        start = time.perf_counter()
        out = subprocess.run(command, env=env, check=True, capture_output=True, text=True).stdout
        times.append((time.perf_counter() - start) * 1000)
        for line in out.splitlines():
            if line.startswith("maxrss_kb"):
                rss.append(int(line.split()[1]) / 1024)
    return statistics.median(times), max(rss)


def main():
    if os.environ.get("DISPLAY") is None:
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
                               sys.executable] + sys.argv)
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    probe = os.path.join(build, "bench", "startup_probe")
    bare = os.path.join(build, "bench", "bare_window")

    with tempfile.TemporaryDirectory() as tmp:
        sample = os.path.join(tmp, "sample")
        os.mkdir(sample)
        for name in ("Matrix.jpg", "Matrix.dat"):
            shutil.copy(os.path.join(root, "sample", name), sample)
        big = os.path.join(tmp, "big")
        os.mkdir(big)
        shutil.copy(os.path.join(root, "sample", "Matrix.dat"), big)
        subprocess.run(["convert", "-size", "6000x4000", "gradient:gold-navy",
                        "-fill", "white", "-draw", "circle 3000,2000 3000,200",
                        "-attenuate", "0.3", "+noise", "Uniform",
                        "-quality", "90", os.path.join(big, "Matrix.jpg")], check=True)

        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(tmp, "config"))
        rows = [
            ("bare Qt window", run_many([bare], env)),
            ("game, sample picture (720 x 720)", run_many([probe, sample], env)),
            ("game, 6000 x 4000 JPEG", run_many([probe, big], env)),
            ("game, sample, Easy + Play pressed", run_many([probe, sample, "--play"], env)),
        ]
    bare_ms = rows[0][1][0]
    print(f"start-up to picture on the board, median of {RUNS} runs, Xvfb 1024x768")
    print(f"{'program':36} {'median ms':>10} {'x bare':>7} {'peak RSS MB':>12}")
    for name, (ms, rss) in rows:
        print(f"{name:36} {ms:10.1f} {ms / bare_ms:7.2f} {rss:12.1f}")


if __name__ == "__main__":
    main()
