#!/usr/bin/env python3
"""The gift copy: the maker's time for a 24-megapixel photo and for the
sample picture (beside `tar` of the same folder), the size of a copy (folder
and single file), and the start-up of the folder copy, of the single file's
first start (nothing in the cache) and of its later starts (from the cache),
beside the installed game's, in the same Xvfb session.

Start-up is timed from process start until the game's window is on the
screen (polled with xdotool every few milliseconds), the installed game and
the copy taking turns, RUNS times each; the copy runs with an empty
LD_LIBRARY_PATH, so that it loads its own Qt. Run:

    python3 bench/bench_copy.py build

(needs xvfb-run, xdotool, ImageMagick; installs the build into a temporary
prefix).
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("BENCH_RUNS", 11))
TITLE = "^Quadrifoglio 3D$"


def timed(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, capture_output=True)
    return time.perf_counter() - start


def folder_bytes(path):
    return sum(os.path.getsize(os.path.join(d, f)) for d, _, files in os.walk(path) for f in files)


def start_up(command, env):
    start = time.perf_counter()
    # In a session of its own: a copy's start script runs the game as its child.
    game = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            start_new_session=True)
    try:
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                             capture_output=True).returncode != 0:
            if time.perf_counter() - start > 60 or game.poll() is not None:
                game.kill()
                raise RuntimeError("no window within 60 s: %s\n%s" % (command, game.communicate()[1].decode()))
            time.sleep(0.005)
        return (time.perf_counter() - start) * 1000
    finally:
        try:
            os.killpg(game.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        game.wait()
        # Gone from the screen before the next start is timed.
        deadline = time.perf_counter() + 10
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                             capture_output=True).returncode == 0 and time.perf_counter() < deadline:
            time.sleep(0.005)


def main():
    if os.environ.get("DISPLAY") is None:
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24 -noreset", sys.executable] + sys.argv)
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    maker = os.path.join(build, "src", "quadrifoglio-maker")
    with tempfile.TemporaryDirectory() as work:
        photo = os.path.join(work, "photo.jpg")
        subprocess.run(["convert", "-size", "6000x4000", "plasma:fractal", "-quality", "92", photo], check=True)
        folder_times = []
        for run in range(3):
            out = os.path.join(work, "gift%d" % run)
            folder_times.append(timed([maker, photo, "--language", "en", "--greeting", "Happy birthday!",
                                       "--out", out]))
        single = os.path.join(work, "gift.run")
        single_time = timed([maker, photo, "--language", "en", "--greeting", "Happy birthday!",
                             "--single-file", single])
        print("maker, 6000 x 4000 JPEG -> folder:      %.2f s (median of 3)" % statistics.median(folder_times))
        print("maker, 6000 x 4000 JPEG -> single file: %.2f s" % single_time)
        print("copy as a folder:      %.1f MB (goal 40 MB)" % (folder_bytes(os.path.join(work, "gift0")) / 1e6))
        print("copy as a single file: %.1f MB (goal 12 MB)" % (os.path.getsize(single) / 1e6))
        sample = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sample", "Matrix.jpg")
        sample_single, sample_folder = os.path.join(work, "sample.run"), os.path.join(work, "sample")
        made = timed([maker, sample, "--language", "en", "--single-file", sample_single])
        timed([maker, sample, "--language", "en", "--out", sample_folder])
        tar_time = timed(["tar", "-cf", os.path.join(work, "sample.tar"), "-C", sample_folder, "."])
        print("sample picture -> single file: %.1f MB, made in %.2f s (goal 5 s); tar of the same folder %.2f s"
              % (os.path.getsize(sample_single) / 1e6, made, tar_time))

        prefix = os.path.join(work, "prefix")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True, capture_output=True)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"), QT_QPA_PLATFORM="xcb")
        copy_env = dict(env, LD_LIBRARY_PATH="")
        cache = os.path.join(work, "cache")
        single_env = dict(copy_env, XDG_CACHE_HOME=cache)
        installed, copy, first, later = [], [], [], []
        for _ in range(RUNS):
            installed.append(start_up([os.path.join(prefix, "bin", "quadrifoglio")], env))
            copy.append(start_up([os.path.join(work, "gift0", "quadrifoglio")], copy_env))
            subprocess.run(["rm", "-rf", cache], check=True)
            first.append(start_up(["sh", single], single_env))
            later.append(start_up(["sh", single], single_env))
        a, b = statistics.median(installed), statistics.median(copy)
        c, d = statistics.median(first), statistics.median(later)
        print("start-up to the window, median of %d: installed game %.0f ms, copy %.0f ms (%.2fx; goal 1.2x)"
              % (RUNS, a, b, b / a))
        print("single file: first start %.0f ms (goal 400 ms), later starts %.0f ms (%.2fx the folder copy; goal 1.2x)"
              % (c, d, d / b))


if __name__ == "__main__":
    main()
