#!/usr/bin/env python3
"""Real-window scenarios of the game under Xvfb (no window manager: the main
window fills the screen at 0,0):

  playthrough.py {solve-1024x768|solve-800x600-keys|small-screen|missing-picture}
                 <game folder> <artifact folder>

The two solve runs play a whole game on a picture whose 36 cells are flat
colours: every piece is found on a screenshot by its colour and dragged home
with the mouse, a few after a wrong drop first; the finished picture, the
end-of-game window, the record in the score file and Exit are checked. The
first run works the controls with the mouse, the second with their keyboard
accelerators.
"""

import os
import random
import re
import time
from itertools import groupby

from realwindow import BOARD, CELL, PIECES, SCALE, Failure, Session, cell_colour, home_body, main, scaled

MAIN_TITLE, BOX_TITLE = "Quadrifoglio 3D", "Quadrifoglio"
COLOURS = {n: cell_colour(n) for n in range(1, PIECES + 1)}
PANEL_GREY = (192, 192, 192)
# A piece's body, 60 x 60 less the holes its neighbours' tabs cut into it and
# the 2-pixel raised edge, is never smaller than this; a neighbour's tab that
# carries the same colour is far smaller.
MIN_BODY = round(1500 * SCALE * SCALE)


def board_on(shot):
    """The board's top-left corner if the screen shows the whole picture on
    it, cell by cell exactly, else None."""
    first = shot.blobs({1: COLOURS[1]})[1]
    if first and first.size == CELL * CELL:
        board = first.left, first.top
        if all(shot.count(COLOURS[n], (*home_body(board, n), CELL, CELL)) == CELL * CELL for n in COLOURS):
            return board
    return None


def loose_pieces(shot, board, numbers=COLOURS):
    """Piece number -> blob of its body, for the pieces seen outside the board
    and its 9-pixel bevel."""
    outside = (board[0] - scaled(10), board[1] - scaled(10), BOARD + scaled(20), BOARD + scaled(20))
    blobs = shot.blobs({n: COLOURS[n] for n in numbers}, outside)
    return {n: b for n, b in blobs.items() if b and b.size >= MIN_BODY}


def start_panel(shot, board):
    """The start panel's rectangle under the board, or None when it is not
    shown: found by the long runs of its flat grey (the window's texture has
    that grey too, but only in specks)."""
    want, top, x0 = shot.key(PANEL_GREY), board[1] + BOARD + scaled(9), max(board[0] - scaled(40), 0)
    runs = []  # (y, left, right)
    for y, row in enumerate(shot.rows((x0, top, BOARD + scaled(80), scaled(90))), top):
        x = x0
        for v, same in groupby(row):
            n = len(list(same))
            if v == want and n >= scaled(300):
                runs.append((y, x, x + n - 1))
            x += n
    if not runs:
        return None
    ys, lefts, rights = zip(*runs)
    # Its frame is 4 design pixels of other greys around the panel colour.
    f = scaled(4)
    return min(lefts) - f, min(ys) - f, max(rights) - min(lefts) + 2 * f + 1, max(ys) - min(ys) + 2 * f + 1


def drop_point(blob, board, cell):
    """Where to let go of the piece grabbed at blob.grab so that its body
    lands on `cell` (a piece number) of the board."""
    x, y = home_body(board, cell)
    return tuple(round(g + h + (CELL - 1) / 2 - c) for g, h, c in zip(blob.grab, (x, y), blob.centre))


def wait_start_screen(s, label):
    """(board, start panel, screenshot) once the whole picture and the panel show, and no piece."""
    def ready(shot):
        board = board_on(shot)
        return board and not loose_pieces(shot, board) and (panel := start_panel(shot, board)) \
            and (board, panel, shot)
    return s.poll(label, ready, 15, "the window does not show the start screen")


def read_score_file(s):
    """Section -> {key: value} of the score file, names in lower case."""
    sections, current = {}, {}
    with open(s.score_file, encoding="latin-1") as f:
        for line in f.read().splitlines():
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].lower(), {})
            elif "=" in line:
                key, value = line.split("=", 1)
                current[key.strip().lower()] = value
    return sections


