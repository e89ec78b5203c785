#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QImage;
class QPainter;

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

// One tile of the texture laid on `colour` as (NOT texture) OR colour: the
// light parts of the texture leave the colour as it is and the dark parts
// lighten it, so the texture takes the window's colour.
QImage tintedTile(const QImage &texture, const QColor &colour);

// One pixel-wide line of a bevel: its pixels and its shade.
struct BevelLine {
    QRect pixels;
    QColor colour;
};

// The lines of the bevel below, in the order they are drawn (later lines
// cover the ends of earlier ones).
QList<BevelLine> bevelLines(const QRect &around, bool sunken, double scale = 1.0);

// A bevel nine design pixels wide around `around` (in the painter's pixels):
// sunken (light from the lower right) while a game is on, raised on the
// start screen. At a scale each design ring is as many pixels wide as the
// scale makes it.
void paintBevel(QPainter &painter, const QRect &around, bool sunken, double scale = 1.0);

// The raised frame, `depth` pixels deep, just inside the edge of a panel of
// `size` pixels.
void paintPanelFrame(QPainter &painter, QSize size, int depth);

} // namespace background
