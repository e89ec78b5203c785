// The 23 outline shapes: how they tile the board, what lies inside and
// outside them, and that a masked piece lets clicks through its holes.

#include "support/GameFixture.h"

#include "pieces/Geometry.h"
#include "pieces/Tessere.h"

#include <QTest>

#include <vector>

class TestOutlines : public QObject
{
    Q_OBJECT

private slots:
    void outlinesOfAllPiecesAtHomeCoverTheBoardExactlyOnce();
    void everyPieceHasOneShapeWhoseBodyLiesAtItsOffset();
    void outlinesStayInsideTheSquareAndReachOutOnlyWithTabs_data();
    void outlinesStayInsideTheSquareAndReachOutOnlyWithTabs();
    void shapePointsLieInsideOrOutside_data();
    void shapePointsLieInsideOrOutside();
    void everyPieceWindowGetsTheOutlineOfItsShape();
    void clickInAHoleOrBesideAFlatSideReachesTheBoard_data();
    void clickInAHoleOrBesideAFlatSideReachesTheBoard();
};

namespace {

// The outline of piece n placed at its home on a board whose corner is (0, 0).
QRegion OutlineAtHome(int n)
{
    return Tessere::Outline(geometry::ShapeOfPiece(n))
        .translated(geometry::HomePosition(n, QPoint(0, 0)));
}

} // namespace

void TestOutlines::outlinesOfAllPiecesAtHomeCoverTheBoardExactlyOnce()
{
    // Count how often each pixel of a frame around the board is covered.
    const int margin = 30;
    const int side = geometry::BoardSize + 2 * margin;
    std::vector<int> count(std::size_t(side * side), 0);
    for (int n = 1; n <= geometry::PieceCount; ++n) {
        for (const QRect &r : OutlineAtHome(n)) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    QVERIFY2(x >= -margin && y >= -margin && x < side - margin
                                 && y < side - margin,
                             qPrintable(QStringLiteral("piece %1 reaches (%2, %3)")
                                            .arg(n).arg(x).arg(y)));
                    ++count[std::size_t((y + margin) * side + x + margin)];
                }
        }
    }
    for (int y = -margin; y < side - margin; ++y)
        for (int x = -margin; x < side - margin; ++x) {
            const bool onBoard = x >= 0 && y >= 0 && x < geometry::BoardSize
                                 && y < geometry::BoardSize;
            const int c = count[std::size_t((y + margin) * side + x + margin)];
            if (c != (onBoard ? 1 : 0))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) covered %3 times")
                                     .arg(x).arg(y).arg(c)));
        }
}

void TestOutlines::everyPieceHasOneShapeWhoseBodyLiesAtItsOffset()
{
    QList<int> seen;
    for (const Tessere::Shape &shape : Tessere::Shapes()) {
        QCOMPARE(shape.body.size(), QSize(60, 60));
        for (int i = 0; i < shape.pieceCount; ++i) {
            const int n = shape.pieces[i];
            QVERIFY2(!seen.contains(n), qPrintable(QString::number(n)));
            seen << n;
            QCOMPARE(geometry::ShapeOfPiece(n), shape.number);
            QCOMPARE(shape.body.topLeft(), geometry::BodyOffset(n));
        }
    }
    QCOMPARE(seen.size(), geometry::PieceCount);
}

void TestOutlines::outlinesStayInsideTheSquareAndReachOutOnlyWithTabs_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRect>("bounds");
    // Tabs on both axes reach all four sides of the 70 x 70 square.
    QTest::newRow("3 tabs left and top") << 3 << QRect(0, 0, 70, 70);
    QTest::newRow("7 tabs left and bottom") << 7 << QRect(0, 0, 70, 70);
    // A piece with no tab at all lies within its body.
    QTest::newRow("11 no tab") << 11 << QRect(0, 10, 60, 60);
    // A flat top keeps the margin above empty.
    QTest::newRow("1 flat top") << 1 << QRect(0, 10, 70, 60);
    QTest::newRow("8 bottom hole") << 8 << QRect(0, 0, 70, 60);
    QTest::newRow("12 tab left only") << 12 << QRect(0, 10, 70, 60);
    QTest::newRow("5 tab at the bottom") << 5 << QRect(0, 0, 60, 70);
}

void TestOutlines::outlinesStayInsideTheSquareAndReachOutOnlyWithTabs()
{
    QFETCH(int, shape);
    QFETCH(QRect, bounds);
    QCOMPARE(Tessere::Outline(shape).boundingRect(), bounds);
    for (int s = 1; s <= Tessere::ShapeCount; ++s)
        QVERIFY(QRect(0, 0, 70, 70).contains(Tessere::Outline(s).boundingRect()));
}

