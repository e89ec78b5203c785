#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QImage;
class QPainter;

namespace platform {
class Surface;
}

// The window's background: a marble texture laid like floor tiles, and the
// grey bevels around the board and the panels.
namespace background {

// Where the tiles along one side start: 0, step, 2 step, ... as long as the
// start is within `extent` pixels (the last tile is cut off at the edge).
// None for a step of 0 or less, which would never get anywhere.
QList<int> tileStarts(int extent, int step);

// The top-left corners of every tile covering `outer` with tiles of `tile`,
// column by column.
QList<QPoint> tilePositions(QSize outer, QSize tile);

// Paints `texture` at each tile position as (NOT texture) OR what is there:
// on a plain colour the light parts of the texture leave the colour as it is
// and the dark parts lighten it, so the texture takes the window's colour.
// Painting twice gives the same as painting once.
void tileTexture(platform::Surface &surface, const QImage &texture, QSize outer);

// One pixel-wide line of a bevel: its pixels and its shade.
struct BevelLine {
    QRect pixels;
    QColor colour;
};

// The lines of the bevel below, in the order they are drawn (later lines
// cover the ends of earlier ones).
QList<BevelLine> bevelLines(const QRect &around, bool sunken, double scale = 1.0);

// A bevel nine design pixels wide around `around`: sunken (light from the
// lower right) while a game is on, raised on the start screen. At a scale
// each design ring is as many pixels wide as the scale makes it.
void drawBevel(platform::Surface &surface, const QRect &around, bool sunken, double scale = 1.0);
// The same bevel painted directly, `around` in the painter's pixels.
void paintBevel(QPainter &painter, const QRect &around, bool sunken, double scale = 1.0);

// The raised frame, `depth` design pixels deep, just inside the edge of a
// panel of `size` pixels.
void drawPanelFrame(platform::Surface &surface, QSize size, int depth, double scale = 1.0);

} // namespace background
