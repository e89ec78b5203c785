#include "game/Outlines.h"

namespace outlines {

namespace {

// Rectangles are written as left, top, right, bottom with the right and
// bottom edges excluded, the way the outlines were first drawn up.
constexpr QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

constexpr Circle tab(int left, int top, int right, int bottom)
{
    return {box(left, top, right, bottom), true};
}

constexpr Circle hole(int left, int top, int right, int bottom)
{
    return {box(left, top, right, bottom), false};
}

Shape makeShape(int number, std::initializer_list<int> pieces, QRect body,
                std::initializer_list<Circle> circles)
{
    Shape s;
    s.number = number;
    for (int n : pieces)
        s.pieces[s.pieceCount++] = n;
    s.body = body;
    for (const Circle &c : circles)
        s.circles[s.circleCount++] = c;
    return s;
}

// A tab of one piece and the hole of its neighbour are the same circle on
// the board, so the two fit without gap or overlap.
std::array<Shape, ShapeCount> buildTable()
{
    const QRect upper = box(0, 10, 60, 70);  // body with the margin above
    const QRect both = box(10, 10, 70, 70);  // margins left and above
    const QRect none = box(0, 0, 60, 60);    // no margin before the body
    const QRect left = box(10, 0, 70, 60);   // margin to the left
    return {
        makeShape(1, {1}, upper, {tab(38, 24, 70, 56), hole(14, 60, 46, 92)}),
        makeShape(2, {2}, upper,
                  {tab(38, 24, 70, 56), hole(14, 60, 46, 92), hole(-22, 24, 10, 56)}),
        makeShape(3, {10, 20, 26, 28}, both,
                  {tab(0, 24, 32, 56), tab(24, 0, 56, 32), hole(24, 60, 56, 92),
                   hole(60, 24, 92, 56)}),
        makeShape(4, {13, 31}, upper, {tab(38, 24, 70, 56), tab(14, 0, 46, 32)}),
        makeShape(5, {3, 17}, none,
                  {tab(14, 38, 46, 70), hole(-22, 14, 10, 46), hole(50, 14, 82, 46)}),
        makeShape(6, {4, 27}, left,
                  {tab(0, 14, 32, 46), hole(60, 14, 92, 46), hole(24, 50, 56, 82)}),
        makeShape(7, {5}, left,
                  {tab(0, 14, 32, 46), hole(60, 14, 92, 46), tab(24, 38, 56, 70)}),
        makeShape(8, {6}, left, {tab(0, 14, 32, 46), hole(24, 50, 56, 82)}),
        makeShape(9, {8}, upper,
                  {hole(-22, 24, 10, 56), tab(14, 0, 46, 32), hole(14, 60, 46, 92),
                   hole(50, 24, 82, 56)}),
        makeShape(10, {11, 35}, both,
                  {tab(0, 24, 32, 56), hole(24, -12, 56, 20), hole(60, 24, 92, 56)}),
        makeShape(11, {19}, upper, {hole(50, 24, 82, 56), hole(14, 60, 46, 92)}),
        makeShape(12, {36}, both, {tab(0, 24, 32, 56), hole(24, -12, 56, 20)}),
        makeShape(13, {7, 22}, upper,
                  {tab(38, 24, 70, 56), tab(14, 0, 46, 32), hole(14, 60, 46, 92)}),
        makeShape(14, {9, 29}, left,
                  {tab(0, 14, 32, 46), hole(24, -22, 56, 10), hole(60, 14, 92, 46),
                   tab(24, 38, 56, 70)}),
        makeShape(15, {23}, none,
                  {tab(14, 38, 46, 70), hole(-22, 14, 10, 46), hole(50, 14, 82, 46),
                   hole(14, -22, 46, 10)}),
        makeShape(16, {12, 18}, both,
                  {tab(0, 24, 32, 56), tab(24, 0, 56, 32), hole(24, 60, 56, 92)}),
        makeShape(17, {14, 16}, upper,
                  {tab(38, 24, 70, 56), tab(14, 0, 46, 32), hole(14, 60, 46, 92),
                   hole(-22, 24, 10, 56)}),
        makeShape(18, {15}, upper,
                  {tab(38, 24, 70, 56), hole(14, 60, 46, 92), hole(-22, 24, 10, 56),
                   hole(14, -12, 46, 20)}),
        makeShape(19, {21, 24}, both, {tab(0, 24, 32, 56), tab(24, 0, 56, 32)}),
        makeShape(20, {25}, upper,
                  {hole(50, 24, 82, 56), tab(14, 0, 46, 32), hole(14, 60, 46, 92)}),
        makeShape(21, {30}, left, {tab(0, 14, 32, 46), tab(24, 38, 56, 70)}),
        makeShape(22, {32}, upper,
                  {hole(-22, 24, 10, 56), tab(14, 0, 46, 32), hole(50, 24, 82, 56)}),
        makeShape(23, {33, 34}, both,
                  {tab(0, 24, 32, 56), tab(24, 0, 56, 32), hole(60, 24, 92, 56)}),
    };
}

// The body, then each circle in turn: a tab joined to the outline, a hole
// taken out of it.
QRegion buildOutline(const Shape &shape)
{
    QRegion region(shape.body);
    for (int i = 0; i < shape.circleCount; ++i) {
        const Circle &c = shape.circles[i];
        const QRegion circle(c.box, QRegion::Ellipse);
        region = c.tab ? region.united(circle) : region.subtracted(circle);
    }
    return region;
}

} // namespace

const std::array<Shape, ShapeCount> &shapes()
{
    static const std::array<Shape, ShapeCount> table = buildTable();
    return table;
}

QRegion outline(int shape)
{
    if (shape < 1 || shape > ShapeCount)
        return {};
    return buildOutline(shapes()[shape - 1]);
}

} // namespace outlines
