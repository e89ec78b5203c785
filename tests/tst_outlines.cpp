// The 23 outline shapes: how they tile the board, what lies inside and
// outside them, and that a masked piece lets clicks through its holes.

#include "support/GameFixture.h"

#include "pieces/Tessere.h"

#include <vector>

class TestOutlines : public QObject
{
    Q_OBJECT

private slots:
    void outlinesOfAllPiecesAtHomeCoverTheBoardExactlyOnce()
    {
        // Count how often each pixel of a frame around the board is covered.
        const int margin = 30;
        const int side = geometry::BoardSize + 2 * margin;
        std::vector<int> count(std::size_t(side * side), 0);
        for (int n = 1; n <= geometry::PieceCount; ++n) {
            // Each outline fits the 70 x 70 square of its piece's picture.
            QVERIFY(QRect(0, 0, 70, 70).contains(Tessere::Outline(geometry::ShapeOfPiece(n)).boundingRect()));
            const QRegion outline = Tessere::Outline(geometry::ShapeOfPiece(n))
                                        .translated(geometry::HomePosition(n, QPoint(0, 0)));
            for (const QRect &r : outline) {
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x) {
                        QVERIFY2(x >= -margin && y >= -margin && x < side - margin && y < side - margin,
                                 qPrintable(QStringLiteral("piece %1 reaches (%2, %3)").arg(n).arg(x).arg(y)));
                        ++count[std::size_t((y + margin) * side + x + margin)];
                    }
            }
        }
        for (int y = -margin; y < side - margin; ++y)
            for (int x = -margin; x < side - margin; ++x) {
                const bool onBoard = x >= 0 && y >= 0 && x < geometry::BoardSize && y < geometry::BoardSize;
                const int c = count[std::size_t((y + margin) * side + x + margin)];
                if (c != (onBoard ? 1 : 0))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) covered %3 times").arg(x).arg(y).arg(c)));
            }
    }

    void shapePointsLieInsideOrOutside_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("1 margin above the flat top") << 1 << QPoint(30, 5) << false;
        QTest::newRow("1 right tab") << 1 << QPoint(65, 40) << true;
        QTest::newRow("1 bottom hole") << 1 << QPoint(30, 65) << false;
        QTest::newRow("3 corner between the tabs") << 3 << QPoint(5, 5) << false;
        QTest::newRow("beyond the square") << 3 << QPoint(72, 40) << false;
    }
    void shapePointsLieInsideOrOutside()
    {
        QFETCH(int, shape);
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        QCOMPARE(Tessere::Outline(shape).contains(point), inside);
    }

    void everyPieceWindowGetsTheOutlineOfItsShape()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        for (int n = 1; n <= geometry::PieceCount; ++n)
            QCOMPARE(w.form->picTessera[n]->mask(), Tessere::Outline(geometry::ShapeOfPiece(n)));
    }

    void clickInAHoleOrBesideAFlatSideReachesTheBoard_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("takenByPiece");
        QTest::newRow("piece 2 left hole") << 2 << QPoint(3, 40) << false;
        QTest::newRow("piece 2 body") << 2 << QPoint(30, 40) << true;
        QTest::newRow("piece 1 margin above its flat top") << 1 << QPoint(30, 5) << false;
        QTest::newRow("piece 10 left tab") << 10 << QPoint(3, 40) << true;
    }
    void clickInAHoleOrBesideAFlatSideReachesTheBoard()
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
};

QTEST_MAIN(TestOutlines)
#include "tst_outlines.moc"
