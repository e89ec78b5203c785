// Choosing a level, starting a game, the guide each level leaves on the
// board, cutting the pieces and dealing them out around the board.

#include "support/GameFixture.h"

#include "pieces/Geometry.h"
#include "platform/RuntimeError.h"
#include "resources/Resources.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>

#include <functional>
#include <new>
#include <stdexcept>

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void playIsDisabledUntilALevelIsChosen();
    void choosingALevelShowsOnlyThatOneInBold_data();
    void choosingALevelShowsOnlyThatOneInBold();
    void playStartsAGameOfTheChosenLevel_data();
    void playStartsAGameOfTheChosenLevel();
    void easyLeavesStripesOnTheOddRows();
    void mediumLeavesTheNegativeOfTheBoard();
    void difficultLeavesAnEmptyBoard();
    void aFailureWhileStartingIsReportedAndTheStartAbandoned_data();
    void aFailureWhileStartingIsReportedAndTheStartAbandoned();
    void everyCutPieceShowsItsCellAtItsBodyOffset_data();
    void everyCutPieceShowsItsCellAtItsBodyOffset();
    void slotsOfAnEightHundredBySixHundredWindow_data();
    void slotsOfAnEightHundredBySixHundredWindow();
    void verticalGapFollowsTheScreenHeight_data();
    void verticalGapFollowsTheScreenHeight();
    void scatteringPutsOnePieceInEverySlot();
    void resizeBetweenGamesDealsAllPiecesAgain();
    void resizeDuringAGameKeepsPlacedPiecesOnTheirCells();
};

namespace {

QSet<QPoint> PiecePositions(const frmPuzzle &form, const std::function<bool(int)> &which)
{
    QSet<QPoint> positions;
    for (int i = 1; i <= geometry::PieceCount; ++i)
        if (which(i))
            positions.insert(form.picTessera[i]->pos());
    return positions;
}

QSet<QPoint> Slots(QSize outer, int screenHeight)
{
    const auto places = geometry::ScatterSlots(outer.width(), outer.height(), screenHeight,
                                               geometry::PieceWindow, geometry::PieceWindow);
    return QSet<QPoint>(places.begin() + 1, places.end());
}

QRgb Grey(int g)
{
    return qRgb(g, g, g);
}

} // namespace

void TestBoard::playIsDisabledUntilALevelIsChosen()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    QVERIFY(!w.form->cmdStart->isEnabled());
    QTest::mouseClick(w.form->cmdStart, Qt::LeftButton);
    QVERIFY(!w.form->Timer1->isActive());
    QVERIFY(!w.form->picStart->isHidden());
    for (int i = 1; i <= geometry::PieceCount; ++i)
        QVERIFY(w.form->picTessera[i]->isHidden());
}

void TestBoard::choosingALevelShowsOnlyThatOneInBold_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("easy") << 0;
    QTest::newRow("medium") << 1;
    QTest::newRow("difficult") << 2;
}

void TestBoard::choosingALevelShowsOnlyThatOneInBold()
{
    QFETCH(int, level);
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    // Another level first: choosing again moves the bold caption.
    QTest::mouseClick(w.form->optLevel[(level + 1) % 3], Qt::LeftButton);
    w.fakes.sound.played.clear();
    QTest::mouseClick(w.form->optLevel[level], Qt::LeftButton);

    QCOMPARE(w.form->Level, level);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(w.form->optLevel[k]->font().bold(), k == level);
    QCOMPARE(w.fakes.sound.played, QList<int>{203});
    QVERIFY(w.form->cmdStart->isEnabled());
    QCOMPARE(w.form->focusWidget(), w.form->picPuzzle);
}

void TestBoard::playStartsAGameOfTheChosenLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("limit");
    QTest::newRow("easy") << 0 << 300;
    QTest::newRow("medium") << 1 << 240;
    QTest::newRow("difficult") << 2 << 180;
}

