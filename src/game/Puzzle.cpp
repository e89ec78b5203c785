#include "game/Puzzle.h"

#include "platform/Numbers.h"

namespace geometry {

namespace {

// Body offsets and shapes by piece number (index 0 unused).
constexpr std::array<QPoint, PieceCount + 1> kOffsets = [] {
    std::array<QPoint, PieceCount + 1> t{};
    for (int n : {1, 2, 7, 8, 13, 14, 15, 16, 19, 22, 25, 31, 32})
        t[n] = QPoint(0, 10);
    for (int n : {4, 5, 6, 9, 27, 29, 30})
        t[n] = QPoint(10, 0);
    for (int n : {10, 11, 12, 18, 20, 21, 24, 26, 28, 33, 34, 35, 36})
        t[n] = QPoint(10, 10);
    for (int n : {3, 17, 23})
        t[n] = QPoint(0, 0);
    return t;
}();

constexpr std::array<int, PieceCount + 1> kShapes = {
    0,
    1,  2,  5,  6,  7,  8,  // row 0
    13, 9,  14, 3,  10, 16, // row 1
    4,  17, 18, 17, 5,  16, // row 2
    11, 3,  19, 13, 15, 19, // row 3
    20, 3,  6,  3,  14, 21, // row 4
    4,  22, 23, 23, 10, 12, // row 5
};

int round16(double v)
{
    return platform::CInt(v);
}

} // namespace

QPoint BodyOffset(int n)
{
    return (n >= 1 && n <= PieceCount) ? kOffsets[n] : QPoint();
}

int ShapeOfPiece(int n)
{
    return (n >= 1 && n <= PieceCount) ? kShapes[n] : 0;
}

QPoint HomePosition(int n, QPoint board)
{
    const QPoint o = BodyOffset(n);
    return {board.x() + Cell * ColumnOf(n) - o.x(), board.y() + Cell * RowOf(n) - o.y()};
}

std::array<QPoint, PieceCount + 1> ScatterSlots(int w, int h, int sh, int pw, int ph)
{
    std::array<QPoint, PieceCount + 1> places{};
    const int gapY = sh == 600 ? 4 : round16((sh - 600) / 7.0);
    const int gapX = round16((w - 10.0 * pw) / 11.0);
    const int y0 = round16(h / 8.0 - 60);

    // Left block: two columns of seven, the top of a third column, and one
    // slot in the top row five columns further right.
    int x = gapX;
    int y = y0;
    for (int j = 1; j <= 16; ++j) {
        places[j] = QPoint(x + 6, y);
        y = round16(y + ph + gapY);
        if (j == 7 || j == 14) {
            y = y0;
            x = round16(x + pw + gapX);
        }
        if (j == 16)
            places[j] = QPoint(5 * (gapX + pw) + x + 4, y0);
    }

    // Right block: two columns of seven from the right edge inwards.
    x = round16(w - gapX - pw - 4);
    y = y0;
    for (int j = 17; j <= 30; ++j) {
        places[j] = QPoint(x, y);
        y = round16(y + ph + gapY);
        if (j == 23) {
            y = y0;
            x = round16(x - pw - gapX);
        }
    }

    // Bottom row of six below the board.
    x = round16(2.0 * pw + 3.0 * gapX);
    for (int j = 31; j <= 36; ++j) {
        places[j] = QPoint(x, y0 + 6 * (ph + gapY));
        x = round16(x + pw + gapX);
    }
    return places;
}

} // namespace geometry
