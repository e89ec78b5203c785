#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The scene (board, pieces, panels, buttons) is laid out in design pixels,
// the pixels of the classic 800 x 600 game, and drawn at one scale.
namespace scene {

// Device pixels per design pixel for a window whose inside measures
// `deviceInside` device pixels: exactly 1 up to 1024 x 768, above that the
// largest quarter step at which the smallest scene still fits, so that the
// board grows with the window.
double scaleFor(QSize deviceInside);

// Design pixels to one scale's pixels, rounded so that shapes that meet in
// design pixels (a tab and its hole, a piece and its cell) still meet.
struct Scale
{
    double factor = 1.0;

    int px(int design) const;
    QPoint point(QPoint design) const { return {px(design.x()), px(design.y())}; }
    // Both corners scaled: neighbouring rectangles stay neighbours.
    QRect rect(const QRect &design) const;
    QSize size(QSize design) const { return {px(design.width()), px(design.height())}; }
    // The design point nearest to a scaled one.
    QPoint toDesign(QPoint scaled) const;
};

} // namespace scene