void TestBoard::playStartsAGameOfTheChosenLevel()
{
    QFETCH(int, level);
    QFETCH(int, limit);
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    frmPuzzle &f = *w.form;
    // Leftovers of an earlier game.
    f.PlacedCount = 12;
    NewPuzzle::ElapsedSeconds = 77;
    f.lblTimer->setText(QStringLiteral("01:02"));
    w.fakes.clock.tick = 123456;
    const QSet<QPoint> dealt = PiecePositions(f, [](int) { return true; });
    QList<QPoint> before;
    for (int i = 1; i <= geometry::PieceCount; ++i)
        before << f.picTessera[i]->pos();

    StartGame(w.form, level);

    QCOMPARE(f.PlacedCount, 0);
    QCOMPARE(NewPuzzle::ElapsedSeconds, 0);
    QCOMPARE(f.TimeLimit, limit);
    QCOMPARE(f.TimeLimitDate, limit);
    QCOMPARE(f.StartTick, 123456u);
    QVERIFY(f.picStart->isHidden());
    QVERIFY(f.picMessaggio->isHidden());
    QVERIFY(f.picDisplay->isVisibleTo(&f));
    QVERIFY(f.picProgress->isVisibleTo(&f));
    QVERIFY(f.lblTimer->isVisibleTo(&f));
    QCOMPARE(f.lblTimer->text(), QString());
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.Timer1->interval(), 200);
    QVERIFY(w.fakes.sound.played.contains(204));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // The pieces show up where they were dealt; Play does not move them.
    for (int i = 1; i <= geometry::PieceCount; ++i) {
        QVERIFY(f.picTessera[i]->isVisibleTo(&f));
        QVERIFY(f.picTessera[i]->isEnabled());
        QCOMPARE(f.picTessera[i]->pos(), before[i - 1]);
    }
    QCOMPARE(dealt, Slots(QSize(800, 600), 600));
    // The board lies sunken: ring 1 of its frame is light on the right.
    const QPoint board = f.picPuzzle->pos();
    QCOMPARE(f.backSurface().image().pixel(board.x() + 361, board.y() + 180), Grey(150));
}

void TestBoard::easyLeavesStripesOnTheOddRows()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    const QImage before = w.form->picPuzzle->image();
    StartGame(w.form, 0);
    const QImage after = w.form->picPuzzle->image();
    const QRgb back = w.form->BackColor().rgb();
    QVERIFY(before.pixel(0, 1) != back);
    int stripes = 0;
    for (int y = 0; y < 360; ++y) {
        bool striped = true;
        for (int x = 0; x < 360; ++x) {
            if (y % 2 == 0)
                QCOMPARE(after.pixel(x, y), before.pixel(x, y));
            striped = striped && after.pixel(x, y) == back;
        }
        QCOMPARE(striped, y % 2 == 1);
        stripes += striped;
    }
    QCOMPARE(stripes, 180);
}

void TestBoard::mediumLeavesTheNegativeOfTheBoard()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    const QImage before = w.form->picPuzzle->image();
    StartGame(w.form, 1);
    const QImage after = w.form->picPuzzle->image();
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 360; ++x)
            QCOMPARE(after.pixel(x, y), before.pixel(x, y) ^ 0x00ffffffu);
}

void TestBoard::difficultLeavesAnEmptyBoard()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    StartGame(w.form, 2);
    const QImage after = w.form->picPuzzle->image();
    const QRgb empty = w.form->picPuzzle->surface().backColor().rgb();
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 360; ++x)
            QCOMPARE(after.pixel(x, y), empty);
}

namespace {

// A sound output that fails when a game starts, to reach the start's
// error path.
class FailingSound final : public platform::SoundOutput
{
public:
    std::function<void()> fail;
    void play(int id, const QByteArray &) override
    {
        if (id == 204)
            fail();
    }
};

} // namespace

void TestBoard::aFailureWhileStartingIsReportedAndTheStartAbandoned_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("run-time error") << 0 << QStringLiteral("Invalid picture\r\n481");
    QTest::newRow("out of memory") << 1 << QStringLiteral("Out of memory\r\n7");
    QTest::newRow("other failure") << 2 << QStringLiteral("disk on fire\r\n51");
}

