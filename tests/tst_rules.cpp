#include "game/GameClock.h"
#include "game/Puzzle.h"

#include <QTest>

constexpr QPoint board(220, 120);

class tst_playrules : public QObject
{
    Q_OBJECT

private slots:
    void snapWindowIsHalfACellAroundTheCellCorner_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QPoint>("offset"); // from the exact home position
        QTest::addColumn<bool>("snaps");
        // Piece 3 has body offsets (0, 0): [-30, +30) on both axes.
        QTest::newRow("3, 29 right") << 3 << QPoint(29, 0) << true;
        QTest::newRow("3, 30 right") << 3 << QPoint(30, 0) << false;
        QTest::newRow("3, 30 left") << 3 << QPoint(-30, 0) << true;
        QTest::newRow("3, 31 left") << 3 << QPoint(-31, 0) << false;
        // Piece 4 has ox = 10: [-20, +40) across.
        QTest::newRow("4, 20 left") << 4 << QPoint(-20, 0) << true;
        QTest::newRow("4, 21 left") << 4 << QPoint(-21, 0) << false;
        QTest::newRow("4, 39 right") << 4 << QPoint(39, 0) << true;
        QTest::newRow("4, 40 right") << 4 << QPoint(40, 0) << false;
        // Piece 36 has oy = 10 as well.
        QTest::newRow("36, 20 up") << 36 << QPoint(0, -20) << true;
        QTest::newRow("36, 21 up") << 36 << QPoint(0, -21) << false;
    }
    void snapWindowIsHalfACellAroundTheCellCorner()
    {
        QFETCH(int, piece);
        QFETCH(QPoint, offset);
        QFETCH(bool, snaps);
        QCOMPARE(play::SnapsHome(piece, geometry::HomePosition(piece, board) + offset, board), snaps);
    }

    void cornersRoundingToTheOuterRowsAreOffTheBoard()
    {
        QVERIFY(!play::CellUnderCorner(board + QPoint(-31, 0), board).onBoard());
        QVERIFY(!play::CellUnderCorner(board + QPoint(0, 330), board).onBoard());
        QCOMPARE(play::CellUnderCorner(board + QPoint(329, 329), board).piece(), 36);
    }

    void elapsedSecondsWrapWithTheTickCount()
    {
        QCOMPARE(play::ElapsedSince(5000u, 5999u), 0);
        QCOMPARE(play::ElapsedSince(0x7FFFFF00u, 0x80002000u), 8);
        QCOMPARE(play::ElapsedSince(0xFFFFF000u, 0x00001000u), 8);
    }

    void barLengthRoundsHalvesToEven()
    {
        QCOMPARE(int(play::BarLength(268, 120, 240)), 132);
        QCOMPARE(int(play::BarLength(268, 1, 16)), 16); // 16.5
        QCOMPARE(int(play::BarLength(268, 1, 48)), 6); // 5.5
    }

    void barColours_data()
    {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("color");
        QTest::newRow("new game grey") << -1 << 0 << QColor(255, 255, 255);
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
        QCOMPARE(play::BarRowColor(remaining, row), color);
    }
};

QTEST_APPLESS_MAIN(tst_playrules)
#include "tst_playrules.moc"
