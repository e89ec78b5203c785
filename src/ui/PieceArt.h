#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>

// The pictures of the pieces: each cut out of the board's picture, with or
// without its raised 3-D edge.
namespace pieceart {

// The 70 x 70 square of a piece (1-36) cut from the board's 360 x 360
// picture around its cell. The top row and the left column reach up to 10
// pixels beyond the picture; those pixels are black and lie outside the outline.
QImage cutPiece(const QImage &picture, int piece);

// The square of a piece with or without its 3-D edge.
QImage pieceImage(const QImage &picture, int piece, bool withEdge);

// The picture of a piece as the scene shows it, in device pixels at
// `deviceScale` device pixels per design pixel, for a board at `board`
// (design pixels): cut from the board's picture (at its device size) exactly
// where the piece lies when home, transparent beyond its outline, and the
// edge drawn at that size from the outline itself, two design pixels wide,
// as the edge bitmaps are. At scale 1 it is the square above.
QImage pieceImage(const QImage &picture, int piece, bool withEdge, double deviceScale, QPoint board);

// The piece's outline at `deviceScale`, in the device pixels of its own
// square, for a board at `board`. The tabs and holes are scaled where they
// lie in the scene, so neighbours still fit without gap or overlap.
QRegion pieceOutline(int piece, double deviceScale, QPoint board);

// Lays `overlay` over the top-left of `target` in place, except where the
// overlay is `transparent`: there `target` keeps its own pixel.
void overlayTransparent(QImage &target, const QImage &overlay, QRgb transparent);

// The edge's transparent colour: pure red.
inline constexpr QRgb EdgeTransparent = 0xffff0000;

} // namespace pieceart
