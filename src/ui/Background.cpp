#include "ui/Background.h"

#include "platform/Surface.h"

#include <QImage>

namespace tiling {

QList<int> TileStarts(int extent, int step)
{
    QList<int> starts;
    if (step <= 0)
        return starts;
    for (int at = 0; at <= extent; at += step)
        starts.append(at);
    return starts;
}

QList<QPoint> TilePositions(QSize outer, QSize tile)
{
    QList<QPoint> positions;
    const QList<int> rows = TileStarts(outer.height(), tile.height());
    if (rows.isEmpty())
        return positions;
    for (int x : TileStarts(outer.width(), tile.width())) {
        for (int y : rows)
            positions.append(QPoint(x, y));
    }
    return positions;
}

void MergePaintTiles(platform::Surface &surface, const QImage &texture, QSize outer)
{
    if (texture.isNull())
        return;
    for (const QPoint &at : TilePositions(outer, texture.size()))
        surface.paintPicture(texture, at.x(), at.y(), platform::RasterOp::MergePaint);
}

} // namespace tiling
