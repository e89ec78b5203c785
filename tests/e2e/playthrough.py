#!/usr/bin/env python3
"""Real-window scenarios of the game under Xvfb (no window manager: the main
window fills the screen at 0,0).

  playthrough.py solve-1024x768        <game folder> <artifact folder>
  playthrough.py solve-800x600-keys    <game folder> <artifact folder>
  playthrough.py small-screen          <game folder> <artifact folder>
  playthrough.py missing-picture       <game folder> <artifact folder>

The two solve runs play a whole game on a picture whose 36 cells are flat
colours: every piece is found on a screenshot by its colour and dragged home
with the mouse, a few after a wrong drop first; the finished picture, the
end-of-game window, the record in the score file and the exit are checked.
The first run works the controls with the mouse, the second with their
keyboard accelerators.
"""

import os
import random
import re
import time

from realwindow import (BOARD, CELL, PIECES, Failure, Session, cell_colour, home_body, log,
                        main, write_grid_bitmap)

MAIN_TITLE = "Quadrifoglio 3D"
BOX_TITLE = "Quadrifoglio"
COLOURS = {n: cell_colour(n) for n in range(1, PIECES + 1)}
PANEL_GREY = (192, 192, 192)

# A piece's body, 60 x 60 less the holes its neighbours' tabs cut into it and
# the 2-pixel raised edge, is never smaller than this; a neighbour's tab that
# carries the same colour is far smaller.
MIN_BODY = 1500


def setup(session, picture=True):
    session.install_program()
    if picture:
        write_grid_bitmap(os.path.join(session.folder, "Matrix.bmp"))
    # English, with a greeting.
    session.write("Matrix.dat", "1Test greeting\r\n")
    session.start_x()
    session.start_game()


def expect_running(session):
    rc = session.game.poll()
    if rc is not None:
        with open(os.path.join(session.work, "game.log")) as f:
            log(f.read())
        raise Failure("the game ended unexpectedly with exit status %d" % rc)


def board_on(shot):
    """The board's top-left corner if the screen shows the whole picture on
    it, cell by cell exactly, else None."""
    blobs = shot.blobs({1: COLOURS[1], PIECES: COLOURS[PIECES]})
    first, last = blobs[1], blobs[PIECES]
    if not first or not last or first.size != CELL * CELL or last.size != CELL * CELL:
        return None
    left, top = first.left, first.top
    if (last.right, last.bottom) != (left + BOARD - 1, top + BOARD - 1):
        return None
    for n in range(1, PIECES + 1):
        x, y = home_body((left, top), n)
        if shot.count(COLOURS[n], (x, y, CELL, CELL)) != CELL * CELL:
            return None
    return left, top


def board_area(board):
    """The board with its 9-pixel bevel: pieces in their slots lie outside."""
    return board[0] - 10, board[1] - 10, BOARD + 20, BOARD + 20


def loose_pieces(shot, board, numbers=COLOURS):
    """Piece number -> blob of its body, for the pieces seen outside the board."""
    blobs = shot.blobs({n: COLOURS[n] for n in numbers}, outside=board_area(board))
    return {n: b for n, b in blobs.items() if b and b.size >= MIN_BODY}


def start_panel(shot, board):
    """The start panel's rectangle under the board, or None when it is not
    shown: found by the long runs of its flat grey (the window's texture has
    that grey too, but only in specks)."""
    below = board[1] + BOARD + 9
    want = shot.key(PANEL_GREY)
    x0, x1 = max(board[0] - 40, 0), min(board[0] + BOARD + 40, shot.width)
    lefts, rights, rows = [], [], []
    for y in range(below, min(below + 90, shot.height)):
        row = shot.pixels[y * shot.width + x0:y * shot.width + x1]
        start = None
        for x, v in enumerate(row + [None], x0):
            if v == want:
                if start is None:
                    start = x
            elif start is not None:
                if x - start >= 300:
                    lefts.append(start)
                    rights.append(x - 1)
                    rows.append(y)
                start = None
    if not rows:
        return None
    # Its frame is 4 pixels of other greys around the panel colour.
    return min(lefts) - 4, min(rows) - 4, max(rights) - min(lefts) + 9, max(rows) - min(rows) + 9


def drop_point(blob, board, cell):
    """Where to let go of the piece grabbed at blob.grab so that its body
    lands on `cell` (a piece number) of the board."""
    x, y = home_body(board, cell)
    cx, cy = blob.centre
    return round(blob.grab[0] + x + (CELL - 1) / 2 - cx), round(blob.grab[1] + y + (CELL - 1) / 2 - cy)


def wait_start_screen(session, label):
    def ready(shot):
        expect_running(session)
        board = board_on(shot)
        if board and not loose_pieces(shot, board) and start_panel(shot, board):
            return board
        return None
    return session.poll(label, ready, 15, "the window does not show the start screen")


