#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

class QImage;

namespace platform {
class Surface;
}

// The background texture laid over the main window like floor tiles.
namespace tiling {

// Where the tiles along one side start: 0, step, 2 step, ... as long as the
// start is within `extent` pixels (the last tile is cut off at the edge).
// None for a step of 0 or less, which would never get anywhere.
QList<int> TileStarts(int extent, int step);

// The top-left corners of every tile covering `outer` with tiles of `tile`,
// column by column.
QList<QPoint> TilePositions(QSize outer, QSize tile);

// Paints `texture` at each tile position with MERGEPAINT, (NOT texture) OR
// what is there: on a plain colour the light parts of the texture leave the
// colour as it is and the dark parts lighten it, so the texture takes the
// window's colour. Painting twice gives the same as painting once.
void MergePaintTiles(platform::Surface &surface, const QImage &texture, QSize outer);

} // namespace tiling
