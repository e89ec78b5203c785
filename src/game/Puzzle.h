#pragma once

#include <QPoint>
#include <QSize>

#include <array>

// The fixed cut of every puzzle: a 6 x 6 grid of 60-pixel cells on a 360 x 360
// board, 36 pieces numbered row by row from the top left, each shown in a
// 70 x 70 square whose 60 x 60 body lies at a body offset of 0 or 10 pixels
// on each axis.
namespace geometry {

inline constexpr int GridSize = 6;
inline constexpr int PieceCount = 36;
inline constexpr int Cell = 60;
inline constexpr int PieceSquare = 70;
inline constexpr int BoardSize = 360;
inline constexpr int PieceWindow = 77;

// Row and column of piece n (1-36), both from 0.
constexpr int RowOf(int n) { return (n - 1) / GridSize; }
constexpr int ColumnOf(int n) { return (n - 1) % GridSize; }

// Where piece n's body lies inside its 70 x 70 square.
QPoint BodyOffset(int n);

// The outline shape (1-23) of piece n; its edge bitmap is resource 400 + shape.
int ShapeOfPiece(int n);

// The piece's window position when it lies in its own cell of a board whose
// top-left corner is `board`.
QPoint HomePosition(int n, QPoint board);

// The 36 slots around the board, slot j (1-36) at index j, for a window of
// outer size w x h on a screen sh pixels high, with pieces of pw x ph.
std::array<QPoint, PieceCount + 1> ScatterSlots(int w, int h, int sh, int pw, int ph);

} // namespace geometry
