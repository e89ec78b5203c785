#!/usr/bin/env python3
"""The game in a real X window: a private Xvfb, a private copy of the program,
screenshots read back pixel by pixel, mouse and keyboard through xdotool.

Only the standard library; ImageMagick (import, convert), xdotool and Xvfb are
called as programs. The scenarios live in playthrough.py.
"""

import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time
from collections import deque

BOARD = 360
CELL = 60
GRID = 6
PIECES = 36


class Failure(Exception):
    """A check of a scenario did not hold."""


def log(*parts):
    print(*parts, flush=True)


# ---------------------------------------------------------------- the puzzle

def cell_colour(n):
    """The flat colour of cell n (1-36): 4 reds x 3 greens x 3 blues, all
    different. Pieces are found by their exact colour, in blobs the size of a
    body, so the specks of the window's texture never pass for one."""
    i = n - 1
    return (30 + 70 * (i % 4), 40 + 100 * ((i // 4) % 3), 50 + 100 * (i // 12))


def write_grid_bitmap(path, size=BOARD):
    """A 24-bit BMP, size x size, whose 6 x 6 grid of cells are flat colours."""
    pitch = (size * 3 + 3) & ~3
    step = size / GRID
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = bytearray()
        r = int(y // step)
        for x in range(size):
            red, green, blue = cell_colour(r * GRID + int(x // step) + 1)
            row += bytes((blue, green, red))
        row += b"\0" * (pitch - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def home_body(board, n):
    """Screen rectangle (left, top) of piece n's body when it lies home."""
    r, c = (n - 1) // GRID, (n - 1) % GRID
    return board[0] + CELL * c, board[1] + CELL * r


# ------------------------------------------------------------- screenshots

class Shot:
    """One screenshot as one integer per pixel: its R, G, B, A bytes read in
    the machine's byte order."""

    def __init__(self, path, width, height, pixels):
        self.path = path
        self.width = width
        self.height = height
        self.pixels = pixels

    @staticmethod
    def key(rgb):
        return int.from_bytes(bytes((*rgb, 0xFF)), sys.byteorder)

    def rgb(self, x, y):
        return tuple(self.pixels[y * self.width + x].to_bytes(4, sys.byteorder)[:3])

    def count(self, rgb, rect):
        """Pixels of exactly this colour inside rect (left, top, width, height)."""
        want = Shot.key(rgb)
        left, top, w, h = rect
        n = 0
        for y in range(max(top, 0), min(top + h, self.height)):
            start = y * self.width
            row = self.pixels[start + max(left, 0):start + min(left + w, self.width)]
            n += row.count(want)
        return n

    def region(self, rect):
        """The pixels of rect (left, top, width, height), row by row."""
        left, top, w, h = rect
        return [self.pixels[y * self.width + left:y * self.width + left + w]
                for y in range(top, top + h)]

    def blobs(self, colours, outside=None):
        """For each colour index, its largest 4-connected blob outside the
        rectangle `outside`: dict index -> Blob."""
        lut = {Shot.key(rgb): i for i, rgb in colours.items()}
        found = {i: set() for i in colours}
        W = self.width
        ox0 = oy0 = ox1 = oy1 = -1
        if outside:
            ox0, oy0 = outside[0], outside[1]
            ox1, oy1 = ox0 + outside[2], oy0 + outside[3]
        get = lut.get
        px = self.pixels
        for y in range(self.height):
            start = y * W
            spans = [(0, W)]
            if oy0 <= y < oy1:
                spans = [(0, max(ox0, 0)), (min(ox1, W), W)]
            for x0, x1 in spans:
                for x, v in enumerate(px[start + x0:start + x1], x0):
                    i = get(v)
                    if i is not None:
                        found[i].add(start + x)
        return {i: largest_blob(points, W) for i, points in found.items()}


class Blob:
    def __init__(self, points, width):
        xs = [p % width for p in points]
        ys = [p // width for p in points]
        self.size = len(points)
        self.left, self.right = min(xs), max(xs)
        self.top, self.bottom = min(ys), max(ys)
        cx, cy = self.centre
        # A grab point inside the blob, as near its middle as it gets.
        best = min(points, key=lambda p: (p % width - cx) ** 2 + (p // width - cy) ** 2)
        self.grab = (best % width, best // width)

    @property
    def centre(self):
        return (self.left + self.right) / 2, (self.top + self.bottom) / 2

    def __repr__(self):
        return "Blob(%d px, x %d-%d, y %d-%d)" % (self.size, self.left, self.right,
                                                  self.top, self.bottom)


def largest_blob(points, width):
    best = None
    unseen = set(points)
    while unseen:
        seed = unseen.pop()
        component = [seed]
        queue = deque([seed])
        while queue:
            p = queue.popleft()
            x = p % width
            for q in (p - width, p + width, p - 1 if x > 0 else -1, p + 1 if x < width - 1 else -1):
                if q in unseen:
                    unseen.remove(q)
                    component.append(q)
                    queue.append(q)
        if best is None or len(component) > len(best):
            best = component
    return Blob(best, width) if best else None


# -------------------------------------------------------------- the session

class Session:
    """A private folder with a copy of the game, a private X server and the
    game started in it; everything it starts it also stops."""

    def __init__(self, name, game_dir, artifacts, screen):
        self.name = name
        self.game_dir = game_dir
        self.artifacts = artifacts
        self.width, self.height = screen
        # What is left from an earlier failure would pass for this run's.
        shutil.rmtree(artifacts, ignore_errors=True)
        self.work = tempfile.mkdtemp(prefix="quadrifoglio-e2e-")
        self.folder = os.path.join(self.work, "game")
        self.config = os.path.join(self.work, "config")
        os.makedirs(self.folder)
        os.makedirs(self.config)
        os.makedirs(os.path.join(self.work, "runtime"), mode=0o700)
        self.xvfb = None
        self.game = None
        self.env = None
        self.shots = 0
        self.started = time.monotonic()

    # -- setting up

    def install_program(self):
        shutil.copy2(os.path.join(self.game_dir, "quadrifoglio"), self.folder)

    def write(self, name, text):
        with open(os.path.join(self.folder, name), "w", newline="") as f:
            f.write(text)

    @property
    def score_file(self):
        return os.path.join(self.config, "Quadrifoglio.sco")

    def start_x(self):
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % (self.width, self.height),
             "-nolisten", "tcp"],
            pass_fds=(w,), stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.work, "xvfb.log"), "w"))
        os.close(w)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            if not select.select([r], [], [], max(deadline - time.monotonic(), 0))[0]:
                raise Failure("Xvfb did not start")
            chunk = os.read(r, 16)
            if not chunk:
                raise Failure("Xvfb ended at start-up")
            number += chunk
        os.close(r)
        display = ":" + number.decode().strip()
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": display,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": os.path.join(self.work, "runtime"),
            # No sound server: the cues stay silent wherever the test runs.
            "PULSE_SERVER": "unix:" + os.path.join(self.work, "no-sound-server"),
        })
        self.env.pop("QT_QPA_PLATFORM", None)
        log("%s: X server %s at %dx%d" % (self.name, display, self.width, self.height))

    def start_game(self):
        self.game_log = open(os.path.join(self.work, "game.log"), "w")
        self.game = subprocess.Popen([os.path.join(self.folder, "quadrifoglio")], cwd=self.folder,
                                     env=self.env, stdout=self.game_log, stderr=subprocess.STDOUT)

    def __enter__(self):
        return self

    def __exit__(self, kind, value, tb):
        try:
            # QUADRIFOGLIO_E2E_KEEP=1 keeps the screenshots of a run that passed too.
            if kind is not None or os.environ.get("QUADRIFOGLIO_E2E_KEEP") == "1":
                self.keep_artifacts()
        finally:
            self.stop()
        return False

    def stop(self):
        for proc in (self.game, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def keep_artifacts(self):
        try:
            self.screenshot("at-end")
            tree = self.run("xwininfo", "-root", "-tree", check=False).stdout
            with open(os.path.join(self.work, "windows.log"), "w") as f:
                f.write(tree)
        except Exception:  # the X server may be gone by now
            pass
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts, exist_ok=True)
        for name in sorted(os.listdir(self.work)):
            path = os.path.join(self.work, name)
            if name.endswith((".png", ".log")):
                shutil.copy2(path, self.artifacts)
        if os.path.exists(self.score_file):
            shutil.copy2(self.score_file, self.artifacts)
        log("screenshots and logs kept in %s" % self.artifacts)

    # -- the X side

    def run(self, *args, timeout=10, check=True):
        return subprocess.run(args, env=self.env, timeout=timeout, check=check,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)

    def wait_window(self, name, timeout=20):
        """The X id of the visible window with exactly this name, once it is there."""
        try:
            out = self.run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                           "^%s$" % name, timeout=timeout).stdout
        except subprocess.TimeoutExpired:
            raise Failure("no window named %r within %d s" % (name, timeout))
        return [int(w) for w in out.split()]

    def program_windows(self):
        """The game's visible windows, by the process id they carry."""
        out = self.run("xdotool", "search", "--onlyvisible", "--pid", str(self.game.pid),
                       check=False).stdout
        return [int(w) for w in out.split()]

    def window_geometry(self, wid):
        out = self.run("xdotool", "getwindowgeometry", "--shell", str(wid)).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def screenshot(self, label):
        self.shots += 1
        path = os.path.join(self.work, "%02d-%s.png" % (self.shots, label))
        self.run("import", "-window", "root", path)
        raw = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], check=True,
                             stdout=subprocess.PIPE, timeout=10).stdout
        if len(raw) != self.width * self.height * 4:
            raise Failure("screenshot %s has %d bytes" % (path, len(raw)))
        return Shot(path, self.width, self.height, memoryview(raw).cast("I").tolist())

    def poll(self, label, test, timeout, what):
        """Screenshots until test(shot) gives something true; returns it."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.screenshot(label)
            result = test(shot)
            if result:
                return result
            if time.monotonic() > deadline:
                raise Failure("%s (waited %.0f s, last screenshot %s)"
                              % (what, timeout, os.path.basename(shot.path)))
            os.remove(shot.path)
            self.shots -= 1
            time.sleep(0.1)

    def click(self, x, y):
        self.run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def drag(self, start, end, steps=4):
        """Press on start, move to end in a few steps, let go there."""
        args = ["xdotool", "mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1"]
        for k in range(1, steps + 1):
            x = round(start[0] + (end[0] - start[0]) * k / steps)
            y = round(start[1] + (end[1] - start[1]) * k / steps)
            args += ["sleep", "0.02", "mousemove", "--sync", str(x), str(y)]
        args += ["sleep", "0.02", "mouseup", "1"]
        self.run(*args)

    def game_ended(self, timeout):
        try:
            return self.game.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def elapsed(self):
        return time.monotonic() - self.started


def main(scenarios):
    """playthrough.py <scenario> <folder of the built game> <artifact folder>"""
    if len(sys.argv) != 4 or sys.argv[1] not in scenarios:
        sys.exit("usage: %s {%s} <game folder> <artifact folder>"
                 % (sys.argv[0], "|".join(scenarios)))
    name, game_dir, artifacts = sys.argv[1:]
    try:
        scenarios[name](game_dir, artifacts)
    except Failure as failure:
        log("FAILED: %s" % failure)
        sys.exit(1)
