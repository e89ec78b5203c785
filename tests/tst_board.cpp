// Starting a game, the guide each level leaves on the board, cutting the
// pieces and dealing them out around the board.

#include "game/SceneScale.h"
#include "support/GameFixture.h"

#include "ui/GreetingLayout.h"
#include "ui/PieceArt.h"

#include <QSet>
#include <QTransform>

#include <new>
#include <stdexcept>

namespace {

const QSize PieceSize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);

QSet<QPoint> Slots(QSize inside)
{
    const auto places = puzzle::slotPositions(inside, PieceSize);
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
        const QRgb empty = qRgb(255, 255, 255);
        QVERIFY(before.pixel(0, 1) != back);
        for (int y = 0; y < 360; ++y)
            for (int x = 0; x < 360; ++x) {
                const QRgb was = before.pixel(x, y);
                const QRgb expected = level == 0 ? (y % 2 ? back : was) : level == 1 ? was ^ 0x00ffffffu : empty;
                if (after.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
    }

    // Pieces that cannot be made for want of memory: the player is told in
    // the game's language, and the start screen stays.
    void runningOutOfMemoryWhileStartingIsReportedAndTheStartAbandoned()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(800, 600), QSize(800, 600)));
        // The start cue is the last step before the clock starts.
        w.fakes.sound.onPlay = [](int id) {
            if (id == 204)
                throw std::bad_alloc();
        };
        w.startGame(0);
        w.fakes.sound.onPlay = nullptr;
        QCOMPARE(w.fakes.messages.shown.size(), 1);
        QCOMPARE(w.fakes.messages.shown[0].text,
                 QStringLiteral("There is not enough memory to cut the pieces. Close some other programs and press Play again."));
        QCOMPARE(w.fakes.messages.shown[0].icon, platform::MessageIcon::Critical);
        QVERIFY(!w.ticks()->isActive());
        QCOMPARE(w.game().state(), Game::State::Idle);
        QVERIFY(w.window->startPanel()->isVisible());
        for (int i = 1; i <= puzzle::PieceCount; ++i)
            QVERIFY(!w.piece(i)->isVisible());
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
            const QImage cut = w.piece(piece)->image();
            // Inside the outline, every pixel of the body is the cell's.
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 60; ++x) {
                    const QRgb shown = cut.pixel(offset.x() + x, offset.y() + y);
                    if (qAlpha(shown) && shown != picture.pixel(c * 60 + x, r * 60 + y))
                        QFAIL(qPrintable(QStringLiteral("piece %1 at %2, %3").arg(piece).arg(x).arg(y)));
                }
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
        QTest::newRow("slot 16") << 16 << QPoint(556, 15); // clear of slot 24
        QTest::newRow("slot 17") << 17 << QPoint(716, 15);
        QTest::newRow("slot 24") << 24 << QPoint(636, 15);
        // The bottom row fits between the columns on either side.
        QTest::newRow("slot 31") << 31 << QPoint(167, 501);
        QTest::newRow("slot 36") << 36 << QPoint(557, 501);
    }
    void slotsOfAnEightHundredBySixHundredWindow()
    {
        QFETCH(int, slot);
        QFETCH(QPoint, place);
        QCOMPARE(puzzle::slotPositions(QSize(800, 600), PieceSize)[slot - 1], place);
    }

    void slotsOfALargerWindow_data()
    {
        QTest::addColumn<QSize>("inside");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QPoint>("place");
        // Slot 16 stays five columns to the right of the third one when
        // nothing is in its way.
        QTest::newRow("1024 x 768, slot 16") << QSize(1024, 768) << 16 << QPoint(727, 36);
        QTest::newRow("1024 x 768, slot 24") << QSize(1024, 768) << 24 << QPoint(820, 36);
        QTest::newRow("1024 x 768, slot 31") << QSize(1024, 768) << 31 << QPoint(223, 642);
    }
    void slotsOfALargerWindow()
    {
        QFETCH(QSize, inside);
        QFETCH(int, slot);
        QFETCH(QPoint, place);
        QCOMPARE(puzzle::slotPositions(inside, PieceSize)[slot - 1], place);
    }

    // The spacing of the columns, from the smallest window up.
    void slotColumnsSpreadOutAsTheWindowGrowsTaller_data()
    {
        QTest::addColumn<QSize>("inside");
        QTest::addColumn<int>("gap");
        QTest::newRow("800 x 600, no taskbar") << QSize(800, 600) << 4;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 24;
        QTest::newRow("800 x 600 less a taskbar") << QSize(800, 555) << 1;
        QTest::newRow("the smallest window") << puzzle::MinimumArea << 1;
        QTest::newRow("a window of 1000 x 740") << QSize(1000, 740) << 20;
        QTest::newRow("1366 x 768 less a taskbar") << QSize(1366, 738) << 20;
        // 1920 x 1080 and 3840 x 2160 at their scales: the row below the
        // board clears its frame.
        QTest::newRow("16:9 at its scale") << QSize(1097, 617) << 4;
    }
    void slotColumnsSpreadOutAsTheWindowGrowsTaller()
    {
        QFETCH(QSize, inside);
        QFETCH(int, gap);
        const auto places = puzzle::slotPositions(inside, PieceSize);
        for (int j : {1, 8, 17, 24}) // slot j at index j - 1
            QCOMPARE(places[j].y() - places[j - 1].y(), 77 + gap);
    }

    // Every window from the smallest to 3840 x 2160, at the scale it is
    // drawn at: each piece whole inside it, and no piece touching another,
    // the board's frame or the clock panel, nor lying on the buttons beside
    // the board. A piece draws nothing beyond its 70-pixel square.
    void noSlotTouchesAnotherOrTheFrameInAnyWindow()
    {
        QSet<QPoint> areas; // width and height
        QList<int> widths{800, 801, 811, 853, 1024, 1280, 1366, 1920, 2560, 3840};
        for (int w = 800; w <= 3840; w += 61)
            widths << w;
        for (int w : widths) {
            for (int h = puzzle::MinimumArea.height(); h <= 2160; ++h) {
                const double scale = scene::scaleFor(QSize(w, h));
                areas.insert(QPoint(int(w / scale), int(h / scale)));
            }
        }
        const auto touch = [](const QRect &a, const QRect &b) { return a.adjusted(-1, -1, 1, 1).intersects(b); };
        for (const QPoint &area : std::as_const(areas)) {
            const QSize inside(area.x(), area.y());
            const auto places = puzzle::slotPositions(inside, PieceSize);
            const QPoint boardCorner(qRound((inside.width() - 360) / 2.0), qRound((inside.height() - 360) / 2.0));
            const QRect board(boardCorner, QSize(360, 360));
            const QRect frame = board.adjusted(-9, -9, 9, 9);
            const QRect clock(qRound((inside.width() - 310) / 2.0), std::max(0, board.top() - 99), 310, 66);
            // The five commands, Pause above them and the sound switch below.
            const QRect buttons(board.right() + 11, board.top() + 2, 46, 352);
            const QRect window(QPoint(), inside);
            for (int a = 0; a < puzzle::PieceCount; ++a) {
                const QRect box(places[a], PieceSize);
                const QRect square(places[a], QSize(70, 70));
                const QString which = QStringLiteral("slot %1 of %2 x %3").arg(a + 1).arg(inside.width()).arg(inside.height());
                QVERIFY2(window.contains(box), qPrintable(which));
                QVERIFY2(!touch(box, frame), qPrintable(which + " on the frame"));
                QVERIFY2(!touch(square, clock), qPrintable(which + " on the clock"));
                QVERIFY2(!square.intersects(buttons), qPrintable(which + " on a button"));
                for (int b = a + 1; b < puzzle::PieceCount; ++b)
                    QVERIFY2(!touch(box, QRect(places[b], PieceSize)),
                             qPrintable(which + QStringLiteral(" and %1").arg(b + 1)));
            }
        }
    }

    void resizeBetweenGamesDealsAllPiecesAgain()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(800, 600)));
        w.makePieces();
        w.showAtSize(QSize(1000, 740));
        QSet<QPoint> dealt;
        for (int i = 1; i <= puzzle::PieceCount; ++i)
            dealt.insert(w.piecePos(i));
        QCOMPARE(dealt, Slots(QSize(1000, 740)));
    }

    void resizeDuringAGameKeepsPlacedPiecesOnTheirCells()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1024, 768), QSize(1024, 768)));
        w.startGame(2);
        const QList<int> placed = {1, 8, 17, 23, 36};
        for (int i : placed)
            w.placePiece(i);
        w.showAtSize(QSize(1000, 740));
        const QPoint board(320, 190);
        QCOMPARE(w.boardPos(), board);
        QSet<QPoint> loose;
        for (int i = 1; i <= puzzle::PieceCount; ++i) {
            if (placed.contains(i)) {
                QCOMPARE(w.piecePos(i), puzzle::homePosition(i, board));
                QVERIFY(!w.piece(i)->isEnabled());
            } else {
                loose.insert(w.piecePos(i));
            }
        }
        QCOMPARE(loose.size(), puzzle::PieceCount - int(placed.size()));
        QVERIFY(Slots(QSize(1000, 740)).contains(loose));
        QVERIFY(w.ticks()->isActive());
        QCOMPARE(w.game().placedCount(), int(placed.size()));
    }

    // A new size or scale during a game keeps the game as it was: the
    // level's guide on the board, the placed pieces home, and every loose
    // piece in its own slot, laid out for the new window.
    void aRescaleKeepsTheGuideAndEveryPiece_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("easy") << 0;
        QTest::newRow("medium") << 1;
        QTest::newRow("difficult") << 2;
    }
    void aRescaleKeepsTheGuideAndEveryPiece()
    {
        QFETCH(int, level);
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1920, 1080), QSize(1024, 768)));
        w.startGame(level);
        const QList<int> placed = {1, 8, 36};
        for (int i : placed)
            w.placePiece(i);
        const auto slotOf = [&w](int n) {
            const double scale = w.window->sceneScale();
            const QSize area(int(w.window->width() / scale), int(w.window->height() / scale));
            const auto places = puzzle::slotPositions(area, PieceSize);
            for (int slot = 0; slot < puzzle::PieceCount; ++slot)
                if (places[slot] == w.piecePos(n))
                    return slot;
            return -1;
        };
        QMap<int, int> dealt;
        for (int n = 1; n <= puzzle::PieceCount; ++n)
            if (!placed.contains(n))
                dealt[n] = slotOf(n);
        for (const QSize inside : {QSize(1920, 1080), QSize(800, 600)}) {
            w.showAtSize(inside);
            const QString at = QStringLiteral("%1 x %2").arg(inside.width()).arg(inside.height());
            const QImage board = w.window->board()->image();
            const QImage picture = w.window->board()->puzzlePicture();
            const int stripe = int(w.window->board()->deviceScale()); // the first device row of design row 1
            const QPoint p(100, 100);
            if (level == 0)
                QVERIFY2(QColor(board.pixel(p.x(), stripe)) == w.window->backgroundColour()
                             && board.pixel(p.x(), 0) == picture.pixel(p.x(), 0), qPrintable(at));
            else if (level == 1)
                QVERIFY2(board.pixel(p) == (picture.pixel(p) ^ 0x00ffffffu), qPrintable(at));
            else
                QVERIFY2(board.pixel(p) != picture.pixel(p), qPrintable(at));
            for (int n = 1; n <= puzzle::PieceCount; ++n) {
                if (placed.contains(n))
                    QCOMPARE(w.piecePos(n), w.home(n));
                else
                    QVERIFY2(slotOf(n) == dealt[n], qPrintable(at + QStringLiteral(", piece %1").arg(n)));
            }
        }
        QCOMPARE(w.game().placedCount(), int(placed.size()));
    }

    // A greeting breaks where it breaks at the design scale, whatever the
    // screen: a larger type does not always grow in step with its box.
    void aGreetingKeepsItsLinesAtEveryScale()
    {
        const QString text = QStringLiteral("Tanti auguri di buon compleanno, cara Anna, da tutti noi "
                                            "che ti vogliamo bene: mamma, papà, Luca e la nonna");
        GameFixture w;
        w.givePicture();
        w.giveSettings("1" + text.toUtf8() + "\r\n");
        w.fakes.screen.size = QSize(1920, 1080);
        QVERIFY(w.start());
        QVERIFY(greetinglayout::lines(text, greetinglayout::greetingFont()).size() >= 2);
        auto *label = w.find<QLabel>("greeting");
        // The scene shows the panel larger; the label itself keeps its
        // design size and type, so its lines are the design scale's.
        for (const QSize inside : {QSize(1920, 1080), QSize(3200, 1800), QSize(1024, 768)}) {
            w.showAtSize(inside);
            QCOMPARE(label->text(), text);
            QCOMPARE(label->geometry(), greetinglayout::TextBox);
            QCOMPARE(label->font(), greetinglayout::greetingFont());
        }
    }

    // On a desktop scaled to 200 % (the run with QT_SCALE_FACTOR=2) the
    // window's texture is drawn in the screen's own pixels, not doubled.
    void theTextureIsDrawnInTheScreensPixels()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1600, 1200), QSize(800, 600)));
        if (w.window->devicePixelRatioF() != 2.0)
            QSKIP("runs on a desktop scaled to 200 % only");
        const QImage shown = w.window->grab(QRect(0, 200, 100, 100)).toImage();
        QCOMPARE(shown.size(), QSize(200, 200));
        int uneven = 0; // 2 x 2 blocks whose pixels differ
        for (int y = 0; y < shown.height(); y += 2)
            for (int x = 0; x < shown.width(); x += 2) {
                const QRgb corner = shown.pixel(x, y);
                uneven += shown.pixel(x + 1, y) != corner || shown.pixel(x, y + 1) != corner
                          || shown.pixel(x + 1, y + 1) != corner;
            }
        QVERIFY2(uneven > 1000, qPrintable(QString::number(uneven)));
    }

    // On a desktop scaled to 200 % a piece's outline follows the screen's
    // pixels: its picture is transparent beyond the outline traced in them,
    // trimming the two-pixel steps of the window's mask.
    void theOutlinesFollowTheScreensPixels()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1600, 1200), QSize(800, 600)));
        if (w.window->devicePixelRatioF() != 2.0)
            QSKIP("runs on a desktop scaled to 200 % only");
        w.makePieces();
        for (int n : {8, 15, 29}) {
            const QImage image = w.piece(n)->image();
            QVERIFY(image.hasAlphaChannel());
            const QPoint board = w.boardPos();
            const QRegion fine = pieceart::pieceOutline(n, 2.0, board);
            const QRegion coarse = QTransform::fromScale(2, 2).map(pieceart::pieceOutline(n, 1.0, board));
            int trimmed = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool shown = qAlpha(image.pixel(x, y)) != 0;
                    QVERIFY2(shown == fine.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("piece %1 at %2, %3").arg(n).arg(x).arg(y)));
                    trimmed += coarse.contains(QPoint(x, y)) && !shown;
                }
            QVERIFY2(trimmed > 0, qPrintable(QString::number(n)));
        }
    }

    // A large window draws the same scene larger: the board, the pieces and
    // their outlines at the scale, the picture decoded at the board's size,
    // and a piece dropped home still snaps.
    void aLargeWindowScalesTheSceneAndThePiecesStillSnap()
    {
        GameFixture w;
        QVERIFY(w.startCopy('1', QSize(1920, 1080), QSize(1920, 1080)));
        QCOMPARE(w.window->sceneScale(), 1.75);
        QCOMPARE(w.window->board()->image().size(), QSize(630, 630));
        QCOMPARE(w.window->board()->puzzlePicture().size(), QSize(630, 630));
        w.startGame(2);
        // 70 design pixels at 1.75, rounded where the piece lies.
        QCOMPARE(w.piece(8)->image().size(), QSize(123, 122));
        for (int n : {8, 9}) {
            w.placePiece(n);
            QVERIFY2(!w.piece(n)->isEnabled(), qPrintable(QString::number(n)));
        }
        // A neighbour's tab fills the hole of its neighbour exactly: the two
        // outlines on the board neither overlap nor leave a gap between them.
        const auto outline = [&w](int n) {
            return pieceart::pieceOutline(n, 1.75, w.boardPos()).translated(scene::devicePoint(w.home(n), 1.75));
        };
        QVERIFY(!outline(8).intersects(outline(9)));
        // ... and leave no gap along the side they share.
        QVERIFY(outline(8).united(outline(9)).contains(scene::deviceRect(QRect(w.home(8) + puzzle::bodyOffset(8) + QPoint(55, 0), QSize(10, 60)), 1.75)));
        QCOMPARE(w.game().placedCount(), 2);
        // A drop a cell away goes back.
        const QPoint before = w.piecePos(15);
        w.dragPiece(15, w.home(16));
        QCOMPARE(w.piecePos(15), before);
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
