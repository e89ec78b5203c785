#!/usr/bin/env python3
"""A game in a real window holds under what a player does to the window:

  scene_keeps.py f11-icewm-{easy|medium|difficult} <game folder> <artifact folder>
      Under icewm, F11 during a game and F11 again: the level's guide stays on
      the board, the placed pieces stay home and the loose pieces keep their
      places relative to each other (nothing is dealt again).
  scene_keeps.py f11-icewm-rescale <game folder> <artifact folder>
      The same on a 1600 x 1070 screen, where the maximized window (less the
      taskbar) draws the scene at 1.5 and the full screen at 1.75: the guide,
      the placed pieces and the loose ones' order survive the new scale.
  scene_keeps.py pause-during-drag <game folder> <artifact folder>
      P while a piece is held: the piece goes back to where it was picked up,
      and goes home afterwards.
  scene_keeps.py space-after-about <game folder> <artifact folder>
      About opened with the mouse and closed with Esc: Space then pauses the
      game and opens nothing.
"""

import time

from playthrough import COLOURS, MAIN_TITLE, drop_point, loose_pieces, wait_start_screen
from realwindow import BOARD, CELL, PIECES, Failure, Session, home_body, main

WINDOW_GREY = (128, 128, 128)  # the first of the window's colours
LEVEL_KEYS = {"easy": "alt+e", "medium": "alt+m", "difficult": "alt+d"}
PLACED = (1, 8, 36)
# Cells none of whose neighbours is placed: their middle shows the guide alone.
GUIDE_CELLS = (15, 22)


def start_game(s, window, key, activate):
    """Chooses a level by its key, presses Play and waits for the 36 pieces."""
    board = wait_start_screen(s, "start-screen")[0]
    focus = "windowactivate" if activate else "windowfocus"
    s.run("xdotool", focus, "--sync", str(window), "key", key)
    time.sleep(0.3)  # the level's cue comes first; Play is enabled after it
    s.run("xdotool", focus, "--sync", str(window), "key", "alt+p")
    pieces = s.poll("pieces", lambda shot: len(p := loose_pieces(shot, board)) == PIECES and p, 10,
                    "the 36 pieces do not lie around the board")
    return board, pieces


def place(s, board, pieces, numbers):
    for n in numbers:
        s.drag(pieces[n].grab, drop_point(pieces[n], board, n))
    s.poll("placed", lambda shot: all(at_home(shot, board, n) for n in numbers), 5,
           "the pieces dragged home are not home")


def at_home(shot, board, n):
    """True when the middle of piece n's body (clear of any hole) lies on its cell."""
    x, y = home_body(board, n)
    return shot.count(COLOURS[n], (x + 20, y + 20, 20, 20)) == 20 * 20


def guide_holds(shot, board, level):
    """True when the middle of every guide cell shows what the level leaves there."""
    for n in GUIDE_CELLS:
        x, y = home_body(board, n)
        colour = COLOURS[n]
        for row in range(y + 20, y + 40):
            line = (x + 20, row, 20, 1)
            if level == "easy":
                want = WINDOW_GREY if (row - board[1]) % 2 else colour
            elif level == "medium":
                want = tuple(255 - c for c in colour)
            else:
                want = (255, 255, 255)
            if shot.count(want, line) != 20:
                return False
    return True


def same_order(before, after):
    """True when every two loose pieces that lay apart still lie in the same
    order, left to right and top to bottom."""
    numbers = sorted(before)
    if sorted(after) != numbers:
        return False
    for a in numbers:
        for b in numbers:
            for axis in ("left", "top"):
                was = getattr(before[a], axis) - getattr(before[b], axis)
                now = getattr(after[a], axis) - getattr(after[b], axis)
                if abs(was) > CELL // 2 and (was > 0) != (now > 0):
                    return False
    return True