void TestOutlines::shapePointsLieInsideOrOutside_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("1 body corner") << 1 << QPoint(0, 10) << true;
    QTest::newRow("1 margin above the flat top") << 1 << QPoint(30, 5) << false;
    QTest::newRow("1 right tab") << 1 << QPoint(65, 40) << true;
    QTest::newRow("1 beside the right tab") << 1 << QPoint(65, 20) << false;
    QTest::newRow("1 bottom hole") << 1 << QPoint(30, 65) << false;
    QTest::newRow("1 beside the bottom hole") << 1 << QPoint(5, 65) << true;
    QTest::newRow("2 left hole") << 2 << QPoint(3, 40) << false;
    QTest::newRow("2 above the left hole") << 2 << QPoint(3, 12) << true;
    QTest::newRow("3 left tab") << 3 << QPoint(3, 40) << true;
    QTest::newRow("3 corner between the tabs") << 3 << QPoint(5, 5) << false;
    QTest::newRow("3 top tab") << 3 << QPoint(40, 3) << true;
    QTest::newRow("3 right hole") << 3 << QPoint(66, 40) << false;
    QTest::newRow("3 far corner") << 3 << QPoint(69, 69) << true;
    QTest::newRow("8 below the body") << 8 << QPoint(65, 65) << false;
    QTest::newRow("8 flat right side") << 8 << QPoint(69, 30) << true;
    QTest::newRow("8 bottom hole") << 8 << QPoint(40, 55) << false;
    QTest::newRow("10 top hole") << 10 << QPoint(40, 12) << false;
    QTest::newRow("10 under the top hole") << 10 << QPoint(40, 22) << true;
    QTest::newRow("14 top hole") << 14 << QPoint(40, 5) << false;
    QTest::newRow("14 bottom tab") << 14 << QPoint(40, 66) << true;
    QTest::newRow("15 top hole") << 15 << QPoint(30, 5) << false;
    QTest::newRow("15 bottom tab") << 15 << QPoint(30, 66) << true;
    QTest::newRow("11 right hole") << 11 << QPoint(55, 40) << false;
    QTest::newRow("11 body") << 11 << QPoint(30, 40) << true;
    QTest::newRow("21 bottom tab") << 21 << QPoint(40, 66) << true;
    QTest::newRow("21 beside the bottom tab") << 21 << QPoint(15, 66) << false;
    QTest::newRow("beyond the square") << 3 << QPoint(72, 40) << false;
}

void TestOutlines::shapePointsLieInsideOrOutside()
{
    QFETCH(int, shape);
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(Tessere::Outline(shape).contains(point), inside);
}

void TestOutlines::everyPieceWindowGetsTheOutlineOfItsShape()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    for (int n = 1; n <= geometry::PieceCount; ++n)
        QCOMPARE(w.form->picTessera[n]->mask(), Tessere::Outline(geometry::ShapeOfPiece(n)));
}

void TestOutlines::clickInAHoleOrBesideAFlatSideReachesTheBoard_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("takenByPiece");
    QTest::newRow("piece 2 left hole") << 2 << QPoint(3, 40) << false;
    QTest::newRow("piece 2 body") << 2 << QPoint(30, 40) << true;
    QTest::newRow("piece 1 margin above its flat top") << 1 << QPoint(30, 5) << false;
    QTest::newRow("piece 3 bottom tab") << 3 << QPoint(30, 66) << true;
    QTest::newRow("piece 3 beside its bottom tab") << 3 << QPoint(4, 66) << false;
    QTest::newRow("piece 19 right hole") << 19 << QPoint(55, 40) << false;
    QTest::newRow("piece 10 left tab") << 10 << QPoint(3, 40) << true;
    QTest::newRow("piece 10 beyond the square") << 10 << QPoint(74, 74) << false;
}

void TestOutlines::clickInAHoleOrBesideAFlatSideReachesTheBoard()
{
    QFETCH(int, piece);
    QFETCH(QPoint, point);
    QFETCH(bool, takenByPiece);

    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    QVERIFY(QTest::qWaitForWindowExposed(w.form));
    PictureBox *p = w.form->picTessera[piece];
    p->move(w.form->picPuzzle->pos() + QPoint(100, 100));
    p->show();
    p->raise();

    int onPiece = 0, onBoard = 0;
    QObject::connect(p, &PictureBox::mousePressed, [&] { ++onPiece; });
    QObject::connect(w.form->picPuzzle, &PictureBox::mousePressed, [&] { ++onBoard; });
    const QPoint at = p->mapTo(w.form, point);
    QTest::mousePress(w.form->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(w.form->windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(onPiece, takenByPiece ? 1 : 0);
    QCOMPARE(onBoard, takenByPiece ? 0 : 1);
}

QTEST_MAIN(TestOutlines)
#include "tst_outlines.moc"
