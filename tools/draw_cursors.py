#!/usr/bin/env python3
"""Draws the three hand cursors as 32 x 32 pixel art.

Classic monochrome look: white fill, one-pixel black outline, everything
else fully transparent (no partial alpha).  Each hand is built from simple
round shapes (capsules for fingers, rounded boxes for palm and wrist) that
are painted back to front; each part gets its own outline, so a part lying
over another leaves a dark line there (finger edges, knuckles).

The hot spots are fixed by the game:
    100 open hand      (16, 15)  in the palm
    101 closed hand    (15, 17)  in the fist
    102 pointing hand  ( 6,  0)  the tip of the index finger

Writes <dir>/<id>.pam (RGBA); make_images.sh turns them into PNG.
    python3 tools/draw_cursors.py OUTDIR
"""
import math
import sys
from pathlib import Path

SIZE = 32
CLEAR, BLACK, WHITE = 0, 1, 2


def capsule(x0, y0, x1, y1, r):
    """A line segment with round ends (a finger)."""
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def inside(px, py):
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / ll))
        cx, cy = x0 + t * dx, y0 + t * dy
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    return inside


def rbox(x0, y0, x1, y1, r):
    """A box with rounded corners of radius r."""
    def inside(px, py):
        qx = max(x0 + r - px, 0.0, px - (x1 - r))
        qy = max(y0 + r - py, 0.0, py - (y1 - r))
        return x0 <= px <= x1 and y0 <= py <= y1 and qx * qx + qy * qy <= r * r
    return inside


def union(*shapes):
    return lambda px, py: any(s(px, py) for s in shapes)


def paint(parts):
    """Paint parts back to front: outline (4-neighbour ring) then fill."""
    img = [[CLEAR] * SIZE for _ in range(SIZE)]
    for shape in parts:
        cells = {(x, y) for y in range(SIZE) for x in range(SIZE)
                 if shape(x + 0.5, y + 0.5)}
        ring = set()
        for (x, y) in cells:
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if (nx, ny) not in cells and 0 <= nx < SIZE and 0 <= ny < SIZE:
                    ring.add((nx, ny))
        for (x, y) in ring:
            img[y][x] = BLACK
        for (x, y) in cells:
            img[y][x] = WHITE
    return img


def open_hand():
    # palm facing us, fingers spread, thumb out to the left
    hand = union(
        rbox(9.0, 13.0, 24.5, 25.0, 4.5),      # palm
        rbox(11.0, 20.0, 22.5, 28.0, 2.0),     # heel of the hand / wrist
        capsule(11.5, 15.0, 8.5, 5.0, 1.7),    # index
        capsule(15.5, 14.0, 15.0, 3.0, 1.7),   # middle
        capsule(19.5, 14.0, 21.0, 4.5, 1.7),   # ring
        capsule(22.5, 16.0, 26.0, 9.0, 1.55),  # little finger
        capsule(11.5, 22.0, 4.5, 14.5, 1.8),   # thumb
    )
    return paint([hand])


def closed_hand():
    # a fist gripping something: back of the hand, fingers curled under
    parts = [
        rbox(12.0, 20.0, 20.0, 28.0, 1.5),     # wrist
        rbox(7.5, 9.0, 24.5, 24.5, 4.5),       # the fist
        capsule(10.0, 8.0, 10.0, 11.0, 1.9),   # curled fingers, left to right
        capsule(14.0, 7.0, 14.0, 10.5, 1.9),
        capsule(18.0, 7.0, 18.0, 10.5, 1.9),
        capsule(22.0, 8.0, 22.0, 11.0, 1.9),
        capsule(7.0, 12.5, 9.5, 20.0, 1.9),    # thumb pressed along the side
    ]
    return paint(parts)


# The pointing hand is small enough to be drawn pixel by pixel:
# X black, o white, . transparent.  The index fingertip is the middle of
# the top row's three black pixels, at (6, 0).
POINTING_HAND = """
.....XXX........................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooXXXX....................
....XoooXoooX...................
....XoooXoooXXXX................
....XoooXoooXoooX...............
....XoooXoooXoooXXXX............
....XoooXoooXoooXoooX...........
.XX.XoooXoooXoooXoooX...........
XooXXoooXoooXoooXoooX...........
XoooXoooooooooooooooX...........
XooooXooooooooooooooX...........
.XooooXoooooooooooooX...........
.XoooooXooooooooooooX...........
..XooooooooooooooooX............
...XoooooooooooooooX............
....XooooooooooooooX............
.....XooooooooooooX.............
......XooooooooooX..............
......XXXXXXXXXXXX..............
......XooooooooooX..............
......XooooooooooX..............
......XXXXXXXXXXXX..............
................................
................................
................................
"""


def pointing_hand():
    rows = POINTING_HAND.strip().split("\n")
    assert len(rows) == SIZE and all(len(r) == SIZE for r in rows)
    return [[".Xo".index(c) for c in r] for r in rows]


CURSORS = {
    100: (open_hand, (16, 15)),
    101: (closed_hand, (15, 17)),
    102: (pointing_hand, (6, 0)),
}


def check(cid, img, hot):
    """The hot spot must be where the game expects the hand to act."""
    hx, hy = hot
    if cid == 102:
        # the fingertip: an outline pixel with nothing above or beside it
        assert img[hy][hx] == BLACK, "fingertip pixel is not drawn"
        assert all(img[0][x] != WHITE for x in range(SIZE))
        assert img[1][hx] == WHITE, "fingertip is not the end of a finger"
    else:
        assert img[hy][hx] == WHITE, f"hot spot {hot} is not inside the hand"
        # and well inside: white all around it
        for dx in (-2, 0, 2):
            for dy in (-2, 0, 2):
                assert img[hy + dy][hx + dx] == WHITE, f"hot spot {hot} near an edge"


def write_pam(path, img):
    rgba = {CLEAR: (0, 0, 0, 0), BLACK: (0, 0, 0, 255), WHITE: (255, 255, 255, 255)}
    head = (f"P7\nWIDTH {SIZE}\nHEIGHT {SIZE}\nDEPTH 4\nMAXVAL 255\n"
            "TUPLTYPE RGB_ALPHA\nENDHDR\n").encode()
    body = bytes(v for row in img for p in row for v in rgba[p])
    path.write_bytes(head + body)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for cid, (draw, hot) in CURSORS.items():
        img = draw()
        for row in img:
            print("".join(".Xo"[p] for p in row))
        print(cid, "hot spot", hot)
        check(cid, img, hot)
        write_pam(out / f"{cid}.pam", img)


if __name__ == "__main__":
    main()
