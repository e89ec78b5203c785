#!/usr/bin/env python3
"""Finds the scattered pieces of a game in play on a screenshot.

    find_pieces.py SCREEN.ppm BOARD.ppm [BOARD_X BOARD_Y]

SCREEN.ppm is a binary PPM of the whole 1024 x 768 screen (the game's window
fills it when there is no window manager); BOARD.ppm is the puzzle's picture
stretched to 360 x 360. The pieces lie in the 36 slots around the board;
each slot's middle is compared with every cell of the picture, at the four
body offsets a piece can have, and the best match names the piece.

Prints one line per slot, most certain first:
    piece grab_x grab_y home_x home_y margin
where grab is a point in the middle of the piece's body and home the same
point when the piece lies in its own cell. Standard library only.
"""
import sys

SCREEN_W, SCREEN_H = 1024, 768
PIECE_WINDOW = 77
CELL = 60
GRID = 6
OFFSETS = [(0, 0), (10, 0), (0, 10), (10, 10)]
# The middle of a body that is 60 x 60 at an offset of 0 or 10: inside it
# whichever offset the piece has.
PROBE, PROBE_SIZE, BLOCK = 20, 30, 5


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def signature(image, left, top):
    """Mean colour of each 5 x 5 block of the 30 x 30 square at (left, top)."""
    width, _, pixels = image
    sig = []
    for by in range(0, PROBE_SIZE, BLOCK):
        for bx in range(0, PROBE_SIZE, BLOCK):
            r = g = b = 0
            for y in range(top + by, top + by + BLOCK):
                row = (y * width + left + bx) * 3
                for i in range(row, row + BLOCK * 3, 3):
                    r += pixels[i]
                    g += pixels[i + 1]
                    b += pixels[i + 2]
            n = BLOCK * BLOCK
            sig += (r / n, g / n, b / n)
    return sig


def distance(a, b):
    return sum((x - y) ** 2 for x, y in zip(a, b))


def cint(v):
    # Whole pixels, halves to the even neighbour, as the game rounds.
    return round(v)


def slots(w, h, sh, pw, ph):
    """The game's 36 scatter slots for a window of w x h on a screen sh high."""
    places = [None] * 37
    gap_y = 4 if sh == 600 else cint((sh - 600) / 7.0)
    gap_x = cint((w - 10.0 * pw) / 11.0)
    y0 = cint(h / 8.0 - 60)
    x, y = gap_x, y0
    for j in range(1, 17):
        places[j] = (x + 6, y)
        y = cint(y + ph + gap_y)
        if j in (7, 14):
            y = y0
            x = cint(x + pw + gap_x)
        if j == 16:
            places[j] = (5 * (gap_x + pw) + x + 4, y0)
    x, y = cint(w - gap_x - pw - 4), y0
    for j in range(17, 31):
        places[j] = (x, y)
        y = cint(y + ph + gap_y)
        if j == 23:
            y = y0
            x = cint(x - pw - gap_x)
    x = cint(2.0 * pw + 3.0 * gap_x)
    for j in range(31, 37):
        places[j] = (x, y0 + 6 * (ph + gap_y))
        x = cint(x + pw + gap_x)
    return places[1:]


def main():
    screen = read_ppm(sys.argv[1])
    board = read_ppm(sys.argv[2])
    if screen[:2] != (SCREEN_W, SCREEN_H) or board[:2] != (360, 360):
        raise SystemExit("expected a 1024 x 768 screen and a 360 x 360 board")
    board_x = int(sys.argv[3]) if len(sys.argv) > 3 else (SCREEN_W - 360) // 2
    board_y = int(sys.argv[4]) if len(sys.argv) > 4 else (SCREEN_H - 360) // 2

    # What each piece would show in the probe square, for each body offset.
    candidates = []
    for n in range(1, GRID * GRID + 1):
        row, col = divmod(n - 1, GRID)
        for ox, oy in OFFSETS:
            sig = signature(board, CELL * col - ox + PROBE, CELL * row - oy + PROBE)
            candidates.append((n, ox, oy, sig))

    found = []
    for sx, sy in slots(SCREEN_W, SCREEN_H, SCREEN_H, PIECE_WINDOW, PIECE_WINDOW):
        sig = signature(screen, sx + PROBE, sy + PROBE)
        scored = sorted((distance(sig, c[3]), c[0], c[1], c[2]) for c in candidates)
        best = scored[0]
        runner_up = next(s for s in scored if s[1] != best[1])
        _, n, ox, oy = best
        row, col = divmod(n - 1, GRID)
        grab = (sx + ox + 30, sy + oy + 30)
        home = (board_x + CELL * col + 30, board_y + CELL * row + 30)
        found.append((runner_up[0] - best[0], n, grab, home))

    for margin, n, grab, home in sorted(found, reverse=True):
        print(n, grab[0], grab[1], home[0], home[1], int(margin))


if __name__ == "__main__":
    main()
