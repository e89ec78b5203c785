#!/usr/bin/env python3
"""Wake-ups of the idle game: how often its threads wake up once a cue has
died away (between cues, or while the game is paused).

The game runs in its own Xvfb with a private PulseAudio null sink. On the
start screen its timer switch is pressed with Alt+T (a click cue); in the
second scene a game is started (Alt+E, Alt+P: a cue) and paused (P). From two
seconds later the voluntary context switches of all its threads are counted
over a few seconds (each is a thread going back to sleep after it was woken). Run:

    python3 bench/run_idle.py build [--game NAME=PATH/quadrifoglio ...]

Needs xvfb-run, xdotool and pulseaudio.
"""
import argparse
import glob
import os
import subprocess
import sys
import tempfile
import time

from run_startup import start_sound_server

SECONDS = 5


def switches(pid):
    counts = {}
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(status) as f:
                text = f.read()
        except OSError:
            continue
        name = text.split("\n", 1)[0].split(":", 1)[1].strip()
        for line in text.splitlines():
            if line.startswith("voluntary_ctxt_switches:"):
                counts[(status.split("/")[4], name)] = int(line.split()[1])
    return counts


# What the player does before the count: keys, each with the seconds after it.
SCENES = {
    "start screen, after a click cue": [("alt+t", 2)],
    "a game paused": [("alt+e", 0.5), ("alt+p", 1.5), ("p", 2)],
}


def measure(game, env, keys):
    process = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                 str(process.pid), "--name", "."], env=env, check=True,
                                capture_output=True, text=True, timeout=30).stdout.split()[0]
        time.sleep(1.5)  # the picture, and the sound module loaded after it
        for key, pause in keys:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)
            subprocess.run(["xdotool", "key", key], env=env, check=True)
            time.sleep(pause)
        before = switches(process.pid)
        time.sleep(SECONDS)
        after = switches(process.pid)
    finally:
        process.kill()
        process.wait()
    per_thread = {key: (after[key] - before.get(key, 0)) / SECONDS for key in after}
    return sum(per_thread.values()), per_thread


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--game", action="append", default=[], metavar="NAME=PATH")
    args = parser.parse_args()
    if os.environ.get("DISPLAY") is None:
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24 -noreset",
                               sys.executable] + sys.argv)
    games = [("game", os.path.join(os.path.abspath(args.build), "src", "quadrifoglio"))]
    for extra in args.game:
        name, path = extra.split("=", 1)
        games.append((f"game, {name}", os.path.abspath(path)))
    with tempfile.TemporaryDirectory() as tmp:
        sound = os.path.join(tmp, "sound")
        os.mkdir(sound, 0o700)
        server, address = start_sound_server(sound)
        if not server:
            sys.exit("pulseaudio is needed: the wake-ups come from the sound output")
        try:
            runtime = os.path.join(tmp, "runtime")
            os.mkdir(runtime, 0o700)
            env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(tmp, "config"),
                       XDG_RUNTIME_DIR=runtime, PULSE_SERVER=address)
            print(f"wake-ups per second of the idle game, over {SECONDS} s from 2 s after a cue")
            for scene, keys in SCENES.items():
                for name, game in games:
                    total, per_thread = measure(game, env, keys)
                    busy = ", ".join(f"{thread} {rate:.1f}" for (_, thread), rate in
                                     sorted(per_thread.items(), key=lambda item: -item[1]) if rate > 0)
                    print(f"{scene + ', ' + name:48} {total:6.1f}   ({busy or 'no thread woke'})")
        finally:
            server.terminate()
            server.wait()


if __name__ == "__main__":
    main()
