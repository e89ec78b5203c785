// The 23 outline shapes: how they tile the board, and that a masked piece
// lets clicks through its holes.

#include "support/GameFixture.h"

#include "game/Outlines.h"

class TestOutlines : public QObject
{
    Q_OBJECT

private slots:
    void outlinesOfAllPiecesAtHomeCoverTheBoardExactlyOnce()
    {
        QRegion covered;
        for (int n = 1; n <= geometry::PieceCount; ++n) {
            const QRegion outline = Tessere::Outline(geometry::ShapeOfPiece(n));
            // Each outline fits the 70 x 70 square of its piece's picture.
            QVERIFY(QRect(0, 0, 70, 70).contains(outline.boundingRect()));
            const QRegion atHome = outline.translated(geometry::HomePosition(n, QPoint(0, 0)));
            QVERIFY2(!covered.intersects(atHome), qPrintable(QString::number(n)));
            covered += atHome;
        }
        const QRegion board(0, 0, geometry::BoardSize, geometry::BoardSize);
        QVERIFY((covered ^ board).isEmpty());
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
