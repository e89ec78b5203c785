#include "game/Outlines.h"

#include "ui/MainWindow.h"

namespace Tessere {

namespace {

// Rectangles are written as left, top, right, bottom with the right and
// bottom edges excluded, the way the outlines were first drawn up.
constexpr QRect Box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

constexpr Circle Tab(int left, int top, int right, int bottom)
{
    return {Box(left, top, right, bottom), true};
}

constexpr Circle Hole(int left, int top, int right, int bottom)
{
    return {Box(left, top, right, bottom), false};
}

Shape MakeShape(int number, std::initializer_list<int> pieces, QRect body,
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
std::array<Shape, ShapeCount> BuildTable()
{
    const QRect upper = Box(0, 10, 60, 70);  // body with the margin above
    const QRect both = Box(10, 10, 70, 70);  // margins left and above
    const QRect none = Box(0, 0, 60, 60);    // no margin before the body
    const QRect left = Box(10, 0, 70, 60);   // margin to the left
    return {
        MakeShape(1, {1}, upper, {Tab(38, 24, 70, 56), Hole(14, 60, 46, 92)}),
        MakeShape(2, {2}, upper,
                  {Tab(38, 24, 70, 56), Hole(14, 60, 46, 92), Hole(-22, 24, 10, 56)}),
        MakeShape(3, {10, 20, 26, 28}, both,
                  {Tab(0, 24, 32, 56), Tab(24, 0, 56, 32), Hole(24, 60, 56, 92),
                   Hole(60, 24, 92, 56)}),
        MakeShape(4, {13, 31}, upper, {Tab(38, 24, 70, 56), Tab(14, 0, 46, 32)}),
        MakeShape(5, {3, 17}, none,
                  {Tab(14, 38, 46, 70), Hole(-22, 14, 10, 46), Hole(50, 14, 82, 46)}),
        MakeShape(6, {4, 27}, left,
                  {Tab(0, 14, 32, 46), Hole(60, 14, 92, 46), Hole(24, 50, 56, 82)}),
        MakeShape(7, {5}, left,
                  {Tab(0, 14, 32, 46), Hole(60, 14, 92, 46), Tab(24, 38, 56, 70)}),
        MakeShape(8, {6}, left, {Tab(0, 14, 32, 46), Hole(24, 50, 56, 82)}),
        MakeShape(9, {8}, upper,
                  {Hole(-22, 24, 10, 56), Tab(14, 0, 46, 32), Hole(14, 60, 46, 92),
                   Hole(50, 24, 82, 56)}),
        MakeShape(10, {11, 35}, both,
                  {Tab(0, 24, 32, 56), Hole(24, -12, 56, 20), Hole(60, 24, 92, 56)}),
        MakeShape(11, {19}, upper, {Hole(50, 24, 82, 56), Hole(14, 60, 46, 92)}),
        MakeShape(12, {36}, both, {Tab(0, 24, 32, 56), Hole(24, -12, 56, 20)}),
        MakeShape(13, {7, 22}, upper,
                  {Tab(38, 24, 70, 56), Tab(14, 0, 46, 32), Hole(14, 60, 46, 92)}),
        MakeShape(14, {9, 29}, left,
                  {Tab(0, 14, 32, 46), Hole(24, -22, 56, 10), Hole(60, 14, 92, 46),
                   Tab(24, 38, 56, 70)}),
        MakeShape(15, {23}, none,
                  {Tab(14, 38, 46, 70), Hole(-22, 14, 10, 46), Hole(50, 14, 82, 46),
                   Hole(14, -22, 46, 10)}),
        MakeShape(16, {12, 18}, both,
                  {Tab(0, 24, 32, 56), Tab(24, 0, 56, 32), Hole(24, 60, 56, 92)}),
        MakeShape(17, {14, 16}, upper,
                  {Tab(38, 24, 70, 56), Tab(14, 0, 46, 32), Hole(14, 60, 46, 92),
                   Hole(-22, 24, 10, 56)}),
        MakeShape(18, {15}, upper,
                  {Tab(38, 24, 70, 56), Hole(14, 60, 46, 92), Hole(-22, 24, 10, 56),
                   Hole(14, -12, 46, 20)}),
        MakeShape(19, {21, 24}, both, {Tab(0, 24, 32, 56), Tab(24, 0, 56, 32)}),
        MakeShape(20, {25}, upper,
                  {Hole(50, 24, 82, 56), Tab(14, 0, 46, 32), Hole(14, 60, 46, 92)}),
        MakeShape(21, {30}, left, {Tab(0, 14, 32, 46), Tab(24, 38, 56, 70)}),
        MakeShape(22, {32}, upper,
                  {Hole(-22, 24, 10, 56), Tab(14, 0, 46, 32), Hole(50, 24, 82, 56)}),
        MakeShape(23, {33, 34}, both,
                  {Tab(0, 24, 32, 56), Tab(24, 0, 56, 32), Hole(60, 24, 92, 56)}),
    };
}

// The body, then each circle in turn: a tab joined to the outline, a hole
// taken out of it.
QRegion BuildOutline(const Shape &shape)
{
    QRegion outline(shape.body);
    for (int i = 0; i < shape.circleCount; ++i) {
        const Circle &c = shape.circles[i];
        const QRegion circle(c.box, QRegion::Ellipse);
        outline = c.tab ? outline.united(circle) : outline.subtracted(circle);
    }
    return outline;
}

} // namespace

const std::array<Shape, ShapeCount> &Shapes()
{
    static const std::array<Shape, ShapeCount> table = BuildTable();
    return table;
}

QRegion Outline(int shape)
{
    if (shape < 1 || shape > ShapeCount)
        return {};
    return BuildOutline(Shapes()[shape - 1]);
}

void SetPieceOutlines(frmPuzzle &form)
{
    for (const Shape &shape : Shapes()) {
        const QRegion outline = BuildOutline(shape);
        // Each piece window keeps its own copy of the outline.
        for (int i = 0; i < shape.pieceCount; ++i) {
            if (PictureBox *piece = form.picTessera[shape.pieces[i]])
                piece->setMask(outline);
        }
    }
}

} // namespace Tessere
