// Choosing a level, starting a game, the guide each level leaves on the
// board, cutting the pieces and dealing them out around the board.

#include "support/GameFixture.h"

#include "platform/RuntimeError.h"
#include "resources/Resources.h"

#include <QLabel>
#include <QSet>

#include <new>
#include <stdexcept>

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

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void playIsDisabledUntilALevelIsChosen()
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

    void choosingALevelShowsOnlyThatOneInBold_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("easy") << 0;
        QTest::newRow("medium") << 1;
        QTest::newRow("difficult") << 2;
    }
    void choosingALevelShowsOnlyThatOneInBold()
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

    void playStartsAGameOfTheChosenLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("limit");
        QTest::newRow("easy") << 0 << 300;
        QTest::newRow("medium") << 1 << 240;
        QTest::newRow("difficult") << 2 << 180;
    }
    void playStartsAGameOfTheChosenLevel()
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
        // The pieces show up where they were dealt, one in every slot; Play
        // does not move them.
        for (int i = 1; i <= geometry::PieceCount; ++i) {
            QVERIFY(f.picTessera[i]->isVisibleTo(&f));
            QVERIFY(f.picTessera[i]->isEnabled());
            QCOMPARE(f.picTessera[i]->pos(), before[i - 1]);
        }
        QCOMPARE(PiecePositions(f, [](int) { return true; }), Slots(QSize(800, 600), 600));
        // The board lies sunken: ring 1 of its frame is light on the right.
        const QPoint board = f.picPuzzle->pos();
        QCOMPARE(f.backSurface().image().pixel(board.x() + 361, board.y() + 180), Grey(150));
    }

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

    void everyCutPieceShowsItsCellAtItsBodyOffset()
    {
        GameFixture w;
        QVERIFY(w.startCopy());
        w.form->CutPieces(0);
        const QImage picture = TestFolder::cellPicture();
        for (int piece = 1; piece <= geometry::PieceCount; ++piece) {
            const QPoint offset = geometry::BodyOffset(piece);
            const int r = geometry::RowOf(piece), c = geometry::ColumnOf(piece);
            const QImage cut = w.form->picTessera[piece]->image();
            QCOMPARE(cut.copy(offset.x(), offset.y(), 60, 60), picture.copy(c * 60, r * 60, 60, 60));
            // The bands around the body hold the picture around the cell.
            QCOMPARE(cut.copy(0, 0, 70, 70), PlainCut(piece));
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
        QTest::newRow("slot 14") << 14 << QPoint(89, 501);
        QTest::newRow("slot 15") << 15 << QPoint(169, 15);
        // Five columns right of slot 15, 4 pixels (not 6) right of its line.
        QTest::newRow("slot 16") << 16 << QPoint(567, 15);
        QTest::newRow("slot 17") << 17 << QPoint(716, 15);
        QTest::newRow("slot 23") << 23 << QPoint(716, 501);
        QTest::newRow("slot 24") << 24 << QPoint(636, 15);
        QTest::newRow("slot 30") << 30 << QPoint(636, 501);
        QTest::newRow("slot 31") << 31 << QPoint(163, 501);
        QTest::newRow("slot 36") << 36 << QPoint(563, 501);
    }
    void slotsOfAnEightHundredBySixHundredWindow()
    {
        QFETCH(int, slot);
        QFETCH(QPoint, place);
        QCOMPARE(geometry::ScatterSlots(800, 600, 600, 77, 77)[slot], place);
    }

    void verticalGapFollowsTheScreenHeight_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("gap");
        QTest::newRow("600 screen") << QSize(800, 600) << 600 << 4;
        QTest::newRow("768 screen") << QSize(1024, 768) << 768 << 24;
        QTest::newRow("768 screen, small window") << QSize(800, 600) << 768 << 24;
    }
    void verticalGapFollowsTheScreenHeight()
    {
        QFETCH(QSize, window);
        QFETCH(int, screenHeight);
        QFETCH(int, gap);
        const auto places = geometry::ScatterSlots(window.width(), window.height(), screenHeight, 77, 77);
        for (int j : {1, 8, 17, 24})
            QCOMPARE(places[j + 1].y() - places[j].y(), 77 + gap);
    }

    void resizeBetweenGamesDealsAllPiecesAgain()
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

    void resizeDuringAGameKeepsPlacedPiecesOnTheirCells()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(1024, 768)));
        frmPuzzle &f = *w.form;
        StartGame(w.form, 2);
        const QList<int> placed = {1, 8, 17, 23, 36};
        for (int i : placed)
            PlacePiece(w.form, i);
        QCOMPARE(f.PlacedCount, std::int16_t(placed.size()));

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
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
