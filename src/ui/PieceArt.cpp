#include "ui/PieceArt.h"

#include "assets/Assets.h"
#include "game/Outlines.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pieceart {

namespace {

constexpr QRgb ColourBits = 0x00ffffff;

// The picture with every pixel outside `inside` (a grey mask of its size)
// made transparent.
QImage clearBeyond(const QImage &picture, const QImage &inside)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        const uchar *mask = inside.constScanLine(y);
        for (int x = 0; x < result.width(); ++x) {
            if (!mask[x])
                row[x] = 0;
        }
    }
    return result;
}

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

QRegion pieceOutline(int piece, double deviceScale, QPoint board)
{
    const outlines::Shape &shape = outlines::shapes()[puzzle::shapeOf(piece) - 1];
    if (deviceScale == 1.0)
        return outlines::outline(shape.number);
    const QPoint home = puzzle::homePosition(piece, board);
    const QPoint origin = scene::devicePoint(home, deviceScale);
    // Corners where the scene's device pixels put them, curves traced in them.
    const auto inDevice = [&](const QRect &local) {
        return scene::deviceRect(local.translated(home), deviceScale).translated(-origin);
    };
    QRegion region(inDevice(shape.body));
    for (int i = 0; i < shape.circleCount; ++i) {
        const outlines::Circle &c = shape.circles[i];
        const QRegion circle(inDevice(c.box), QRegion::Ellipse);
        region = c.tab ? region.united(circle) : region.subtracted(circle);
    }
    return region;
}

QImage pieceImage(const QImage &picture, int piece, bool withEdge, double deviceScale, QPoint board)
{
    const QRegion outline = pieceOutline(piece, deviceScale, board);
    const auto insideOf = [&outline](QSize size) {
        QImage inside(size, QImage::Format_Grayscale8);
        inside.fill(0);
        QPainter p(&inside);
        p.setClipRegion(outline);
        p.fillRect(inside.rect(), Qt::white);
        return inside;
    };
    if (deviceScale == 1.0) {
        const QImage square = pieceImage(picture, piece, withEdge);
        return clearBeyond(square, insideOf(square.size()));
    }
    const QPoint home = puzzle::homePosition(piece, board);
    const QRect square = scene::deviceRect(QRect(home, QSize(puzzle::PieceSquare, puzzle::PieceSquare)), deviceScale);
    // Device pixels from the board's corner to the square's, as they lie in the scene.
    const QPoint from = square.topLeft() - scene::devicePoint(board, deviceScale);
    QImage cut(square.size(), QImage::Format_RGB32);
    cut.fill(Qt::black);
    {
        QPainter p(&cut);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(-from, picture);
    }
    const QImage inside = insideOf(cut.size());
    if (!withEdge)
        return clearBeyond(cut, inside);
    const int w = cut.width();
    const int h = cut.height();
    // The mask as one flat array: it is read four times per pixel.
    std::vector<unsigned char> mask(std::size_t(w * h));
    for (int y = 0; y < h; ++y)
        std::copy_n(inside.constScanLine(y), w, mask.begin() + std::ptrdiff_t(y) * w);
    const auto in = [&mask, w](int x, int y) { return mask[std::size_t(y * w + x)] != 0; };
    // For every pixel inside, how far the outline is in each direction (1:
    // the next pixel is outside), found in one pass per direction.
    std::vector<int> down(std::size_t(w * h)), up(down.size()), right(down.size()), left(down.size());
    const auto at = [w](int x, int y) { return std::size_t(y * w + x); };
    for (int x = 0; x < w; ++x) {
        for (int y = h - 1; y >= 0; --y)
            down[at(x, y)] = y + 1 < h && in(x, y + 1) ? down[at(x, y + 1)] + 1 : 1;
        for (int y = 0; y < h; ++y)
            up[at(x, y)] = y > 0 && in(x, y - 1) ? up[at(x, y - 1)] + 1 : 1;
    }
    for (int y = 0; y < h; ++y) {
        for (int x = w - 1; x >= 0; --x)
            right[at(x, y)] = x + 1 < w && in(x + 1, y) ? right[at(x + 1, y)] + 1 : 1;
        for (int x = 0; x < w; ++x)
            left[at(x, y)] = x > 0 && in(x - 1, y) ? left[at(x - 1, y)] + 1 : 1;
    }
    // The edge: along every side of the outline that faces up or left a
    // light line, along every side that faces down or right a dark one (the
    // shadow wins where they meet), each two design pixels wide: white then
    // silver, black then grey.
    const int width = std::max(2, int(std::lround(2 * deviceScale)));
    const QRgb light[2] = {qRgb(255, 255, 255), qRgb(192, 192, 192)};
    const QRgb dark[2] = {qRgb(0, 0, 0), qRgb(128, 128, 128)};
    const auto line = [deviceScale](int d) { return std::min(1, int((d - 1) / deviceScale)); };
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(cut.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (!in(x, y))
                continue;
            const std::size_t i = at(x, y);
            const int shade = std::min(down[i], right[i]);
            const int lit = std::min(up[i], left[i]);
            // Where a lit side meets a shaded one the shadow wins.
            if (shade <= width && shade <= lit)
                row[x] = dark[line(shade)];
            else if (lit <= width)
                row[x] = light[line(lit)];
        }
    }
    return clearBeyond(cut, inside);
}

} // namespace pieceart
