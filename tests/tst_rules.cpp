// The rules of play that need no window: where a dropped piece snaps home,
// and the arithmetic of the game clock and its time bar.

#include "game/GameClock.h"
#include "game/Puzzle.h"
#include "game/SceneScale.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

constexpr QPoint board(220, 120);

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void snapWindowIsHalfACellAroundTheCellCorner_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QPoint>("offset"); // from the exact home position
        QTest::addColumn<bool>("snaps");
        // Piece 3's body lies at (0, 0) in its square: [-30, +30) on both axes.
        QTest::newRow("3, 29 right") << 3 << QPoint(29, 0) << true;
        QTest::newRow("3, 30 right") << 3 << QPoint(30, 0) << false;
        QTest::newRow("3, 30 left") << 3 << QPoint(-30, 0) << true;
        QTest::newRow("3, 31 left") << 3 << QPoint(-31, 0) << false;
        // Piece 4's body is 10 pixels in across: [-20, +40) across.
        QTest::newRow("4, 20 left") << 4 << QPoint(-20, 0) << true;
        QTest::newRow("4, 21 left") << 4 << QPoint(-21, 0) << false;
        QTest::newRow("4, 39 right") << 4 << QPoint(39, 0) << true;
        QTest::newRow("4, 40 right") << 4 << QPoint(40, 0) << false;
        // Piece 36's body is 10 pixels down as well.
        QTest::newRow("36, 20 up") << 36 << QPoint(0, -20) << true;
        QTest::newRow("36, 21 up") << 36 << QPoint(0, -21) << false;
    }
    void snapWindowIsHalfACellAroundTheCellCorner()
    {
        QFETCH(int, piece);
        QFETCH(QPoint, offset);
        QFETCH(bool, snaps);
        QCOMPARE(puzzle::snapsHome(piece, puzzle::homePosition(piece, board) + offset, board), snaps);
    }

    void cornersRoundingToTheOuterRowsAreOffTheBoard()
    {
        QVERIFY(!puzzle::cellUnderCorner(board + QPoint(-31, 0), board).onBoard());
        QVERIFY(!puzzle::cellUnderCorner(board + QPoint(0, 330), board).onBoard());
        QCOMPARE(puzzle::cellUnderCorner(board + QPoint(329, 329), board).piece(), 36);
    }

    void elapsedSecondsWrapWithTheTickCount_data()
    {
        QTest::addColumn<std::uint32_t>("start");
        QTest::addColumn<std::uint32_t>("now");
        QTest::addColumn<int>("seconds");
        QTest::newRow("999 ms is no second yet") << 5000u << 5999u << 0;
        QTest::newRow("across the sign bit") << 0x7FFFFF00u << 0x80002000u << 8;
        QTest::newRow("across the wrap to zero") << 0xFFFFF000u << 0x00001000u << 8;
    }
    void elapsedSecondsWrapWithTheTickCount()
    {
        QFETCH(std::uint32_t, start);
        QFETCH(std::uint32_t, now);
        QFETCH(int, seconds);
        QCOMPARE(gameclock::elapsedSeconds(start, now), seconds);
    }

    void barLengthRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("length");
        QTest::newRow("half the time") << 120 << 240 << 132;
        QTest::newRow("16.5 down to 16") << 1 << 16 << 16;
        QTest::newRow("5.5 up to 6") << 1 << 48 << 6;
    }
    void barLengthRoundsHalvesToEven()
    {
        QFETCH(int, elapsed);
        QFETCH(int, limit);
        QFETCH(int, length);
        QCOMPARE(gameclock::barLength(268, elapsed, limit), length);
    }

    void barColours_data()
    {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("color");
        QTest::newRow("new game grey") << gameclock::NewGameBar << 0 << QColor(255, 255, 255);
        QTest::newRow("green at 31") << 31 << 2 << QColor(0, 245, 0);
        QTest::newRow("yellow at 30") << 30 << 0 << QColor(255, 255, 0);
        QTest::newRow("yellow at 16") << 16 << 1 << QColor(250, 250, 0);
        QTest::newRow("red at 15") << 15 << 0 << QColor(255, 0, 0);
    }
    void barColours()
    {
        QFETCH(int, remaining);
        QFETCH(int, row);
        QFETCH(QColor, color);
        QCOMPARE(gameclock::barRowColor(remaining, row), color);
    }

    void sceneScaleFollowsTheWindowsInsideInQuarterSteps_data()
    {
        QTest::addColumn<QSize>("inside"); // in device pixels
        QTest::addColumn<double>("scale");
        QTest::newRow("800 x 600 less a taskbar") << QSize(800, 555) << 1.0;
        QTest::newRow("1024 x 768: the classic game, pixel for pixel") << QSize(1024, 768) << 1.0;
        QTest::newRow("1025 x 769") << QSize(1025, 769) << 1.25;
        QTest::newRow("1280 x 720") << QSize(1280, 720) << 1.0;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.75;
        QTest::newRow("1920 x 1050, a taskbar") << QSize(1920, 1050) << 1.75;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 2.25;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 3.5;
        QTest::newRow("a tall narrow window") << QSize(1100, 2000) << 1.25;
    }
    void sceneScaleFollowsTheWindowsInsideInQuarterSteps()
    {
        QFETCH(QSize, inside);
        QFETCH(double, scale);
        QCOMPARE(scene::scaleFor(inside), scale);
    }

    void theBoardTakesAtLeastTwoFifthsOfTheShorterSideOnLargeScreens()
    {
        for (int w = 1280; w <= 3840; w += 64) {
            for (int h = 720; h <= 2160; h += 36) {
                const double board = 360 * scene::scaleFor(QSize(w, h));
                QVERIFY2(board >= 0.4 * std::min(w, h), qPrintable(QStringLiteral("%1 x %2").arg(w).arg(h)));
                // The scene at that scale still fits.
                QVERIFY(800 * board / 360 <= w && 600 * board / 360 <= h);
            }
        }
    }

    void scaledRectanglesThatMeetStillMeet()
    {
        const QRect left(13, 7, 21, 30), right(34, 7, 9, 30);
        for (double scale : {1.25, 1.75, 3.5})
            QCOMPARE(scene::deviceRect(left, scale).right() + 1, scene::deviceRect(right, scale).left());
    }

    // The same seed deals the same: this deal is the one seed 2004 gives.
    void aSeededShuffleDealsTheGoldenDeal()
    {
        QRandomGenerator seeded(2004);
        const std::array<int, puzzle::PieceCount> golden = {31, 25, 32, 10, 14, 2,  4,  34, 8,  28, 24, 23,
                                                            11, 15, 9,  20, 30, 29, 5,  17, 18, 26, 13, 12,
                                                            6,  36, 21, 1,  19, 27, 22, 35, 3,  7,  16, 33};
        QCOMPARE(puzzle::shuffledPieces(seeded), golden);
    }

    // Every deal holds each piece once, and deals differ from one another.
    void freshDealsAreShuffled()
    {
        std::array<int, puzzle::PieceCount> inOrder{};
        std::iota(inOrder.begin(), inOrder.end(), 1);
        const auto first = puzzle::shuffledPieces();
        int differentDeals = 0;
        for (int i = 0; i < 5; ++i) {
            auto deal = puzzle::shuffledPieces();
            differentDeals += deal != first;
            QVERIFY(deal != inOrder);
            std::sort(deal.begin(), deal.end());
            QCOMPARE(deal, inOrder);
        }
        QVERIFY(differentDeals >= 4);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