def f11_under_icewm(level):
    def run(game_dir, artifacts):
        screen = (1024, 768)
        with Session(game_dir, artifacts, screen, window_manager=True) as s:
            window = s.wait_window(MAIN_TITLE)[0]
            board, pieces = start_game(s, window, LEVEL_KEYS[level], activate=True)
            place(s, board, pieces, PLACED)
            loose = {n: b for n, b in pieces.items() if n not in PLACED}
            if not guide_holds(s.screenshot("guide"), board, level):
                raise Failure("the %s guide is not on the board before F11" % level)

            # Full screen: the board moves to the middle of the whole screen.
            whole = ((screen[0] - BOARD) // 2, (screen[1] - BOARD) // 2)
            for label, want in (("full-screen", whole), ("window-again", board)):
                s.run("xdotool", "windowactivate", "--sync", str(window), "key", "F11")
                s.poll(label, lambda shot: all(at_home(shot, want, n) for n in PLACED), 10,
                       "after F11 the placed pieces are not home on a board at %s" % (want,))
                shot = s.screenshot(label + "-checked")
                if not guide_holds(shot, want, level):
                    raise Failure("after F11 the board no longer shows the %s guide" % level)
                seen = loose_pieces(shot, want, loose)
                if not same_order(loose, seen):
                    raise Failure("after F11 the loose pieces were dealt again")
    return run


class Scene:
    """Where the board lies and how large a cell is, on a screen of any scale."""

    def __init__(self, left, top, cell):
        self.left, self.top, self.cell = left, top, cell

    def body(self, n):  # the top-left corner of piece n's body when home
        return self.left + self.cell * ((n - 1) % 6), self.top + self.cell * ((n - 1) // 6)

    def middle(self, n):  # the middle third of cell n
        x, y = self.body(n)
        third = self.cell // 3
        return x + third, y + third, third, third

    def loose(self, shot, numbers=COLOURS):
        frame = self.cell // 6 + 1  # the board's bevel: 9 design pixels, a cell is 60
        outside = (self.left - frame, self.top - frame, 6 * self.cell + 2 * frame, 6 * self.cell + 2 * frame)
        blobs = shot.blobs({n: COLOURS[n] for n in numbers}, outside)
        return {n: b for n, b in blobs.items() if b and b.size >= 0.4 * self.cell ** 2}

    def at_home(self, shot, n):
        area = self.middle(n)
        return shot.count(COLOURS[n], area) == area[2] * area[3]

    def negative_guide(self, shot):
        return all(shot.count(tuple(255 - c for c in COLOURS[n]), self.middle(n))
                   == self.middle(n)[2] * self.middle(n)[3] for n in GUIDE_CELLS)

    def drop(self, blob, n):
        x, y = self.body(n)
        return tuple(round(g + h + (self.cell - 1) / 2 - c) for g, h, c in zip(blob.grab, (x, y), blob.centre))


def scene_of_placed(shot):
    """The scene found from the placed pieces 1 and 36 (the board's corners),
    each inside its raised edge of two design pixels."""
    first, last = (shot.blobs({n: COLOURS[n]})[n] for n in (1, 36))
    if not first or not last:
        return None
    scale = round((last.right - first.left + 1) / 360 * 4) / 4
    edge = round(2 * scale)
    return Scene(first.left - edge, first.top - edge, round(60 * scale))


def f11_rescale(game_dir, artifacts):
    with Session(game_dir, artifacts, (1600, 1070), window_manager=True) as s:
        window = s.wait_window(MAIN_TITLE)[0]

        def start_screen(shot):
            b = shot.blobs({1: COLOURS[1]})[1]
            # Cell 1's flat colour, less a pixel where the picture, scaled, blends into its neighbours.
            side = b and b.right - b.left + 1
            return b and b.size == side ** 2 > 80 * 80 and Scene(b.left, b.top, round(60 * round(side / 15) / 4))
        scene = s.poll("start-screen", start_screen, 15, "the start screen does not show the picture")
        if scene.cell != 90:
            raise Failure("the maximized window draws cells of %d pixels, not 90 (scale 1.5)" % scene.cell)
        s.run("xdotool", "windowactivate", "--sync", str(window), "key", "alt+m")
        time.sleep(0.3)  # the level's cue comes first; Play is enabled after it
        s.run("xdotool", "windowactivate", "--sync", str(window), "key", "alt+p")
        pieces = s.poll("pieces", lambda shot: len(p := scene.loose(shot)) == PIECES and p, 10,
                        "the 36 pieces do not lie around the board")
        for n in (1, 36, 8):
            s.drag(pieces[n].grab, scene.drop(pieces[n], n))
        s.poll("placed", lambda shot: all(scene.at_home(shot, n) for n in (1, 36, 8)), 5,
               "the pieces dragged home are not home")
        loose = {n: b for n, b in pieces.items() if n not in (1, 36, 8)}

        for label, cell in (("full-screen", 105), ("window-again", 90)):
            s.run("xdotool", "windowactivate", "--sync", str(window), "key", "F11")
            found = s.poll(label, lambda shot: (sc := scene_of_placed(shot)) and sc.cell == cell
                           and all(sc.at_home(shot, n) for n in (1, 36, 8)) and sc, 10,
                           "after F11 the scene is not drawn with cells of %d pixels, the pieces home" % cell)
            shot = s.screenshot(label + "-checked")
            if not found.negative_guide(shot):
                raise Failure("after F11 the board no longer shows the negative")
            if not same_order(loose, found.loose(shot, loose)):
                raise Failure("after F11 the loose pieces were dealt again")


def pause_during_drag(game_dir, artifacts):
    with Session(game_dir, artifacts, (1024, 768)) as s:
        window = s.wait_window(MAIN_TITLE)[0]
        board, pieces = start_game(s, window, "alt+e", activate=False)
        n = 8
        start = pieces[n].grab
        held = (start[0] + (90 if start[0] < 512 else -90), start[1] + 30)
        s.run("xdotool", "mousemove", "--sync", *map(str, start), "mousedown", "1",
              "sleep", "0.05", "mousemove", "--sync", *map(str, held))
        s.poll("held", lambda shot: shot.count(COLOURS[n], (held[0] - 3, held[1] - 3, 6, 6)) == 36, 5,
               "the piece does not follow the mouse")
        s.run("xdotool", "windowfocus", "--sync", str(window), "key", "p")
        s.poll("paused", lambda shot: not loose_pieces(shot, board), 5, "P does not cover the pieces")
        s.run("xdotool", "mousemove", "--sync", "5", "5", "mouseup", "1")
        s.run("xdotool", "windowfocus", "--sync", str(window), "key", "p")

        def back(shot):
            b = loose_pieces(shot, board, {n}).get(n)
            return b and (b.left, b.top) == (pieces[n].left, pieces[n].top)
        s.poll("back", back, 5, "the piece held at the pause is not back where it was picked up")
        place(s, board, pieces, [n])


def space_after_about(game_dir, artifacts):
    with Session(game_dir, artifacts, (1024, 768)) as s:
        window = s.wait_window(MAIN_TITLE)[0]
        board, pieces = start_game(s, window, "alt+e", activate=False)
        # "?" is the fourth of the five commands right of the board.
        about = (board[0] + BOARD + 10 + 23, board[1] + (BOARD - 248) // 2 + 3 * 52 + 20)
        s.run("xdotool", "mousemove", "--sync", *map(str, about), "click", "1")
        dialog = s.until(lambda: [w for w in s.program_windows() if w != window], 10, "About does not open")[0]
        s.run("xdotool", "windowfocus", "--sync", str(dialog), "key", "Escape")
        s.until(lambda: s.program_windows() == [window], 5, "About does not close on Esc")
        s.poll("playing", lambda shot: len(loose_pieces(shot, board)) == PIECES, 5,
               "the game does not go on after About")
        s.run("xdotool", "windowfocus", "--sync", str(window), "key", "space")
        s.poll("paused", lambda shot: not loose_pieces(shot, board), 5, "Space does not pause the game")
        time.sleep(0.5)  # a window Space opened by mistake would be up by now
        if s.program_windows() != [window]:
            raise Failure("Space after About opened a window")


if __name__ == "__main__":
    main({
        "f11-icewm-easy": f11_under_icewm("easy"),
        "f11-icewm-medium": f11_under_icewm("medium"),
        "f11-icewm-difficult": f11_under_icewm("difficult"),
        "f11-icewm-rescale": f11_rescale,
        "pause-during-drag": pause_during_drag,
        "space-after-about": space_after_about,
    })
