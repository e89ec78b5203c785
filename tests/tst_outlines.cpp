// The 23 outline shapes: how they tile the board, and that a masked piece
// lets clicks through its holes.

#include "support/GameFixture.h"

#include "game/Outlines.h"

namespace {

// Counts the mouse presses a widget itself receives.
class PressCounter final : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

} // namespace

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

    void everyPieceWidgetGetsTheOutlineOfItsShape()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.makePieces();
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            QCOMPARE(w.piece(n)->mask(), outlines::outline(puzzle::shapeOf(n)));
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
        PieceWidget *p = w.piece(piece);
        p->move(window->board()->pos() + QPoint(100, 100));
        p->show();
        p->raise();
        int onPiece = 0;
        QObject::connect(p, &PieceWidget::pickedUp, p, [&] { ++onPiece; });
        PressCounter onBoard;
        window->board()->installEventFilter(&onBoard);
        const QPoint at = p->mapTo(window, point);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(onPiece, takenByPiece ? 1 : 0);
        QCOMPARE(onBoard.presses, takenByPiece ? 0 : 1);
    }
};

QTEST_MAIN(TestOutlines)
#include "tst_outlines.moc"
