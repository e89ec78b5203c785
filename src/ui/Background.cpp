#include "ui/Background.h"


#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace background {

namespace {

QColor grey(int g)
{
    g = std::clamp(g, 0, 255);
    return QColor(g, g, g);
}

} // namespace

QList<int> tileStarts(int extent, int step)
{
    QList<int> starts;
    if (step <= 0)
        return starts;
    for (int at = 0; at <= extent; at += step)
        starts.append(at);
    return starts;
}

QList<QPoint> tilePositions(QSize outer, QSize tile)
{
    QList<QPoint> positions;
    const QList<int> rows = tileStarts(outer.height(), tile.height());
    if (rows.isEmpty())
        return positions;
    for (int x : tileStarts(outer.width(), tile.width())) {
        for (int y : rows)
            positions.append(QPoint(x, y));
    }
    return positions;
}

QImage tintedTile(const QImage &texture, const QColor &colour)
{
    // A translucent texture counts as laid on white.
    QImage tile(texture.size(), QImage::Format_RGB32);
    tile.fill(Qt::white);
    QPainter(&tile).drawImage(0, 0, texture);
    const QRgb under = colour.rgb();
    for (int y = 0; y < tile.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x)
            row[x] = 0xff000000 | ~row[x] | under;
    }
    return tile;
}

QList<BevelLine> bevelLines(const QRect &around, bool sunken, double scale)
{
    const int T = around.y();
    const int W = around.width();
    const int L = around.x();
    const int H = around.height();
    // Nine rings, each one grey step further from the middle grey: the right
    // and bottom sides take one shade, the left and top the other. The
    // innermost ring is drawn last in the outermost ring's shade, as a frame.
    const auto ringOf = [scale](int offset) { return int(offset / scale); };
    const int rings = int(std::lround(9 * scale));
    const QColor frame = grey(sunken ? 140 - 80 : 140 + 80);
    QList<BevelLine> lines;
    lines.reserve(4 * rings);
    for (int k = 0; k < rings; ++k) {
        const int ring = ringOf(k);
        const bool inner = ring == 0;
        const QColor lowerRight = inner ? frame : grey(sunken ? 140 + 10 * ring : 140 - 10 * ring);
        const QColor upperLeft = inner ? frame : grey(sunken ? 140 - 10 * ring : 140 + 10 * ring);
        // Right side down, bottom leftwards, left side up, top rightwards;
        // each line leaves its last pixel to the next.
        lines.append({QRect(L + W + k, T - k - 1, 1, H + 2 * k + 1), lowerRight});
        lines.append({QRect(L - k, T + H + k, W + 2 * k + 1, 1), lowerRight});
        lines.append({QRect(L - k - 1, T - k, 1, H + 2 * k + 1), upperLeft});
        lines.append({QRect(L - k - 1, T - k - 1, W + 2 * k + 1, 1), upperLeft});
    }
    return lines;
}

void paintBevel(QPainter &painter, const QRect &around, bool sunken, double scale)
{
    for (const BevelLine &line : bevelLines(around, sunken, scale))
        painter.fillRect(line.pixels, line.colour);
}

void paintPanelFrame(QPainter &p, QSize size, int depth)
{
    const int W = size.width();
    const int H = size.height();
    const int N = depth;
    // Ring by ring outwards from the inner edge: the lower and right sides in
    // shadow, the upper and left ones lit, each ring a step further apart.
    for (int k = 0; k <= N; ++k) {
        const QColor dark = grey(160 - 10 * k);
        const QColor lit = grey(160 + 10 * k);
        p.fillRect(W - N + k, N - k - 1, 1, H - 2 * N + 2 * k, dark);
        p.fillRect(N - k, H - N + k - 1, W - 2 * N + 2 * k + 1, 1, dark);
        p.fillRect(N - k - 1, N - k, 1, H - 2 * N + 2 * k, lit);
        p.fillRect(N - k - 1, N - k - 1, W - 2 * N + 2 * k + 1, 1, lit);
    }
}

} // namespace background
