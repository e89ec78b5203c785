#pragma once

#include <QRect>
#include <QRegion>

#include <array>

// The jigsaw outlines. Every puzzle is cut the same way, from 23 outline
// shapes; a piece's outline depends on its number alone (puzzle::shapeOf).
namespace outlines {

inline constexpr int ShapeCount = 23;

// A tab is a circle added to the body, a hole a circle cut out of it. Both
// are 32 pixels across, centred 6 pixels from the side they sit on.
struct Circle
{
    QRect box;
    bool tab = false;
};

// One outline shape: the pieces that share it, the 60 x 60 body inside the
// 70 x 70 square, and the circles in the order they are applied.
// Coordinates are those of the piece's square.
struct Shape
{
    int number = 0;
    std::array<int, 4> pieces{};
    int pieceCount = 0;
    QRect body;
    std::array<Circle, 4> circles{};
    int circleCount = 0;
};

// The 23 shapes, shape k at index k - 1.
const std::array<Shape, ShapeCount> &shapes();

// The outline of shape k (1-23) in the coordinates of the piece's square;
// empty for any other number.
QRegion outline(int shape);

} // namespace outlines