void TestBoard::aFailureWhileStartingIsReportedAndTheStartAbandoned()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    FailingSound failing;
    failing.fail = [kind] {
        if (kind == 0)
            throw platform::RuntimeError(481, QStringLiteral("Invalid picture"));
        if (kind == 1)
            throw std::bad_alloc();
        throw std::runtime_error("disk on fire");
    };
    QTest::mouseClick(w.form->optLevel[0], Qt::LeftButton);
    w.fakes.services().sound = &failing;
    QTest::mouseClick(w.form->cmdStart, Qt::LeftButton);
    w.fakes.services().sound = &w.fakes.sound;

    QCOMPARE(w.fakes.messages.shown.size(), 1);
    QCOMPARE(w.fakes.messages.shown[0].text, text);
    QCOMPARE(w.fakes.messages.shown[0].style, 0);
    QCOMPARE(w.fakes.messages.shown[0].title, QString());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // The window stays as far as the start had got: the start panel gone,
    // but no clock and no pieces.
    QVERIFY(w.form->picStart->isHidden());
    QVERIFY(!w.form->Timer1->isActive());
    for (int i = 1; i <= geometry::PieceCount; ++i)
        QVERIFY(w.form->picTessera[i]->isHidden());
}

void TestBoard::everyCutPieceShowsItsCellAtItsBodyOffset_data()
{
    QTest::addColumn<int>("piece");
    for (int i = 1; i <= geometry::PieceCount; ++i)
        QTest::addRow("piece %d", i) << i;
}

void TestBoard::everyCutPieceShowsItsCellAtItsBodyOffset()
{
    QFETCH(int, piece);
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    w.form->CutPieces(0);

    const QImage picture = TestFolder::cellPicture();
    const QPoint offset = geometry::BodyOffset(piece);
    const int r = geometry::RowOf(piece), c = geometry::ColumnOf(piece);
    const QImage cut = w.form->picTessera[piece]->image();
    QCOMPARE(cut.copy(offset.x(), offset.y(), 60, 60), picture.copy(c * 60, r * 60, 60, 60));
    // The bands around the body hold the picture around the cell, black
    // beyond the picture's edge.
    QImage square(70, 70, QImage::Format_RGB32);
    square.fill(Qt::black);
    QPainter(&square).drawImage(QPoint(offset.x() - c * 60, offset.y() - r * 60), picture);
    QCOMPARE(cut.copy(0, 0, 70, 70), square);
}

void TestBoard::slotsOfAnEightHundredBySixHundredWindow_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QPoint>("place");
    for (int j = 1; j <= 7; ++j)
        QTest::addRow("slot %d", j) << j << QPoint(9, 15 + 81 * (j - 1));
    for (int j = 8; j <= 14; ++j)
        QTest::addRow("slot %d", j) << j << QPoint(89, 15 + 81 * (j - 8));
    QTest::newRow("slot 15") << 15 << QPoint(169, 15);
    // Five columns right of slot 15, 4 pixels (not 6) right of its line.
    QTest::newRow("slot 16") << 16 << QPoint(567, 15);
    for (int j = 17; j <= 23; ++j)
        QTest::addRow("slot %d", j) << j << QPoint(716, 15 + 81 * (j - 17));
    for (int j = 24; j <= 30; ++j)
        QTest::addRow("slot %d", j) << j << QPoint(636, 15 + 81 * (j - 24));
    for (int j = 31; j <= 36; ++j)
        QTest::addRow("slot %d", j) << j << QPoint(163 + 80 * (j - 31), 501);
}

void TestBoard::slotsOfAnEightHundredBySixHundredWindow()
{
    QFETCH(int, slot);
    QFETCH(QPoint, place);
    QCOMPARE(geometry::ScatterSlots(800, 600, 600, 77, 77)[slot], place);
}

