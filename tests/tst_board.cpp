// Starting a game, the guide each level leaves on the board, cutting the
// pieces and dealing them out around the board.

#include "support/GameFixture.h"

#include "platform/RuntimeError.h"

#include <QSet>

#include <new>
#include <stdexcept>

namespace {

QSet<QPoint> Slots(QSize outer, int screenHeight)
{
    const QSize piece(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
    const auto places = puzzle::slotPositions(outer, screenHeight, piece);
    return QSet<QPoint>(places.begin(), places.end());
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void eachLevelLeavesItsGuideOnTheBoard_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("easy: stripes on the odd rows") << 0;
        QTest::newRow("medium: the negative") << 1;
        QTest::newRow("difficult: an empty board") << 2;
    }
    void eachLevelLeavesItsGuideOnTheBoard()
    {
        QFETCH(int, level);
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        const QImage before = w.window->board()->image();
        QVERIFY(!w.button("play")->isEnabled()); // no Play before a level is chosen
        w.startGame(level);
        const QImage after = w.window->board()->image();
        const QRgb back = w.window->backgroundColour().rgb();
        const QRgb empty = w.window->board()->surface().backColor().rgb();
        QVERIFY(before.pixel(0, 1) != back);
        for (int y = 0; y < 360; ++y)
            for (int x = 0; x < 360; ++x) {
                const QRgb was = before.pixel(x, y);
                const QRgb expected = level == 0 ? (y % 2 ? back : was) : level == 1 ? was ^ 0x00ffffffu : empty;
                if (after.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
    }

    void aFailureWhileStartingIsReportedAndTheStartAbandoned_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("run-time error") << 0 << QStringLiteral("Invalid picture\r\n481");
        QTest::newRow("out of memory") << 1 << QStringLiteral("Out of memory\r\n7");
        QTest::newRow("other failure") << 2 << QStringLiteral("disk on fire\r\n51");
    }
    void aFailureWhileStartingIsReportedAndTheStartAbandoned()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        // The start cue is the last step before the clock starts.
        w.fakes.sound.onPlay = [kind](int id) {
            if (id != 204)
                return;
            if (kind == 0)
                throw platform::RuntimeError(481, QStringLiteral("Invalid picture"));
            if (kind == 1)
                throw std::bad_alloc();
            throw std::runtime_error("disk on fire");
        };
        w.startGame(0);
        w.fakes.sound.onPlay = nullptr;
        QCOMPARE(w.fakes.messages.shown.size(), 1);
        QCOMPARE(w.fakes.messages.shown[0].text, text);
        QVERIFY(!w.ticks()->isActive());
        QCOMPARE(w.game().state(), Game::State::Idle);
        QVERIFY(w.window->startPanel()->isVisible());
        for (int i = 1; i <= puzzle::PieceCount; ++i)
            QVERIFY(w.piece(i)->isHidden());
    }

    void everyCutPieceShowsItsCellAtItsBodyOffset()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.makePieces();
        QTest::mouseClick(w.button("edgeSwitch"), Qt::LeftButton); // the plain cut
        const QImage picture = TestFolder::cellPicture();
        for (int piece = 1; piece <= puzzle::PieceCount; ++piece) {
            const QPoint offset = puzzle::bodyOffset(piece);
            const int r = puzzle::rowOf(piece), c = puzzle::columnOf(piece);
            QCOMPARE(w.piece(piece)->image().copy(offset.x(), offset.y(), 60, 60),
                     picture.copy(c * 60, r * 60, 60, 60));
        }
    }

    void slotsOfAnEightHundredBySixHundredWindow_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QPoint>("place");
        // Down the left in two columns, along the top, down the right in two
        // columns, along the bottom.
        QTest::newRow("slot 1") << 1 << QPoint(9, 15);
        QTest::newRow("slot 7") << 7 << QPoint(9, 501);
        QTest::newRow("slot 8") << 8 << QPoint(89, 15);
        QTest::newRow("slot 15") << 15 << QPoint(169, 15);
        // Five columns right of slot 15, 4 pixels (not 6) right of its line.
        QTest::newRow("slot 16") << 16 << QPoint(567, 15);
        QTest::newRow("slot 17") << 17 << QPoint(716, 15);
        QTest::newRow("slot 24") << 24 << QPoint(636, 15);
        QTest::newRow("slot 31") << 31 << QPoint(163, 501);
        QTest::newRow("slot 36") << 36 << QPoint(563, 501);
    }
    void slotsOfAnEightHundredBySixHundredWindow()
    {
        QFETCH(int, slot);
        QFETCH(QPoint, place);
        QCOMPARE(puzzle::slotPositions(QSize(800, 600), 600, QSize(77, 77))[slot - 1], place);
    }

    void slotsAreDistinctAndTheGapFollowsTheScreenHeight_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("gap");
        QTest::newRow("600 screen") << QSize(800, 600) << 600 << 4;
        QTest::newRow("768 screen") << QSize(1024, 768) << 768 << 24;
        QTest::newRow("768 screen, small window") << QSize(800, 600) << 768 << 24;
    }
    void slotsAreDistinctAndTheGapFollowsTheScreenHeight()
    {
        QFETCH(QSize, window);
        QFETCH(int, screenHeight);
        QFETCH(int, gap);
        const auto places = puzzle::slotPositions(window, screenHeight, QSize(77, 77));
        for (int j : {1, 8, 17, 24}) // slot j at index j - 1
            QCOMPARE(places[j].y() - places[j - 1].y(), 77 + gap);
        QCOMPARE(Slots(window, screenHeight).size(), puzzle::PieceCount);
    }

    void resizeBetweenGamesDealsAllPiecesAgain()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(800, 600)));
        w.makePieces();
        w.showAtOuterSize(QSize(1000, 740));
        QSet<QPoint> dealt;
        for (int i = 1; i <= puzzle::PieceCount; ++i)
            dealt.insert(w.piece(i)->pos());
        QCOMPARE(dealt, Slots(QSize(1000, 740), 768));
    }

    void resizeDuringAGameKeepsPlacedPiecesOnTheirCells()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(1024, 768)));
        w.startGame(2);
        const QList<int> placed = {1, 8, 17, 23, 36};
        for (int i : placed)
            w.placePiece(i);
        w.showAtOuterSize(QSize(1000, 740));
        const QPoint board(320, 190);
        QCOMPARE(w.window->board()->pos(), board);
        QSet<QPoint> loose;
        for (int i = 1; i <= puzzle::PieceCount; ++i) {
            if (placed.contains(i)) {
                QCOMPARE(w.piece(i)->pos(), puzzle::homePosition(i, board));
                QVERIFY(!w.piece(i)->isEnabled());
            } else {
                loose.insert(w.piece(i)->pos());
            }
        }
        QCOMPARE(loose.size(), puzzle::PieceCount - int(placed.size()));
        QVERIFY(Slots(QSize(1000, 740), 768).contains(loose));
        QVERIFY(w.ticks()->isActive());
        QCOMPARE(w.game().placedCount(), int(placed.size()));
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
