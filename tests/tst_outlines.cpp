// The 23 outline shapes: how they tile the board, and that a piece takes
// the mouse inside its outline only, letting clicks through its holes.

#include "support/GameFixture.h"

#include "game/Outlines.h"

class TestOutlines : public QObject
{
    Q_OBJECT

private slots:
    void outlinesOfAllPiecesAtHomeCoverTheBoardExactlyOnce()
    {
        QRegion covered;
        for (int n = 1; n <= puzzle::PieceCount; ++n) {
            const QRegion outline = outlines::outline(puzzle::shapeOf(n));
            // Each outline fits the 70 x 70 square of its piece's picture.
            QVERIFY(QRect(0, 0, 70, 70).contains(outline.boundingRect()));
            const QRegion atHome = outline.translated(puzzle::homePosition(n, QPoint(0, 0)));
            QVERIFY2(!covered.intersects(atHome), qPrintable(QString::number(n)));
            covered += atHome;
        }
        const QRegion board(0, 0, puzzle::BoardSize, puzzle::BoardSize);
        QVERIFY((covered ^ board).isEmpty());
    }

    void everyPieceIsHitExactlyInsideTheOutlineOfItsShape()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.makePieces();
        for (int n = 1; n <= puzzle::PieceCount; ++n) {
            const QRegion outline = outlines::outline(puzzle::shapeOf(n));
            for (int y = -1; y <= puzzle::PieceWidgetSize; ++y)
                for (int x = -1; x <= puzzle::PieceWidgetSize; ++x)
                    if (w.piece(n)->contains(QPointF(x, y)) != outline.contains(QPoint(x, y)))
                        QFAIL(qPrintable(QStringLiteral("piece %1 at %2, %3").arg(n).arg(x).arg(y)));
        }
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
        MainWindow *window = w.startCopy('1', QSize(800, 600), QSize(800, 600));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        w.makePieces();
        PieceItem *p = w.piece(piece);
        p->setPos(window->board()->pos() + QPointF(100, 100));
        p->show();
        p->setZValue(1000);
        int onPiece = 0;
        QObject::connect(p, &PieceItem::pickedUp, p, [&] { ++onPiece; });
        const QPoint at = window->toWindow(p->pos() + point);
        const QGraphicsItem *under = window->view()->itemAt(at);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(onPiece, takenByPiece ? 1 : 0);
        QVERIFY(under == (takenByPiece ? static_cast<const QGraphicsItem *>(p) : window->board()));
    }
};

QTEST_MAIN(TestOutlines)
#include "tst_outlines.moc"