void TestBoard::verticalGapFollowsTheScreenHeight_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("gap");
    QTest::newRow("600 screen") << QSize(800, 600) << 600 << 4;
    QTest::newRow("600 screen, other window") << QSize(1000, 590) << 600 << 4;
    QTest::newRow("768 screen") << QSize(1024, 768) << 768 << 24;
    QTest::newRow("768 screen, small window") << QSize(800, 600) << 768 << 24;
}

void TestBoard::verticalGapFollowsTheScreenHeight()
{
    QFETCH(QSize, window);
    QFETCH(int, screenHeight);
    QFETCH(int, gap);
    const auto places = geometry::ScatterSlots(window.width(), window.height(), screenHeight, 77,
                                               77);
    for (int j : {1, 8, 17, 24})
        QCOMPARE(places[j + 1].y() - places[j].y(), 77 + gap);
}

void TestBoard::scatteringPutsOnePieceInEverySlot()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
    for (int round = 0; round < 5; ++round) {
        w.form->ScatterPieces();
        const QSet<QPoint> positions = PiecePositions(*w.form, [](int) { return true; });
        QCOMPARE(positions.size(), geometry::PieceCount);
        QCOMPARE(positions, Slots(QSize(800, 600), 600));
    }
}

void TestBoard::resizeBetweenGamesDealsAllPiecesAgain()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(800, 600)));
    w.showAtOuterSize(QSize(1000, 740));
    QCOMPARE(w.form->picPuzzle->pos(), QPoint(320, 190));
    QCOMPARE(PiecePositions(*w.form, [](int) { return true; }), Slots(QSize(1000, 740), 768));
    // Raised: ring 1 is darker on the right.
    QCOMPARE(w.form->backSurface().image().pixel(320 + 361, 190 + 180), Grey(130));
    // Where the frame of the first layout ran, above the board, the
    // background shows only the texture over the window's colour.
    const QImage texture = QImage::fromData(resources::LoadResData(310, QStringLiteral("CUSTOM")))
                               .convertToFormat(QImage::Format_RGB32);
    QVERIFY(!texture.isNull());
    const QImage back = w.form->backSurface().image();
    for (int y = 120 - 9; y < 120; ++y)
        for (int x = 230; x < 300; ++x) {
            const QRgb tile = texture.pixel(x % texture.width(), y % texture.height());
            const QRgb plain = (~tile | w.form->BackColor().rgb()) & 0xffffff;
            QVERIFY2((back.pixel(x, y) & 0xffffff) == plain,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
}

void TestBoard::resizeDuringAGameKeepsPlacedPiecesOnTheirCells()
{
    GameFixture w;
    QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(800, 600)));
    frmPuzzle &f = *w.form;
    StartGame(w.form, 2);
    const QList<int> placed = {1, 8, 17, 23, 36};
    for (int i : placed) {
        f.picTessera[i]->move(geometry::HomePosition(i, f.picPuzzle->pos()));
        f.picTessera[i]->setEnabled(false);
    }
    f.PlacedCount = std::int16_t(placed.size());

    w.showAtOuterSize(QSize(1000, 740));

    const QPoint board(320, 190);
    QCOMPARE(f.picPuzzle->pos(), board);
    for (int i : placed) {
        QCOMPARE(f.picTessera[i]->pos(), geometry::HomePosition(i, board));
        QVERIFY(!f.picTessera[i]->isEnabled());
    }
    const QSet<QPoint> loose = PiecePositions(f, [&](int i) { return !placed.contains(i); });
    QCOMPARE(loose.size(), geometry::PieceCount - int(placed.size()));
    QVERIFY(Slots(QSize(1000, 740), 768).contains(loose));
    // The game goes on with the board still sunken.
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.PlacedCount, std::int16_t(placed.size()));
    for (int i = 1; i <= geometry::PieceCount; ++i)
        QVERIFY(f.picTessera[i]->isVisibleTo(&f));
    QCOMPARE(f.backSurface().image().pixel(board.x() + 361, board.y() + 180), Grey(150));
    QCOMPARE(f.picDisplay->y(), board.y() - f.picDisplay->height() - 33);
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
