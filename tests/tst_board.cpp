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
    const auto places = geometry::ScatterSlots(outer.width(), outer.height(), screenHeight,
                                               geometry::PieceWindow, geometry::PieceWindow);
    return QSet<QPoint>(places.begin() + 1, places.end());
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
        const QImage before = w.form->picPuzzle->image();
        QVERIFY(!w.form->cmdStart->isEnabled()); // no Play before a level is chosen
        StartGame(w.form, level);
        const QImage after = w.form->picPuzzle->image();
        const QRgb back = w.form->BackColor().rgb();
        const QRgb empty = w.form->picPuzzle->surface().backColor().rgb();
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
        StartGame(w.form, 0);
        w.fakes.sound.onPlay = nullptr;
        QCOMPARE(w.fakes.messages.shown.size(), 1);
        QCOMPARE(w.fakes.messages.shown[0].text, text);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(!w.form->Timer1->isActive());
        for (int i = 1; i <= geometry::PieceCount; ++i)
            QVERIFY(w.form->picTessera[i]->isHidden());
    }

    void everyCutPieceShowsItsCellAtItsBodyOffset()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.form->CutPieces(0);
        const QImage picture = TestFolder::cellPicture();
        for (int piece = 1; piece <= geometry::PieceCount; ++piece) {
            const QPoint offset = geometry::BodyOffset(piece);
            const int r = geometry::RowOf(piece), c = geometry::ColumnOf(piece);
            QCOMPARE(w.form->picTessera[piece]->image().copy(offset.x(), offset.y(), 60, 60),
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
        QCOMPARE(geometry::ScatterSlots(800, 600, 600, 77, 77)[slot], place);
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
        const auto places = geometry::ScatterSlots(window.width(), window.height(), screenHeight, 77, 77);
        for (int j : {1, 8, 17, 24})
            QCOMPARE(places[j + 1].y() - places[j].y(), 77 + gap);
        QCOMPARE(Slots(window, screenHeight).size(), geometry::PieceCount);
    }

    void resizeBetweenGamesDealsAllPiecesAgain()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(800, 600)));
        w.showAtOuterSize(QSize(1000, 740));
        QSet<QPoint> dealt;
        for (int i = 1; i <= geometry::PieceCount; ++i)
            dealt.insert(w.form->picTessera[i]->pos());
        QCOMPARE(dealt, Slots(QSize(1000, 740), 768));
    }

    void resizeDuringAGameKeepsPlacedPiecesOnTheirCells()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(1024, 768)));
        frmPuzzle &f = *w.form;
        StartGame(w.form, 2);
        const QList<int> placed = {1, 8, 17, 23, 36};
        for (int i : placed)
            PlacePiece(w.form, i);
        w.showAtOuterSize(QSize(1000, 740));
        const QPoint board(320, 190);
        QCOMPARE(f.picPuzzle->pos(), board);
        QSet<QPoint> loose;
        for (int i = 1; i <= geometry::PieceCount; ++i) {
            if (placed.contains(i)) {
                QCOMPARE(f.picTessera[i]->pos(), geometry::HomePosition(i, board));
                QVERIFY(!f.picTessera[i]->isEnabled());
            } else {
                loose.insert(f.picTessera[i]->pos());
            }
        }
        QCOMPARE(loose.size(), geometry::PieceCount - int(placed.size()));
        QVERIFY(Slots(QSize(1000, 740), 768).contains(loose));
        QVERIFY(f.Timer1->isActive());
        QCOMPARE(f.PlacedCount, std::int16_t(placed.size()));
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