def read_score_file(session):
    """Section -> {key: value} of the score file, keys in lower case."""
    sections = {}
    current = None
    with open(session.score_file, encoding="latin-1") as f:
        for line in f.read().splitlines():
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].lower(), {})
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current[key.strip().lower()] = value
    return sections


def play_through(game_dir, artifacts, screen, keys, name, stored_name):
    w, h = screen
    with Session("solve", game_dir, artifacts, screen) as s:
        setup(s)
        main_window = s.wait_window(MAIN_TITLE)[0]
        log("main window up after %.1f s" % s.elapsed())
        x, y, ww, wh = s.window_geometry(main_window)
        if (x, y, ww, wh) != (0, 0, w, h):
            raise Failure("the main window lies at %s, not over the whole screen" % ((x, y, ww, wh),))

        # The start screen: the picture on the board, centred, and no piece.
        board = wait_start_screen(s, "start-screen")
        centred = (round((w - BOARD) / 2), round((h - BOARD) / 2))
        if board != centred:
            raise Failure("the board lies at %s, not centred at %s" % (board, centred))
        shot = s.screenshot("panel")
        panel = start_panel(shot, board)
        log("board at %s, start panel at %s" % (board, panel))

        # Easy, then Play once it is enabled (choosing a level plays a cue
        # first, and a press that arrives meanwhile finds Play disabled).
        play_button = (panel[0] + 290, panel[1] + 12, 78, 36)
        disabled = shot.region(play_button)
        if keys:
            # No window manager here to give the window the keyboard: do
            # what one does when the window is clicked on.
            s.run("xdotool", "windowfocus", "--sync", str(main_window))
            s.key("alt+e")
        else:
            s.click(panel[0] + 14 + 20, panel[1] + 18 + 12)  # "Easy"
        s.poll("level-chosen", lambda shot: shot.region(play_button) != disabled, 10,
               "Play is not enabled once a level is chosen")
        if keys:
            s.key("alt+p")
        else:
            s.click(play_button[0] + 39, play_button[1] + 18)
        played = time.monotonic()

        def all_loose(shot):
            expect_running(s)
            pieces = loose_pieces(shot, board)
            return pieces if len(pieces) == PIECES else None
        pieces = s.poll("pieces", all_loose, 10, "the 36 pieces do not lie around the board")
        if start_panel(s.screenshot("playing"), board):
            raise Failure("the start panel is still shown during the game")

        # A few pieces dropped on another cell go back to their slot.
        wrong = {8: 22, 15: 1, 29: 36, 36: 7}
        for n, cell in wrong.items():
            s.drag(pieces[n].grab, drop_point(pieces[n], board, cell))
        shot = s.screenshot("wrong-drops")
        back = loose_pieces(shot, board, wrong)
        for n, cell in wrong.items():
            before, after = pieces[n], back.get(n)
            if not after or (after.left, after.top, after.size) != (before.left, before.top, before.size):
                raise Failure("piece %d dropped on cell %d is not back in its slot: %s, was %s"
                              % (n, cell, after, before))
            x, y = home_body(board, cell)
            if shot.count(COLOURS[n], (x, y, CELL, CELL)) > 0:
                raise Failure("piece %d stayed on cell %d" % (n, cell))
        log("%d pieces dropped on wrong cells went back" % len(wrong))

        # Every piece home, in a player's order, the last one apart.
        order = list(range(1, PIECES + 1))
        random.Random(3).shuffle(order)
        last = order.pop()
        for n in order:
            s.drag(pieces[n].grab, drop_point(pieces[n], board, n))
        shot = s.screenshot("all-but-one")
        still = loose_pieces(shot, board)
        if set(still) != {last}:
            raise Failure("after dragging all but piece %d home, pieces %s lie outside the board"
                          % (last, sorted(still)))
        for n in order:
            x, y = home_body(board, n)
            # The middle of the cell: the holes for a loose neighbour's tab
            # show the board's guide, but not this far in.
            if shot.count(COLOURS[n], (x + 20, y + 20, CELL - 40, CELL - 40)) != (CELL - 40) ** 2:
                raise Failure("piece %d does not cover its cell" % n)
        log("%d pieces home after %.1f s" % (len(order), s.elapsed()))

        # The last one: the finished picture, without the pieces' edges, for
        # a few seconds.
        s.drag(pieces[last].grab, drop_point(pieces[last], board, last))
        finished = time.monotonic()

        def finished_picture(shot):
            expect_running(s)
            return board_on(shot) == board and not loose_pieces(shot, board)
        s.poll("finished", finished_picture, 8, "the finished picture is not shown")

        # The end-of-game window asks for the name; its text box has the
        # keyboard. It sets no title of its own (the desktop shows the
        # program's name), so it is found as the program's second window.
        deadline = time.monotonic() + 10
        while True:
            expect_running(s)
            others = [wid for wid in s.program_windows() if wid != main_window]
            if others:
                break
            if time.monotonic() > deadline:
                raise Failure("no end-of-game window")
            time.sleep(0.1)
        pause = time.monotonic() - finished
        dialog = others[0]
        dx, dy, dw, dh = s.window_geometry(dialog)
        log("end-of-game window %s after a pause of %.1f s" % ((dx, dy, dw, dh), pause))
        if pause < 3.5:
            raise Failure("the finished picture was on show for only %.1f s" % pause)
        # 5700 x 3495 twips, centred on the screen and 45 twips (3 pixels)
        # to the right; halves round to even.
        expected = (round(((w - 380) * 15 / 2 + 45) / 15), round((h - 233) / 2), 380, 233)
        if (dx, dy, dw, dh) != expected:
            raise Failure("the end-of-game window lies at %s, expected %s"
                          % ((dx, dy, dw, dh), expected))
        s.screenshot("name-asked")
        s.run("xdotool", "type", "--delay", "30", name)
        time.sleep(0.2)
        s.screenshot("name-typed")
        if keys:
            s.key("alt+c")  # "&Close"
        else:
            s.click(dx + 150 + 40, dy + 168 + 28)  # the Close button
        deadline = time.monotonic() + 5
        while dialog in s.program_windows():
            expect_running(s)
            if time.monotonic() > deadline:
                raise Failure("the end-of-game window does not close")
            time.sleep(0.1)

        # The record: the name padded to 10 characters, then the seconds.
        record = read_score_file(s).get("immagine", {}).get("0")
        match = re.fullmatch(re.escape(stored_name.ljust(10)) + r"(\d+)", record or "")
        if not match:
            raise Failure("the Easy record reads %r, expected %r and the seconds"
                          % (record, stored_name.ljust(10)))
        seconds = int(match.group(1))
        if seconds > finished - played + 1:
            raise Failure("the record says %d s for a game of %.1f s" % (seconds, finished - played))
        log("record stored: %r (game of %.1f s)" % (record, finished - played))

        # Back to the start screen; then Exit saves the colour and ends the program.
        board = wait_start_screen(s, "start-again")
        if keys:
            s.run("xdotool", "windowfocus", "--sync", str(main_window))
            s.key("alt+x")
        else:
            # Exit is the last of the five buttons in the column right of the board.
            s.click(board[0] + BOARD + 10 + 23, board[1] + (BOARD - 248) // 2 + 4 * 52 + 20)
        rc = s.game_ended(10)
        if rc is None:
            raise Failure("the program does not end after Exit")
        if rc != 0:
            raise Failure("the program ended with status %d" % rc)
        sections = read_score_file(s)
        if sections.get("backcolor", {}).get("color") != "0":
            raise Failure("the score file has no colour choice: %r" % sections)
        if sections.get("immagine", {}).get("0") != record:
            raise Failure("Exit changed the record: %r" % sections)
        log("exit: colour saved, program ended; whole run %.1f s" % s.elapsed())


def solve_1024x768(game_dir, artifacts):
    play_through(game_dir, artifacts, (1024, 768), keys=False, name="Tester", stored_name="Tester")


def solve_800x600_keys(game_dir, artifacts):
    # The name field takes 10 characters; the rest of the typing is lost.
    play_through(game_dir, artifacts, (800, 600), keys=True, name="Maximilian Rex",
                 stored_name="Maximilian")


def dismiss_message_box(s, label):
    """Waits for the message box titled "Quadrifoglio", photographs it,
    dismisses it with Return and waits for the program to end. Returns the
    program's visible windows while the box was up."""
    box = s.wait_window(BOX_TITLE, timeout=20)[0]
    shown = s.program_windows()
    s.screenshot(label)
    log("message box %s; the program's windows: %s" % (s.window_geometry(box), shown))
    s.key("Return")
    rc = s.game_ended(10)
    if rc is None:
        raise Failure("the program does not end once the message is dismissed")
    log("the program ended with status %d after %.1f s" % (rc, s.elapsed()))
    if box not in shown:
        raise Failure("the message box is not the program's own window")
    return shown


def small_screen(game_dir, artifacts):
    with Session("small-screen", game_dir, artifacts, (799, 600)) as s:
        setup(s)
        shown = dismiss_message_box(s, "refusal")
        if len(shown) != 1:
            raise Failure("the main window opened on a 799 x 600 screen: windows %s" % shown)
        if os.path.exists(s.score_file):
            raise Failure("a score file was written on a screen too small")


def missing_picture(game_dir, artifacts):
    with Session("missing-picture", game_dir, artifacts, (1024, 768)) as s:
        setup(s, picture=False)
        dismiss_message_box(s, "no-picture")
        if os.path.exists(s.score_file):
            raise Failure("a score file was written although the picture is missing")


if __name__ == "__main__":
    main({
        "solve-1024x768": solve_1024x768,
        "solve-800x600-keys": solve_800x600_keys,
        "small-screen": small_screen,
        "missing-picture": missing_picture,
    })
