// Playing on the real window: dragging and snapping, the clock, the three
// ends of a game, and every way two of them could meet.

#include "support/GameFixture.h"

namespace {

bool atStartScreen(const GameFixture &w)
{
    bool ok = w.window->startPanel()->isVisible() && !w.window->clockPanel()->isVisible()
              && w.window->greetingPanel()->isVisible()
              && w.game().state() == Game::State::Idle;
    for (int i = 1; i <= puzzle::PieceCount; ++i)
        ok = ok && !w.piece(i)->isVisible() && w.piece(i)->isEnabled();
    return ok;
}

} // namespace

class tst_play : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> w;

    // Starts the usual copy and, for a level of 0 to 2, a game of it.
    bool start(int level, bool stopwatch = false)
    {
        if (!w->startCopy())
            return false;
        if (level >= 0)
            w->startGame(level, stopwatch);
        return true;
    }
    QList<int> &played() { return w->fakes.sound.played; }
    void placeAllBut(int last)
    {
        for (int i = 1; i <= puzzle::PieceCount; ++i)
            if (i != last)
                w->placePiece(i);
    }

private slots:
    void init() { w = std::make_unique<GameFixture>(); }
    void cleanup() { w.reset(); }

    void pieceSnapsOnlyOnItsOwnCell_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QPoint>("offset"); // from its home
        QTest::addColumn<bool>("snaps");
        QTest::newRow("3 dropped 29 below") << 3 << QPoint(0, 29) << true;
        QTest::newRow("4 (ox 10) dropped 21 left") << 4 << QPoint(-21, 0) << false;
        QTest::newRow("8 over the empty cell of 9") << 8 << QPoint(60, 0) << false;
        QTest::newRow("8 half off the board") << 8 << QPoint(-100, 0) << false;
    }
    void pieceSnapsOnlyOnItsOwnCell()
    {
        QFETCH(int, piece);
        QFETCH(QPoint, offset);
        QFETCH(bool, snaps);
        QVERIFY(start(0));
        const QPoint pickedUp = w->piecePos(piece);
        const QPoint home = w->home(piece);
        played().clear();
        w->dragPiece(piece, home + offset);
        // Picked up, then snapped or sent back.
        QCOMPARE(played(), (QList<int>{201, snaps ? 201 : 202}));
        QCOMPARE(w->piecePos(piece), snaps ? home : pickedUp);
        QCOMPARE(w->game().placedCount(), snaps ? 1 : 0);
        if (snaps) {
            // A placed piece ignores the mouse.
            played().clear();
            w->dragPiece(piece, home + QPoint(100, 100));
            QCOMPARE(w->piecePos(piece), home);
            QVERIFY(played().isEmpty());
        }
    }

    void onlyTheLeftButtonDragsAndTheGrabbedPointFollowsThePointer()
    {
        QVERIFY(start(2));
        const QPoint picked = w->piecePos(15);
        played().clear();
        w->dragPiece(15, w->home(15), Qt::RightButton);
        QCOMPARE(w->piecePos(15), picked);
        QVERIFY(played().isEmpty());

        QWindow *handle = w->window->windowHandle();
        const QPoint grip = w->grip(15);
        QTest::mousePress(handle, Qt::LeftButton, {}, picked + grip);
        for (const QPoint step : {QPoint(5, 3), QPoint(123, 77)}) {
            QTest::mouseMove(handle, picked + grip + step);
            QCOMPARE(w->piecePos(15), picked + step);
        }
        QTest::mouseRelease(handle, Qt::LeftButton, {}, picked + grip);
    }

    void countdownShowsTimeLeftAndWarns()
    {
        QVERIFY(start(0));
        w->tickAfter(10000);
        QCOMPARE(w->clockText(), QStringLiteral("04:50"));
        w->tickAfter(261000);
        QCOMPARE(w->clockText(), QStringLiteral("00:29"));
        QCOMPARE(QColor(w->timeBar().pixel(0, 0)), QColor(255, 255, 0));
        QCOMPARE(w->ticks()->interval(), 200);

        // From 15 seconds left: red, ticks every 100 ms, one warning cue for
        // each second however many ticks fall in it.
        played().clear();
        w->fakes.clock.advance(14000); // 285 s: 15 left
        for (int tick = 0; tick < 150; ++tick) {
            w->game().tick();
            w->fakes.clock.advance(100);
            if (tick == 0) {
                QCOMPARE(w->ticks()->interval(), 100);
                QCOMPARE(QColor(w->timeBar().pixel(0, 0)), QColor(255, 0, 0));
            }
        }
        QCOMPARE(played(), QList<int>(15, 211));
        QVERIFY(w->ticks()->isActive());
    }

    void timeOverEndsTheGameOnce()
    {
        QVERIFY(start(2)); // 180 s
        w->placePiece(1);
        w->tickAfter(179999);
        QVERIFY(w->ticks()->isActive());
        played().clear();
        w->tickAfter(1);
        QVERIFY(!w->ticks()->isActive());
        QCOMPARE(w->clockText(), QStringLiteral("00:00"));
        // A tick that was already waiting does nothing more.
        w->game().tick();
        QCOMPARE(w->window->findChildren<ResultDialog *>().size(), 1);
        QCOMPARE(w->answerResult(), 1);
        QCOMPARE(played(), (QList<int>{206, 208}));
        QVERIFY(atStartScreen(*w));
        // The next game ticks every 200 ms again, from a full allowance.
        w->startGame(0);
        QCOMPARE(w->ticks()->interval(), 200);
        QVERIFY(w->ticks()->isActive());
    }

    void stopwatchSwitchedOnMidGameCountsWithoutLimitUntilSwitchedOff()
    {
        QVERIFY(start(1)); // 240 s
        QTest::mouseClick(w->button("timerSwitch"), Qt::LeftButton);
        w->tickAfter(75000);
        QCOMPARE(w->clockText(), QStringLiteral("01:15"));
        w->tickAfter(3600000 - 75000);
        QCOMPARE(w->clockText(), QStringLiteral("00:00"));
        QVERIFY(w->ticks()->isActive()); // past the allowance, but the stopwatch runs on
        // Days of play stop the count at 32767 seconds instead of overflowing.
        w->tickAfter(40000u * 1000u);
        QCOMPARE(w->game().elapsedSeconds(), 32767);
        QTest::mouseClick(w->button("timerSwitch"), Qt::LeftButton);
        w->game().tick();
        QCOMPARE(w->answerResult(), 1); // back on the same countdown, long used up
        QVERIFY(atStartScreen(*w));
    }

    void giveUpAbandonsTheGameWithoutAMessage()
    {
        QVERIFY(start(0));
        w->placePiece(5);
        played().clear();
        QTest::mouseClick(w->button("giveUp"), Qt::LeftButton);
        QCOMPARE(played(), QList<int>{208});
        QVERIFY(!w->ticks()->isActive());
        QVERIFY(atStartScreen(*w));
        QVERIFY(!w->resultDialog());
    }

    void solvingTheWholePuzzle_data()
    {
        QTest::addColumn<bool>("stopwatch");
        QTest::addColumn<int>("end");
        QTest::newRow("countdown, first record") << false << 4;
        QTest::newRow("stopwatch") << true << 2;
    }
    void solvingTheWholePuzzle()
    {
        QFETCH(bool, stopwatch);
        QFETCH(int, end);
        QVERIFY(start(1, stopwatch));
        for (int i = 1; i <= 35; ++i) {
            w->fakes.clock.advance(2500);
            w->placePiece(i);
        }
        w->tickAfter(2500); // the clock's last word: 90 s
        played().clear();
        w->placePiece(36);
        // Picked up, snapped, the fanfare; the finished picture stays on show
        // for four seconds, the clock stopped.
        QCOMPARE(played(), (QList<int>{201, 201, 210}));
        QCOMPARE(w->game().state(), Game::State::Finishing);
        QVERIFY(!w->ticks()->isActive());
        QVERIFY(w->piece(36)->isVisible());
        w->fakes.clock.advance(3999);
        QVERIFY(!w->resultDialog());
        w->fakes.clock.advance(1);
        QCOMPARE(w->answerResult(QStringLiteral("Giulia")), end);
        QCOMPARE(played().last(), 208);
        QVERIFY(atStartScreen(*w));
        QCOMPARE(w->folder.readScoreFile().contains("[Immagine]\n1=Giulia    90"), end == 4);
    }

    // Two ends must never meet: whatever arrives while a game is finishing or
    // its result is on show finds the game no longer playing.
    void inputWhileAGameIsFinishingIsIgnored_data()
    {
        QTest::addColumn<int>("interruption");
        QTest::newRow("a tick at the last snap, with the time up") << 0;
        QTest::newRow("give up during the finished picture") << 1;
        QTest::newRow("Play during the finished picture") << 2;
    }
    void inputWhileAGameIsFinishingIsIgnored()
    {
        QFETCH(int, interruption);
        QVERIFY(start(2, true));
        placeAllBut(36);
        w->fakes.sound.onPlay = [&](int id) {
            // The clock has run out when the fanfare sounds.
            if (interruption == 0 && id == 210) {
                w->fakes.sound.onPlay = nullptr;
                w->button("timerSwitch")->setChecked(false);
                w->tickAfter(180000);
            }
        };
        w->placePiece(36);
        if (interruption == 1)
            w->game().giveUp();
        if (interruption == 2)
            w->game().start();
        QCOMPARE(w->game().state(), Game::State::Finishing);
        QVERIFY(!w->resultDialog());
        w->fakes.clock.advance(4000);
        // One end: the solved one, judged on the countdown when it was switched back.
        QCOMPARE(w->answerResult(), interruption == 0 ? 4 : 2);
        QVERIFY(atStartScreen(*w));
        QCOMPARE(played().count(208), 1);
    }

    // The window closed in the middle of an end: nothing more opens, the
    // program ends once, and a name typed for a record is kept.
    void closingTheWindowDuringAnEnd_data()
    {
        QTest::addColumn<bool>("duringResult");
        QTest::newRow("during the finished picture") << false;
        QTest::newRow("with the record window open") << true;
    }
    void closingTheWindowDuringAnEnd()
    {
        QFETCH(bool, duringResult);
        QVERIFY(start(2));
        for (int i = 1; i <= 36; ++i)
            w->placePiece(i);
        if (duringResult) {
            w->fakes.clock.advance(4000);
            QVERIFY(w->resultDialog());
            QTest::keyClicks(w->resultDialog()->findChild<QLineEdit *>("name"), "Nobody");
        }
        w->window->close();
        w->fakes.clock.advance(10000);
        QTest::qWait(20);
        QVERIFY(!w->resultDialog());
        QCOMPARE(w->fakes.end.quits, 1);
        QCOMPARE(w->folder.readScoreFile().contains("Nobody"), duringResult);
    }

    // Play right after a reset starts a real game: pieces out, the clock
    // running, and give up working.
    void playRightAfterAResetStartsAGameThatCanBeGivenUp()
    {
        QVERIFY(start(0));
        QTest::mouseClick(w->button("giveUp"), Qt::LeftButton);
        QTest::mouseClick(w->button("play"), Qt::LeftButton);
        QCOMPARE(w->game().state(), Game::State::Playing);
        QVERIFY(w->ticks()->isActive());
        for (int i = 1; i <= puzzle::PieceCount; ++i)
            QVERIFY(w->piece(i)->isVisible());
        QTest::mouseClick(w->button("giveUp"), Qt::LeftButton);
        QVERIFY(atStartScreen(*w));
    }

    void colourButtonCyclesTheTenColoursAndExitSavesIt()
    {
        // The top of the index's range starts again at 0 instead of overflowing.
        w->folder.writeScoreFile("[BackColor]\nColor=32767\n");
        QVERIFY(start(-1));
        const QImage picture = w->window->board()->image();
        QList<int> seen;
        for (int press = 0; press < 12; ++press) {
            QTest::mouseClick(w->button("colour"), Qt::LeftButton);
            seen << w->window->colourIndex();
        }
        QCOMPARE(seen, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
        // No level is chosen: the board keeps the clean picture.
        QCOMPARE(w->window->board()->image(), picture);
        // Once Easy is chosen, a colour change paints the stripes in it.
        QTest::mouseClick(w->levelButton(0), Qt::LeftButton);
        QTest::mouseClick(w->button("colour"), Qt::LeftButton);
        QCOMPARE(QColor(w->window->board()->image().pixel(100, 1)), w->window->backgroundColour());
        QCOMPARE(w->window->board()->image().pixel(100, 2), picture.pixel(100, 2));
        QTest::mouseClick(w->button("exit"), Qt::LeftButton);
        QCOMPARE(w->fakes.end.quits, 1);
        QCOMPARE(w->folder.readScoreFile(), QByteArray("[BackColor]\nColor=2\n"));
        QVERIFY(!w->window->isVisible());
    }

    void aboutOpensModalAndReturnCloses()
    {
        QVERIFY(start(0));
        QTest::mouseClick(w->button("about"), Qt::LeftButton);
        AboutDialog *about = w->aboutDialog();
        QVERIFY(about);
        QVERIFY(about->isModal());
        QTest::keyClick(about, Qt::Key_Return);
        QVERIFY(!w->aboutDialog());
    }
};

QTEST_MAIN(tst_play)
#include "tst_play.moc"
