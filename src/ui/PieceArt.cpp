#include "ui/PieceArt.h"

#include "assets/Assets.h"
#include "game/Puzzle.h"

#include <QPainter>

namespace pieceart {

namespace {

constexpr QRgb ColourBits = 0x00ffffff;

} // namespace

QImage cutPiece(const QImage &picture, int piece)
{
    QImage square(puzzle::PieceSquare, puzzle::PieceSquare, QImage::Format_RGB32);
    square.fill(Qt::black);
    const QPoint offset = puzzle::bodyOffset(piece);
    const QPoint cellCorner(puzzle::CellSize * puzzle::columnOf(piece),
                            puzzle::CellSize * puzzle::rowOf(piece));
    QPainter p(&square);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(offset - cellCorner, picture.convertToFormat(QImage::Format_RGB32));
    return square;
}

QImage pieceImage(const QImage &picture, int piece, bool withEdge)
{
    QImage square = cutPiece(picture, piece);
    if (withEdge) {
        // Without its edge picture a piece keeps its plain cut.
        const QImage edge = assets::edgeBitmap(puzzle::shapeOf(piece));
        if (!edge.isNull())
            overlayTransparent(square, edge, EdgeTransparent);
    }
    return square;
}

void overlayTransparent(QImage &target, const QImage &overlay, QRgb transparent)
{
    const QImage src = overlay.convertToFormat(QImage::Format_RGB32);
    if (target.format() != QImage::Format_RGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(src.width(), target.width());
    const int h = std::min(src.height(), target.height());
    const QRgb key = transparent & ColourBits;
    for (int y = 0; y < h; ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(target.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if ((in[x] & ColourBits) != key)
                out[x] = 0xff000000 | (in[x] & ColourBits);
        }
    }
}

} // namespace pieceart
