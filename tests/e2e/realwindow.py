#!/usr/bin/env python3
"""The game in a real X window for playthrough.py: a private Xvfb and copy of
the program, screenshots (ImageMagick) read back pixel by pixel, xdotool input."""

import glob
import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time

# The scene's scale on the screen a scenario runs on (device pixels per
# design pixel), given by the test; the grid picture is made at the board's
# size in device pixels, so that a sharp board shows each cell exactly.
SCALE = float(os.environ.get("QUADRIFOGLIO_E2E_SCALE", "1"))
GRID, PIECES = 6, 36
CELL = round(60 * SCALE)
BOARD = GRID * CELL


def scaled(design):
    """Design pixels on this screen."""
    return round(design * SCALE)


class Failure(Exception):
    """A check of a scenario did not hold."""


def cell_colour(n):
    """Cell n's own flat colour (4 reds x 3 greens x 3 blues): pieces are found by exact colour
    in blobs the size of a body, so the specks of the window's texture never pass for one."""
    i = n - 1
    return (30 + 70 * (i % 4), 40 + 100 * ((i // 4) % 3), 50 + 100 * (i // 12))


def write_grid_bitmap(path):
    """A 24-bit BMP of the 6 x 6 flat-coloured cells, BOARD pixels a side."""
    padding = b"\0" * (-3 * BOARD % 4)  # each row fills whole 4-byte words
    data = b"".join(b"".join(bytes(cell_colour(y // CELL * GRID + x // CELL + 1)[::-1]) for x in range(BOARD))
                    + padding for y in range(BOARD - 1, -1, -1))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, BOARD, BOARD, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def home_body(board, n):
    """Screen position (left, top) of piece n's body when it lies home."""
    return board[0] + CELL * ((n - 1) % GRID), board[1] + CELL * ((n - 1) // GRID)


class Shot:
    """One screenshot, one integer per pixel: its R, G, B, A bytes in machine order."""

    def __init__(self, width, height, pixels, origin=(0, 0)):
        self.width, self.height, self.pixels = width, height, pixels
        self.origin = origin  # where a shot of a part of the screen lies on it

    @staticmethod
    def key(rgb):
        return int.from_bytes(bytes((*rgb, 0xFF)), sys.byteorder)

    def rows(self, rect):  # the pixels of rect (left, top, width, height) on screen, row by row
        left, top, w, h = rect
        left, top = left - self.origin[0], top - self.origin[1]
        return [self.pixels[y * self.width + max(left, 0):y * self.width + min(left + w, self.width)]
                for y in range(max(top, 0), min(top + h, self.height))]

    def count(self, rgb, rect):
        want = Shot.key(rgb)
        return sum(row.count(want) for row in self.rows(rect))

    def blobs(self, colours, outside=(0, 0, 0, 0)):
        """Colour index -> its largest 4-connected blob outside the rectangle
        `outside` (None when the colour is not seen)."""
        get = {Shot.key(rgb): i for i, rgb in colours.items()}.get
        found = {i: set() for i in colours}
        W, (ox, oy, ow, oh) = self.width, outside
        for y in range(self.height):
            spans = [(0, max(ox, 0)), (min(ox + ow, W), W)] if oy <= y < oy + oh else [(0, W)]
            for x0, x1 in spans:
                for p, v in enumerate(self.pixels[y * W + x0:y * W + x1], y * W + x0):
                    i = get(v)
                    if i is not None:
                        found[i].add(p)
        return {i: largest_blob(points, W) for i, points in found.items()}


class Blob:
    def __init__(self, points, width):
        xs, ys = [p % width for p in points], [p // width for p in points]
        self.size = len(points)
        self.left, self.right, self.top, self.bottom = min(xs), max(xs), min(ys), max(ys)
        self.centre = cx, cy = (self.left + self.right) / 2, (self.top + self.bottom) / 2
        # Grabbed at its point nearest the middle: the middle itself may be a hole.
        best = min(points, key=lambda p: (p % width - cx) ** 2 + (p // width - cy) ** 2)
        self.grab = (best % width, best // width)


def largest_blob(points, width):
    best, unseen = [], set(points)
    while unseen:
        component, stack = [], [unseen.pop()]
        while stack:
            p = stack.pop()
            component.append(p)
            x = p % width
            for q in (p - width, p + width, p - 1 if x else -1, p + 1 if x < width - 1 else -1):
                if q in unseen:
                    unseen.remove(q)
                    stack.append(q)
        if len(component) > len(best):
            best = component
    return Blob(best, width) if best else None


class Session:
    """A private folder with a copy of the game, a private X server and the game started in it;
    on leaving, all that is stopped and a failing run's screenshots and logs kept in `artifacts`."""

    def __init__(self, game_dir, artifacts, screen, picture=True, window_manager=False, game_env=None):
        self.game_dir, self.artifacts, self.screen = game_dir, artifacts, screen
        self.picture, self.labels, self.xvfb, self.game = picture, {}, None, None
        self.window_manager, self.wm, self.game_env = window_manager, None, game_env or {}
        # What is left from an earlier failure would pass for this run's.
        shutil.rmtree(artifacts, ignore_errors=True)
        self.work = tempfile.mkdtemp(prefix="quadrifoglio-e2e-")
        self.folder, self.config = os.path.join(self.work, "game"), os.path.join(self.work, "config")
        self.score_file = os.path.join(self.config, "Quadrifoglio.sco")

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def start(self):
        for folder in (self.folder, self.config, os.path.join(self.work, "runtime")):
            os.makedirs(folder, mode=0o700)
        shutil.copy2(os.path.join(self.game_dir, "quadrifoglio"), self.folder)
        # The sound module lies beside the game in a build.
        sound = os.path.join(self.game_dir, "quadrifoglio-sound.so")
        if os.path.exists(sound):
            shutil.copy2(sound, self.folder)
        if self.picture:
            write_grid_bitmap(os.path.join(self.folder, "Matrix.bmp"))
        with open(os.path.join(self.folder, "Matrix.dat"), "w", newline="") as f:
            f.write("1Test greeting\r\n")  # English, with a greeting
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % self.screen, "-nolisten", "tcp"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=open(self.path("xvfb.log"), "w"))
        os.close(w)
        with os.fdopen(r) as pipe:
            if not select.select([pipe], [], [], 15)[0] or not (display := pipe.readline().strip()):
                raise Failure("Xvfb did not start")
        # No sound server: the cues stay silent wherever the test runs.
        self.env = dict(os.environ, DISPLAY=":" + display, XDG_CONFIG_HOME=self.config,
                        XDG_RUNTIME_DIR=self.path("runtime"), PULSE_SERVER="unix:" + self.path("none"))
        self.env["QT_QPA_PLATFORM"] = "xcb"  # a real X window, whatever the caller runs Qt on
        if self.window_manager:
            # icewm with its taskbar at the bottom: the game's window is smaller
            # than the screen, as on a desktop.
            self.wm = subprocess.Popen(["icewm"], env=self.env, stdout=subprocess.DEVNULL,
                                       stderr=open(self.path("icewm.log"), "w"))
            deadline = time.monotonic() + 15
            while "window id" not in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                              check=False).stdout:
                if time.monotonic() > deadline:
                    raise Failure("icewm did not start")
                time.sleep(0.1)
        self.game = subprocess.Popen([os.path.join(self.folder, "quadrifoglio")], cwd=self.folder,
                                     env=dict(self.env, **self.game_env), stdout=open(self.path("game.log"), "w"),
                                     stderr=subprocess.STDOUT)

    def __exit__(self, kind, value, tb):
        try:
            # QUADRIFOGLIO_E2E_KEEP=1 keeps the screenshots of a run that passed too.
            if kind is not None or os.environ.get("QUADRIFOGLIO_E2E_KEEP") == "1":
                self.keep_artifacts()
        finally:
            for proc in (self.game, self.wm, self.xvfb):
                if proc and proc.poll() is None:
                    proc.terminate()
                    try:
                        proc.wait(5)
                    except subprocess.TimeoutExpired:
                        proc.kill()
            shutil.rmtree(self.work, ignore_errors=True)

    def keep_artifacts(self):
        try:
            self.screenshot("at-end")
        except Exception:  # the X server may be gone by now
            pass
        os.makedirs(self.artifacts, exist_ok=True)
        for path in glob.glob(self.path("*.png")) + glob.glob(self.path("*.log")) + [self.score_file]:
            if os.path.exists(path):
                shutil.copy2(path, self.artifacts)
        print("screenshots and logs kept in", self.artifacts, flush=True)

    def path(self, name):
        return os.path.join(self.work, name)

    def run(self, *args, timeout=10, check=True):
        return subprocess.run(args, env=self.env, timeout=timeout, check=check,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)

    def wait_window(self, name, timeout=60):
        """The X ids of the visible windows with exactly this name, once there is one."""
        try:
            return [int(w) for w in self.run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                                             "^%s$" % name, timeout=timeout).stdout.split()]
        except subprocess.TimeoutExpired:
            raise Failure("no window named %r within %d s" % (name, timeout))

    def program_windows(self):  # the game's visible windows, by the process id they carry
        return [int(w) for w in self.run("xdotool", "search", "--onlyvisible", "--pid",
                                         str(self.game.pid), check=False).stdout.split()]

    def window_position(self, wid):
        values = dict(v.split("=", 1) for v in self.run("xdotool", "getwindowgeometry", "--shell",
                                                        str(wid)).stdout.split())
        return int(values["X"]), int(values["Y"])

    def screenshot(self, label, area=None):
        """The screen now, or only the part `area` (left, top, width, height) of it, which is
        quicker on a large screen; a label used again overwrites its file, so a poll keeps its
        last try."""
        path = self.path("%02d-%s.png" % (self.labels.setdefault(label, len(self.labels) + 1), label))
        crop, origin, size = [], (0, 0), self.screen
        if area:
            left, top = max(area[0], 0), max(area[1], 0)
            right, bottom = min(area[0] + area[2], self.screen[0]), min(area[1] + area[3], self.screen[1])
            origin, size = (left, top), (right - left, bottom - top)
            crop = ["-crop", "%dx%d+%d+%d" % (*size, *origin), "+repage"]
        self.run("import", "-window", "root", *crop, path)
        raw = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], check=True,
                             stdout=subprocess.PIPE, timeout=10).stdout
        if len(raw) != size[0] * size[1] * 4:
            raise Failure("screenshot %s has %d bytes" % (path, len(raw)))
        return Shot(*size, memoryview(raw).cast("I").tolist(), origin)

    def until(self, test, timeout, what):
        """Tries test() every 0.1 s, while the game runs, until it gives something true; returns that."""
        deadline = time.monotonic() + timeout
        while True:
            if self.game.poll() is not None:
                raise Failure("the game ended with status %d (see game.log)" % self.game.returncode)
            result = test()
            if result:
                return result
            if time.monotonic() > deadline:
                raise Failure("%s (waited %.0f s)" % (what, timeout))
            time.sleep(0.1)

    def poll(self, label, test, timeout, what):
        """Screenshots until test(shot) gives something true; returns that."""
        return self.until(lambda: test(self.screenshot(label)), timeout, what)

    def drag(self, start, end, steps=4):
        """Press on start, move to end in a few steps, let go there. Each move waits until the
        pointer is there (--sync); nothing waits a fixed time."""
        args = ["xdotool", "mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1"]
        for k in range(1, steps + 1):
            args += ["mousemove", "--sync", *(str(round(a + (b - a) * k / steps)) for a, b in zip(start, end))]
        self.run(*args, "mouseup", "1")

    def drag_until(self, start, end, landed, area, what, timeout=30):
        """Drags from start to end, then screenshots `area` until landed(shot) holds, so that each
        drop is confirmed before the next begins. A loaded machine may take long to answer; a drag
        it lost altogether (the piece never left) is made once more."""
        check = lambda: landed(self.screenshot("drop", area))
        self.drag(start, end)
        try:
            return self.until(check, timeout / 2, what)
        except Failure:
            self.drag(start, end)
            return self.until(check, timeout / 2, what)

    def game_ended(self, timeout):  # its exit status, or None if it still runs
        try:
            return self.game.wait(timeout)
        except subprocess.TimeoutExpired:
            return None


def main(scenarios):
    if len(sys.argv) != 4 or sys.argv[1] not in scenarios:
        sys.exit("usage: %s {%s} <game folder> <artifact folder>" % (sys.argv[0], "|".join(scenarios)))
    try:
        scenarios[sys.argv[1]](*sys.argv[2:])
    except Failure as failure:
        sys.exit("FAILED: %s" % failure)
