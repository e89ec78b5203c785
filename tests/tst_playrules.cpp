#include "main_window/PlayRules.h"
#include "pieces/Geometry.h"

#include <QTest>

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
        // Piece 4 has ox = 10: [-20, +40) across, [-30, +30) down.
        QTest::newRow("4, 20 left") << 4 << QPoint(-20, 0) << true;
        QTest::newRow("4, 21 left") << 4 << QPoint(-21, 0) << false;
        QTest::newRow("4, 39 right") << 4 << QPoint(39, 0) << true;
        QTest::newRow("4, 40 right") << 4 << QPoint(40, 0) << false;
        // Piece 36 has (10, 10): [-20, +40) on both axes.
        QTest::newRow("36, 20 up") << 36 << QPoint(0, -20) << true;
        QTest::newRow("36, 21 up") << 36 << QPoint(0, -21) << false;
    }
    void snapWindowIsHalfACellAroundTheCellCorner()
    {
        QFETCH(int, piece);
        QFETCH(QPoint, offset);
        QFETCH(bool, snaps);
        const QPoint board(220, 120);
        const QPoint home = geometry::HomePosition(piece, board);
        QCOMPARE(play::SnapsHome(piece, home + offset, board), snaps);
    }

    void dropOnAnotherCellOrOffTheBoardGoesBack()
    {
        const QPoint board(220, 120);
        // Piece 8 over piece 9's cell.
        const QPoint overNine = geometry::HomePosition(9, board) + QPoint(-10, 0)
                                + geometry::BodyOffset(9) - geometry::BodyOffset(8);
        QCOMPARE(play::CellUnderCorner(overNine, board).piece(), 9);
        QVERIFY(!play::SnapsHome(8, overNine, board));
        // Corners that round to row or column 0 or 7 are off the board.
        QVERIFY(!play::CellUnderCorner(board + QPoint(-31, 0), board).onBoard());
        QVERIFY(!play::CellUnderCorner(board + QPoint(0, 330), board).onBoard());
        QVERIFY(!play::CellUnderCorner(board + QPoint(330, 0), board).onBoard());
        QVERIFY(play::CellUnderCorner(board + QPoint(329, 329), board).onBoard());
        QCOMPARE(play::CellUnderCorner(board + QPoint(329, 329), board).piece(), 36);
    }

    void elapsedSecondsWrapWithTheTickCount_data()
    {
        QTest::addColumn<quint32>("start");
        QTest::addColumn<quint32>("now");
        QTest::addColumn<int>("seconds");
        QTest::newRow("999 ms is 0 s") << 5000u << 5999u << 0;
        QTest::newRow("10 s") << 5000u << 15000u << 10;
        QTest::newRow("across 2^31") << 0x7FFFFF00u << 0x80002000u << 8;
        QTest::newRow("across the wrap") << 0xFFFFF000u << 0x00001000u << 8;
    }
    void elapsedSecondsWrapWithTheTickCount()
    {
        QFETCH(quint32, start);
        QFETCH(quint32, now);
        QFETCH(int, seconds);
        QCOMPARE(play::ElapsedSince(start, now), seconds);
    }

    void barLength_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("length");
        QTest::newRow("half of Medium") << 268 << 120 << 240 << 132;
        QTest::newRow("end") << 268 << 180 << 180 << 264;
        QTest::newRow("10 s of Easy") << 268 << 10 << 300 << 9; // 8.8
        QTest::newRow("16.5 rounds to even 16") << 268 << 1 << 16 << 16;
        QTest::newRow("5.5 rounds to even 6") << 268 << 1 << 48 << 6;
    }
    void barLength()
    {
        QFETCH(int, width);
        QFETCH(int, elapsed);
        QFETCH(int, limit);
        QFETCH(int, length);
        QCOMPARE(int(play::BarLength(width, elapsed, limit)), length);
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
        QTest::newRow("green past the end") << -5 << 0 << QColor(0, 255, 0);
        QTest::newRow("tall bar stays black") << 100 << 60 << QColor(0, 0, 0);
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
