#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The scene (board, pieces, panels, buttons) is laid out in design pixels,
// the pixels of the classic 800 x 600 game, and shown at one scale.
namespace scene {

// Device pixels per design pixel for a window whose inside measures
// `deviceInside` device pixels: exactly 1 up to 1024 x 768, above that the
// largest quarter step at which the smallest scene still fits, so that the
// board grows with the window.
double scaleFor(QSize deviceInside);

// A design length from the scene's corner in device pixels, rounded so that
// shapes that meet in design pixels (a tab and its hole, a piece and its
// cell) still meet: pictures drawn in device pixels put their edges here.
int devicePixel(int design, double deviceScale);
QPoint devicePoint(QPoint design, double deviceScale);
// Both corners rounded: neighbouring rectangles stay neighbours.
QRect deviceRect(const QRect &design, double deviceScale);

} // namespace scene
