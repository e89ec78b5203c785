#include "game/Puzzle.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace puzzle {

namespace {

// Body offsets and shapes by piece number (index 0 is no piece).
constexpr std::array<QPoint, PieceCount + 1> BodyOffsets = [] {
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

constexpr std::array<int, PieceCount + 1> Shapes = {
    0,
    1,  2,  5,  6,  7,  8,  // row 0
    13, 9,  14, 3,  10, 16, // row 1
    4,  17, 18, 17, 5,  16, // row 2
    11, 3,  19, 13, 15, 19, // row 3
    20, 3,  6,  3,  14, 21, // row 4
    4,  22, 23, 23, 10, 12, // row 5
};

bool isPiece(int piece)
{
    return piece >= 1 && piece <= PieceCount;
}

// The slot arithmetic rounds every step to a whole pixel, halves to even.
int roundPixels(double v)
{
    return int(std::nearbyint(v));
}

} // namespace

QPoint bodyOffset(int piece)
{
    return isPiece(piece) ? BodyOffsets[piece] : QPoint();
}

int shapeOf(int piece)
{
    return isPiece(piece) ? Shapes[piece] : 0;
}

QPoint homePosition(int piece, QPoint board)
{
    const QPoint offset = bodyOffset(piece);
    return {board.x() + CellSize * columnOf(piece) - offset.x(),
            board.y() + CellSize * rowOf(piece) - offset.y()};
}

Cell cellUnderCorner(QPoint corner, QPoint board)
{
    const auto nearestLine = [](int distance) {
        return int(std::floor((distance + CellSize / 2) / double(CellSize))) + 1;
    };
    return {nearestLine(corner.y() - board.y()), nearestLine(corner.x() - board.x())};
}

bool snapsHome(int piece, QPoint corner, QPoint board)
{
    const Cell cell = cellUnderCorner(corner, board);
    return cell.onBoard() && cell.piece() == piece;
}

Slots slotPositions(QSize area, QSize pieceSize)
{
    const int w = area.width();
    const int h = area.height();
    const int pw = pieceSize.width();
    const int ph = pieceSize.height();
    Slots places{};
    const auto slot = [&places](int number) -> QPoint & { return places[number - 1]; };

    // The columns spread out as the window grows taller, but never so far
    // that seven pieces leave the window. Two pieces never touch, and the
    // row below the board keeps clear of the board's frame (its nine-pixel
    // bevel and one pixel more), however little the window grows.
    const int minimumGap = 1;
    const int y0 = std::clamp(roundPixels(h / 8.0 - 60), 0, std::max(0, h - 7 * ph - 6 * minimumGap));
    const int spread = h == 600 ? 4 : roundPixels((h - 600) / 7.0);
    const int room = (h - y0 - 7 * ph) / 6;
    const int boardTop = roundPixels((h - BoardSize) / 2.0);
    const int belowFrame = boardTop + BoardSize + BoardFrame + 1;
    const int clearOfFrame = (belowFrame - y0 + 5) / 6 - ph;
    const int least = std::max(minimumGap, clearOfFrame);
    const int gapY = std::max(least, std::min(spread, room));
    const int gapX = std::max(0, roundPixels((w - 10.0 * pw) / 11.0));

    // Left block: two columns of seven, the top of a third column, and one
    // slot in the top row five columns further right.
    int x = gapX;
    int y = y0;
    for (int j = 1; j <= 16; ++j) {
        slot(j) = QPoint(x + 6, y);
        y = roundPixels(y + ph + gapY);
        if (j == 7 || j == 14) {
            y = y0;
            x = roundPixels(x + pw + gapX);
        }
        if (j == 16)
            slot(j) = QPoint(5 * (gapX + pw) + x + 4, y0);
    }

    // Right block: two columns of seven from the right edge inwards.
    x = roundPixels(w - gapX - pw - 4);
    y = y0;
    for (int j = 17; j <= 30; ++j) {
        slot(j) = QPoint(x, y);
        y = roundPixels(y + ph + gapY);
        if (j == 23) {
            y = y0;
            x = roundPixels(x - pw - gapX);
        }
    }

    // The slot in the top row moves left only when it would touch the right
    // block's inner column, and then to the columns' spacing from it.
    if (slot(16).x() + pw >= slot(24).x())
        slot(16).setX(slot(24).x() - std::max(gapX, minimumGap) - pw);

    // Bottom row of six below the board, between the second column on the
    // left and the inner column on the right. On a narrow window the usual
    // spacing would lay its ends over those columns: the six then share the
    // room between them evenly.
    const int rowY = y0 + 6 * (ph + gapY);
    const int leftEdge = slot(14).x() + pw;
    const int rightEdge = slot(24).x();
    x = roundPixels(2.0 * pw + 3.0 * gapX);
    int step = pw + gapX;
    if (x <= leftEdge || x + 5 * step + pw >= rightEdge) {
        const int spare = std::max(minimumGap, (rightEdge - leftEdge - 6 * pw) / 7);
        x = leftEdge + spare;
        step = pw + spare;
    }
    for (int j = 31; j <= 36; ++j) {
        slot(j) = QPoint(x, rowY);
        x += step;
    }
    return places;
}

std::array<int, PieceCount> shuffledPieces(QRandomGenerator &random)
{
    std::array<int, PieceCount> order{};
    std::iota(order.begin(), order.end(), 1);
    // Fisher and Yates, from the back: every order is as likely, and a
    // generator with a given seed always deals the same.
    for (int i = PieceCount - 1; i > 0; --i)
        std::swap(order[i], order[random.bounded(i + 1)]);
    return order;
}

std::array<int, PieceCount> shuffledPieces()
{
    return shuffledPieces(*QRandomGenerator::global());
}

} // namespace puzzle