def play_through(game_dir, artifacts, screen, keys, name, stored_name, window_manager=False, game_env=None,
                 help_at_end=False):
    with Session(game_dir, artifacts, screen, window_manager=window_manager, game_env=game_env) as s:
        main_window = s.wait_window(MAIN_TITLE)[0]

        def press(accelerator, point, window=main_window):
            if keys:
                # No window manager here to give the window the keyboard: do
                # what one does when the window is clicked on.
                s.run("xdotool", "windowfocus", "--sync", str(window))
                s.run("xdotool", "key", accelerator)
            else:
                s.run("xdotool", "mousemove", "--sync", *map(str, point), "click", "1")

        board, panel, shot = wait_start_screen(s, "start-screen")
        middle = ((screen[0] - BOARD) / 2, (screen[1] - BOARD) / 2)
        # Centred to the design pixel: within one of them at any scale.
        if not window_manager and any(abs(b - m) > max(1, SCALE) for b, m in zip(board, middle)):
            raise Failure("the board lies at %s, not in the middle of the screen" % (board,))

        # Easy, then Play once it is enabled (choosing a level plays a cue
        # first, and a press that arrives meanwhile finds Play disabled).
        play = (panel[0] + scaled(276), panel[1] + scaled(12), scaled(74), scaled(36))
        disabled = shot.rows(play)
        press("alt+e", (panel[0] + scaled(34), panel[1] + scaled(30)))
        s.poll("level-chosen", lambda shot: shot.rows(play) != disabled, 10,
               "Play is not enabled once a level is chosen")
        press("alt+p", (play[0] + play[2] // 2, play[1] + play[3] // 2))
        played = time.monotonic()

        def all_loose(shot):
            pieces = loose_pieces(shot, board)
            return len(pieces) == PIECES and not start_panel(shot, board) and pieces
        pieces = s.poll("pieces", all_loose, 10, "the 36 pieces do not lie around the board, the panel gone")

        # A few pieces dropped on another cell go back to their slot.
        wrong = {8: 22, 15: 1, 29: 36, 36: 7}
        where = lambda b: b and (b.left, b.top, b.size)

        def back(shot):
            seen = loose_pieces(shot, board, wrong)
            return all(where(seen.get(n)) == where(pieces[n])
                       and not shot.count(COLOURS[n], (*home_body(board, cell), CELL, CELL))
                       for n, cell in wrong.items())
        for n, cell in wrong.items():
            p, target = pieces[n], (*home_body(board, cell), CELL, CELL)
            slot = (p.left, p.top, p.right - p.left + 1, p.bottom - p.top + 1)
            both = (min(slot[0], target[0]), min(slot[1], target[1]),
                    max(slot[0] + slot[2], target[0] + CELL) - min(slot[0], target[0]),
                    max(slot[1] + slot[3], target[1] + CELL) - min(slot[1], target[1]))
            s.drag_until(p.grab, drop_point(p, board, cell),
                         lambda shot: shot.count(COLOURS[n], slot) >= p.size and not shot.count(COLOURS[n], target),
                         both, "piece %d dropped on cell %d does not go back to its slot" % (n, cell))
        s.poll("wrong-drops", back, 5, "a piece dropped on another cell does not go back to its slot")

        # Every piece home, in a player's order: the finished picture shows,
        # without the pieces' edges, for a few seconds.
        order = list(range(1, PIECES + 1))
        random.Random(3).shuffle(order)
        for placed, n in enumerate(order):
            last_drop = time.monotonic()
            home = (*home_body(board, n), CELL, CELL)
            s.drag_until(pieces[n].grab, drop_point(pieces[n], board, n),
                         lambda shot: shot.count(COLOURS[n], home) >= MIN_BODY,
                         home, "piece %d is not home (%d of %d placed)" % (n, placed, PIECES))
        finished = time.monotonic()
        s.poll("finished", lambda shot: board_on(shot) == board and not loose_pieces(shot, board), 8,
               "the finished picture is not shown")
        others = []
        if help_at_end:
            # How to play opened while the finished picture shows: the
            # end-of-game window must still take the keyboard from it.
            s.run("xdotool", "windowactivate" if window_manager else "windowfocus", "--sync", str(main_window),
                  "key", "F1")
            others = s.until(lambda: [w for w in s.program_windows() if w != main_window], 5,
                             "F1 does not open How to play")

        # The end-of-game window sets no title of its own, so it is found as
        # the program's second window; its name box has the keyboard.
        dialog = s.until(lambda: [w for w in s.program_windows() if w != main_window and w not in others], 10,
                         "no end-of-game window")[0]
        # Counted from the last drag, before its drop was confirmed.
        pause = time.monotonic() - last_drop
        if pause < 3.5:
            raise Failure("the finished picture was on show for only %.1f s" % pause)
        dx, dy = s.window_position(dialog)
        # Whole on the screen, whatever the desktop's scaling.
        size = dict(v.split("=", 1) for v in s.run("xdotool", "getwindowgeometry", "--shell",
                                                   str(dialog)).stdout.split())
        dw, dh = int(size["WIDTH"]), int(size["HEIGHT"])
        if dx < 0 or dy < 0 or dx + dw > screen[0] or dy + dh > screen[1]:
            raise Failure("the end-of-game window lies at %d,%d, %d x %d: off the screen" % (dx, dy, dw, dh))
        s.run("xdotool", "type", "--delay", "30", name)
        s.screenshot("name-typed")
        # The window is not part of the scene: only the desktop's own scaling grows it.
        if (game_env or {}).get("QT_SCALE_FACTOR"):
            # Return presses Close: the window is the desktop's size, not the scene's.
            s.run("xdotool", "windowfocus", "--sync", str(dialog))
            s.run("xdotool", "key", "Return")
        else:
            # The window grows with the scene: Close is where the scale puts it.
            press("alt+c", (dx + scaled(190), dy + scaled(196)), dialog)
        s.until(lambda: dialog not in s.program_windows(), 5, "the end-of-game window does not close")

        # The record: the name padded to 10 characters, then the seconds. It
        # is written as the window closes: the window may go a moment before.
        s.until(lambda: os.path.exists(s.score_file), 5, "no score file after the record")
        record = read_score_file(s).get("immagine", {}).get("0", "")
        match = re.fullmatch(re.escape(stored_name.ljust(10)) + r"(\d+)", record)
        if not match or int(match[1]) > finished - played + 1:
            raise Failure("the Easy record reads %r, expected %r and at most %.0f s"
                          % (record, stored_name.ljust(10), finished - played + 1))

        if others and others[0] in s.program_windows():
            raise Failure("How to play is still open after the end of the game")

        # Back to the start screen; Exit (the last of the five buttons right
        # of the board) saves the colour and ends the program.
        board = wait_start_screen(s, "start-again")[0]
        press("alt+x", (board[0] + BOARD + scaled(33), board[1] + (BOARD - scaled(248)) // 2 + scaled(228)))
        rc = s.game_ended(10)
        if rc != 0:
            raise Failure("after Exit the program %s" % ("runs on" if rc is None else "ended with %d" % rc))
        saved = read_score_file(s)
        if (saved.get("backcolor", {}).get("color"), saved.get("immagine", {}).get("0")) != ("0", record):
            raise Failure("after Exit the score file reads %r" % saved)


def message_box_ends_game(s, label):
    """Waits for the message box titled "Quadrifoglio", dismisses it with
    Return and checks the program then ends without a score file. Returns the
    program's visible windows while the box was up."""
    box = s.wait_window(BOX_TITLE)[0]
    shown = s.program_windows()
    s.screenshot(label)
    s.run("xdotool", "key", "Return")
    if s.game_ended(10) is None:
        raise Failure("the program does not end once the message is dismissed")
    if box not in shown:
        raise Failure("the message box is not the program's own window")
    if os.path.exists(s.score_file):
        raise Failure("a score file was written")
    return shown


def small_screen(game_dir, artifacts):
    with Session(game_dir, artifacts, (799, 600)) as s:
        if len(message_box_ends_game(s, "refusal")) != 1:
            raise Failure("the main window opened on a 799 x 600 screen")


def missing_picture(game_dir, artifacts):
    with Session(game_dir, artifacts, (1024, 768), picture=False) as s:
        message_box_ends_game(s, "no-picture")


if __name__ == "__main__":
    main({
        "solve-1024x768": lambda d, a: play_through(d, a, (1024, 768), False, "Tester", "Tester"),
        # The name field takes 10 characters; the rest of the typing is lost.
        # Under icewm, the end-of-game window opens over How to play and takes the keyboard.
        "solve-1024x768-help-at-end": lambda d, a: play_through(d, a, (1024, 768), False, "Helped", "Helped",
                                                                window_manager=True, help_at_end=True),
        "solve-800x600-keys": lambda d, a: play_through(d, a, (800, 600), True, "Maximilian Rex",
                                                        "Maximilian"),
        # Under icewm: the taskbar takes the bottom of the screen, and every
        # piece must still lie whole inside the window, in reach of the mouse.
        "solve-800x600-icewm": lambda d, a: play_through(d, a, (800, 600), False, "Taskbar", "Taskbar",
                                                         window_manager=True),
        # Larger screens draw the scene larger; the runs set QUADRIFOGLIO_E2E_SCALE
        # to the scale they expect (1.75 and 3.5): the board must show every
        # cell of the picture exactly, at that size.
        "solve-1920x1080-desktop-x2": lambda d, a: play_through(d, a, (1920, 1080), False, "Doubled", "Doubled",
                                                                game_env={"QT_SCALE_FACTOR": "2"}),
        "solve-3840x2160": lambda d, a: play_through(d, a, (3840, 2160), False, "Large", "Large"),
        "small-screen": small_screen,
        "missing-picture": missing_picture,
    })
