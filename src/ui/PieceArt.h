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

// The same at `factor` window pixels per design pixel and `ratio` device
// pixels per window pixel, for a board at `board` (design pixels): cut from
// the board's picture (at its device size) exactly where the piece lies when
// home, and the edge drawn at that size from the outline itself, two design
// pixels wide, as the edge bitmaps are.
QImage pieceImage(const QImage &picture, int piece, bool withEdge, double factor, qreal ratio,
                  QPoint board);

// The piece's outline at `factor`, in the coordinates of its own square, for
// a board at `board`. The tabs and holes are scaled where they lie in the
// window, so neighbours still fit without gap or overlap. With a `ratio`
// other than 1 the outline is in device pixels, its curves traced at that
// resolution.
QRegion pieceOutline(int piece, double factor, QPoint board, qreal ratio = 1.0);

// Lays `overlay` over the top-left of `target` in place, except where the
// overlay is `transparent`: there `target` keeps its own pixel.
void overlayTransparent(QImage &target, const QImage &overlay, QRgb transparent);

// The edge's transparent colour: pure red.
inline constexpr QRgb EdgeTransparent = 0xffff0000;

} // namespace pieceart
