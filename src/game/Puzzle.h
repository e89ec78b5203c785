#pragma once

#include <QPoint>
#include <QSize>

#include <array>

class QRandomGenerator;

// The fixed cut of every puzzle: a 6 x 6 grid of 60-pixel cells on a 360 x 360
// board, 36 pieces numbered 1 to 36 row by row from the top left. A piece is
// shown in a 70 x 70 square whose 60 x 60 body lies at a body offset of 0 or
// 10 pixels on each axis; the rest of the square holds its tabs.
namespace puzzle {

inline constexpr int GridSize = 6;
inline constexpr int PieceCount = 36;
inline constexpr int CellSize = 60;
inline constexpr int PieceSquare = 70;
inline constexpr int BoardSize = 360;
// The bevel around the board, in pixels on each side.
inline constexpr int BoardFrame = 9;
// A piece widget is a little larger than its square; the outline masks the rest.
inline constexpr int PieceWidgetSize = 77;

// Row and column of a piece (1-36), both counted from 0.
constexpr int rowOf(int piece) { return (piece - 1) / GridSize; }
constexpr int columnOf(int piece) { return (piece - 1) % GridSize; }

// Where the piece's body lies inside its 70 x 70 square.
QPoint bodyOffset(int piece);

// The outline shape (1-23) of a piece; its edge bitmap is asset 400 + shape.
int shapeOf(int piece);

// The piece's top-left corner when it lies on its own cell of a board whose
// top-left corner is `board`.
QPoint homePosition(int piece, QPoint board);

// A grid cell, row and column counted from 1; cells outside 1-6 are off the board.
struct Cell
{
    int row = 0;
    int column = 0;
    bool onBoard() const { return row >= 1 && row <= GridSize && column >= 1 && column <= GridSize; }
    int piece() const { return GridSize * (row - 1) + column; }
};

// The cell named by a piece dropped with its top-left corner at `corner`:
// the corner is rounded to the nearest grid line, so a cell takes corners
// within [-30, +30) pixels of its own corner on each axis.
Cell cellUnderCorner(QPoint corner, QPoint board);

// True when the piece dropped with its corner at `corner` lands on its own cell.
bool snapsHome(int piece, QPoint corner, QPoint board);

// The smallest window the scene fits: every loose piece in its own slot,
// clear of the board's buttons and of the other pieces.
inline constexpr QSize MinimumArea(800, 550);

// The 36 places around the board where loose pieces are dealt, slot 1 at
// index 0: two columns of seven and a short third column on the left, two
// columns of seven on the right, a row of six below the board and one slot
// in the top row. `area` is the window's inside, where the columns spread
// out as it grows taller; down to MinimumArea they never touch each other
// nor the board's frame, and never leave the window.
using Slots = std::array<QPoint, PieceCount>;
Slots slotPositions(QSize area, QSize pieceSize);

// The 36 pieces in the order in which they fill the slots, shuffled by
// `random`; the same seed deals the same order.
std::array<int, PieceCount> shuffledPieces(QRandomGenerator &random);
// The same with the system's generator: a fresh order every time.
std::array<int, PieceCount> shuffledPieces();

} // namespace puzzle
