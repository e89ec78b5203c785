#!/usr/bin/env python3
"""The game as a desktop program, in a real window under Xvfb:

  desktop.py pause <game folder> <artifact folder>
      P stops the clock (its area stays the same over 3 s) and hides the
      board; P again sets it going.
  desktop.py second-start <game folder> <artifact folder>
      A second start ends at once with status 0, leaves one game window and
      the score file as it was.
"""

import os
import subprocess
import time

from playthrough import MAIN_TITLE, PIECES, loose_pieces, wait_start_screen
from realwindow import BOARD, Failure, Session, main

CLOCK_BAR = (21, 10, 268, 19)  # the time bar in the clock panel, 310 x 66 and 33 above the board


def pause(game_dir, artifacts):
    with Session(game_dir, artifacts, (1024, 768)) as s:
        main_window = s.wait_window(MAIN_TITLE)[0]
        board, panel, shot = wait_start_screen(s, "start-screen")
        s.run("xdotool", "mousemove", "--sync", str(panel[0] + 34), str(panel[1] + 30), "click", "1")
        time.sleep(0.3)
        s.run("xdotool", "mousemove", "--sync", str(panel[0] + 290 + 39), str(panel[1] + 12 + 18), "click", "1")
        s.poll("playing", lambda shot: len(loose_pieces(shot, board)) == PIECES, 10,
               "the 36 pieces do not lie around the board")
        left = board[0] + (BOARD - 310) // 2 + CLOCK_BAR[0]
        top = board[1] - 66 - 33 + CLOCK_BAR[1]
        bar = (left, top, CLOCK_BAR[2], CLOCK_BAR[3])
        first = s.screenshot("clock-running").rows(bar)
        s.poll("clock-moves", lambda shot: shot.rows(bar) != first, 5, "the clock does not move")

        # No window manager: the window gets the keyboard as a click would give it.
        s.run("xdotool", "windowfocus", "--sync", str(main_window), "key", "p")
        s.poll("paused", lambda shot: not loose_pieces(shot, board), 5,
               "the pieces are still in sight after P")
        time.sleep(0.5)  # a tick already on its way may land
        paused = s.screenshot("paused-start").rows(bar)
        time.sleep(3)
        if s.screenshot("paused-end").rows(bar) != paused:
            raise Failure("the clock moved during the pause")

        s.run("xdotool", "windowfocus", "--sync", str(main_window), "key", "p")
        s.poll("resumed", lambda shot: len(loose_pieces(shot, board)) == PIECES, 5,
               "the pieces do not come back after P")
        s.poll("clock-moves-again", lambda shot: shot.rows(bar) != paused, 5,
               "the clock does not go on after the pause")


def second_start(game_dir, artifacts):
    with Session(game_dir, artifacts, (1024, 768)) as s:
        s.wait_window(MAIN_TITLE)
        wait_start_screen(s, "start-screen")
        before = b"[BackColor]\r\nColor=4\r\n; kept as it is\r\n"
        with open(s.score_file, "wb") as f:
            f.write(b"[BackColor]\r\nColor=4\r\n; kept as it is\r\n")
        stamp = os.stat(s.score_file).st_mtime_ns
        started = time.monotonic()
        second = subprocess.run([os.path.join(s.folder, "quadrifoglio")], cwd=s.folder, env=s.env,
                                timeout=30, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        took = time.monotonic() - started
        if second.returncode != 0:
            raise Failure("the second start ended with status %d: %s"
                          % (second.returncode, second.stdout.decode(errors="replace")))
        time.sleep(1)  # a window it might have opened would be mapped by now
        windows = s.run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % MAIN_TITLE,
                        check=False).stdout.split()
        if len(windows) != 1:
            raise Failure("%d game windows after a second start" % len(windows))
        with open(s.score_file, "rb") as f:
            if f.read() != before or os.stat(s.score_file).st_mtime_ns != stamp:
                raise Failure("the second start touched the score file")
        print("the second start ended in %.2f s" % took)


if __name__ == "__main__":
    main({"pause": pause, "second-start": second_start})
