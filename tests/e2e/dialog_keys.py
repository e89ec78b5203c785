#!/usr/bin/env python3
"""Return presses the focused Close button of the game's dialogs, in a real
window under Xvfb: the About window, and the end-of-game window of a puzzle
solved on the stopwatch (a window without a name box).

  dialog_keys.py return-closes <game folder> <artifact folder>
"""

import os
import random

from playthrough import (MAIN_TITLE, PIECES, drop_point, loose_pieces, read_score_file,
                         wait_start_screen)
from realwindow import BOARD, Failure, Session, main

# The command column right of the board: five 46 x 40 buttons, 12 apart.
COLUMN = {"timer": 0, "about": 3, "exit": 4}


def return_closes(game_dir, artifacts):
    with Session(game_dir, artifacts, (1024, 768)) as s:
        main_window = s.wait_window(MAIN_TITLE)[0]
        board, panel, shot = wait_start_screen(s, "start-screen")
        top = board[1] + (BOARD - 248) // 2

        def click(point):
            s.run("xdotool", "mousemove", "--sync", *map(str, point), "click", "1")

        def command(name):
            click((board[0] + BOARD + 33, top + 52 * COLUMN[name] + 20))

        def dialog_closes_on_return(label):
            dialog = s.until(lambda: [w for w in s.program_windows() if w != main_window], 10,
                             "no %s window" % label)[0]
            s.screenshot(label)
            # No window manager here to give the dialog the keyboard: do what
            # one does when the window is clicked on.
            s.run("xdotool", "windowfocus", "--sync", str(dialog))
            s.run("xdotool", "key", "Return")
            s.until(lambda: dialog not in s.program_windows(), 5,
                    "Return does not close the %s window" % label)

        command("about")
        dialog_closes_on_return("about")

        # The stopwatch, Easy, Play, and every piece home.
        command("timer")
        play = (panel[0] + 290, panel[1] + 12, 78, 36)
        disabled = shot.rows(play)
        click((panel[0] + 34, panel[1] + 30))
        s.poll("level-chosen", lambda shot: shot.rows(play) != disabled, 10,
               "Play is not enabled once a level is chosen")
        click((play[0] + 39, play[1] + 18))
        pieces = s.poll("pieces", lambda shot: len(p := loose_pieces(shot, board)) == PIECES and p, 10,
                        "the 36 pieces do not lie around the board")
        order = list(range(1, PIECES + 1))
        random.Random(5).shuffle(order)
        for n in order:
            s.drag(pieces[n].grab, drop_point(pieces[n], board, n))
        dialog_closes_on_return("end-of-game")

        wait_start_screen(s, "start-again")
        if os.path.exists(s.score_file) and read_score_file(s).get("immagine"):
            raise Failure("a game solved on the stopwatch left a record")
        command("exit")
        if s.game_ended(10) != 0:
            raise Failure("Exit does not end the program")


if __name__ == "__main__":
    main({"return-closes": return_closes})
