#include "support/GameFixture.h"

#include "ui/AboutDialog.h"
#include "ui/ResultDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

bool atStartScreen(frmPuzzle *form)
{
    bool ok = form->picStart->isVisible() && !form->picDisplay->isVisible() && form->picMessaggio->isVisible();
    for (int i = 1; i <= 36; ++i)
        ok = ok && !form->picTessera[i]->isVisible() && form->picTessera[i]->isEnabled();
    return ok;
}

} // namespace

class tst_play : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    frmPuzzle *form = nullptr;

    // Starts the usual copy and, for a level of 0 to 2, a game of it.
    bool start(int level, bool stopwatch = false)
    {
        if ((form = game->startCopy()) && level >= 0)
            StartGame(form, level, stopwatch);
        return form;
    }
    void tickAfter(unsigned ms) { game->fakes.clock.advance(ms); form->Timer1_Timer(); }
    QList<int> &played() { return game->fakes.sound.played; }

    int shown = 0, answered = 0;
    // Closes the next end-of-game window, typing `name` first when it asks
    // for one, and remembers the kind of message it showed.
    void answerMessage(const QString &name = QString())
    {
        AnswerModal<frmMessaggi>([this, name](frmMessaggi *m) {
            shown = NewPuzzle::MessageKind;
            if (!name.isEmpty() && m->txtRecord->isVisible())
                QTest::keyClicks(m->txtRecord, name);
            m->cmdChiudi->click();
        }, &answered);
    }

private slots:
    void init()
    {
        shown = answered = NewPuzzle::MessageKind = 0;
        game = std::make_unique<GameFixture>();
    }
    void cleanup() { game.reset(); }

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
        PictureBox *box = form->picTessera[piece];
        const QPoint pickedUp = box->pos();
        const QPoint home = geometry::HomePosition(piece, form->picPuzzle->pos());
        played().clear();
        DragPiece(form, piece, home + offset);
        // Picked up, then snapped or sent back.
        QCOMPARE(played(), (QList<int>{201, snaps ? 201 : 202}));
        QCOMPARE(box->pos(), snaps ? home : pickedUp);
        QCOMPARE(int(form->PlacedCount), snaps ? 1 : 0);
        if (snaps) {
            // A placed piece ignores the mouse.
            played().clear();
            DragPiece(form, piece, home + QPoint(100, 100));
            QCOMPARE(box->pos(), home);
            QVERIFY(played().isEmpty());
        }
    }

    void onlyTheLeftButtonDragsAndTheGrabbedPointFollowsThePointer()
    {
        QVERIFY(start(2));
        const QPoint picked = form->picTessera[15]->pos();
        played().clear();
        DragPiece(form, 15, geometry::HomePosition(15, form->picPuzzle->pos()), Qt::RightButton);
        QCOMPARE(form->picTessera[15]->pos(), picked);
        QVERIFY(played().isEmpty());

        QWindow *window = form->windowHandle();
        const QPoint grip = Grip(15);
        QTest::mousePress(window, Qt::LeftButton, {}, picked + grip);
        for (const QPoint step : {QPoint(5, 3), QPoint(123, 77)}) {
            QTest::mouseMove(window, picked + grip + step);
            QCOMPARE(form->picTessera[15]->pos(), picked + step);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, picked + grip);
    }

    void countdownShowsTimeLeftAndWarns()
    {
        QVERIFY(start(0));
        tickAfter(10000);
        QCOMPARE(form->lblTimer->text(), QStringLiteral("04:50"));
        tickAfter(261000);
        QCOMPARE(form->lblTimer->text(), QStringLiteral("00:29"));
        QCOMPARE(QColor(form->picProgress->image().pixel(0, 0)), QColor(255, 255, 0));
        QCOMPARE(form->Timer1->interval(), 200);

        // From 15 seconds left: red, ticks every 100 ms, one warning cue for
        // each second however many ticks fall in it.
        played().clear();
        game->fakes.clock.advance(14000); // 285 s: 15 left
        for (int tick = 0; tick < 150; ++tick) {
            form->Timer1_Timer();
            game->fakes.clock.advance(100);
            if (tick == 0) {
                QCOMPARE(form->Timer1->interval(), 100);
                QCOMPARE(QColor(form->picProgress->image().pixel(0, 0)), QColor(255, 0, 0));
            }
        }
        QCOMPARE(played(), QList<int>(15, 211));
        QVERIFY(form->Timer1->isActive());
    }

    void timeOverEndsTheGameOnce()
    {
        QVERIFY(start(2)); // 180 s
        PlacePiece(form, 1);
        tickAfter(179999);
        QVERIFY(form->Timer1->isActive());
        played().clear();
        answerMessage();
        tickAfter(1);
        QCOMPARE(answered, 1);
        QCOMPARE(shown, 1);
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(played(), (QList<int>{206, 208}));
        QVERIFY(atStartScreen(form));
        // A tick that was already waiting does nothing more.
        form->Timer1_Timer();
        QCOMPARE(answered, 1);
        // The next game ticks every 200 ms again, from a full allowance.
        StartGame(form, 0);
        QCOMPARE(form->Timer1->interval(), 200);
    }

    void stopwatchSwitchedOnMidGameCountsWithoutLimitUntilSwitchedOff()
    {
        QVERIFY(start(1)); // 240 s
        QTest::mouseClick(form->chkTimer, Qt::LeftButton);
        tickAfter(75000);
        QCOMPARE(form->lblTimer->text(), QStringLiteral("01:15"));
        tickAfter(3600000 - 75000);
        QCOMPARE(form->lblTimer->text(), QStringLiteral("00:00"));
        QVERIFY(form->Timer1->isActive()); // past the allowance, but the stopwatch runs on
        // Days of play stop the count at 32767 seconds instead of overflowing.
        tickAfter(40000u * 1000u);
        QCOMPARE(int(NewPuzzle::ElapsedSeconds), 32767);
        QTest::mouseClick(form->chkTimer, Qt::LeftButton);
        answerMessage();
        form->Timer1_Timer();
        QCOMPARE(shown, 1); // back on the same countdown, long used up
        QVERIFY(atStartScreen(form));
    }

    void backAbandonsTheGameWithoutAMessage()
    {
        QVERIFY(start(0));
        PlacePiece(form, 5);
        played().clear();
        QTest::mouseClick(form->cmdBack, Qt::LeftButton);
        QCOMPARE(played(), QList<int>{208});
        QVERIFY(!form->Timer1->isActive());
        QVERIFY(atStartScreen(form));
        QCOMPARE(NewPuzzle::MessageKind, std::int16_t(0));
    }

    void solvingTheWholePuzzle_data()
    {
        QTest::addColumn<bool>("stopwatch");
        QTest::addColumn<int>("kind");
        QTest::newRow("countdown, first record") << false << 4;
        QTest::newRow("stopwatch") << true << 2;
    }
    void solvingTheWholePuzzle()
    {
        QFETCH(bool, stopwatch);
        QFETCH(int, kind);
        QVERIFY(start(1, stopwatch));
        for (int i = 1; i <= 35; ++i) {
            game->fakes.clock.advance(2500);
            PlacePiece(form, i);
        }
        tickAfter(2500); // the clock's last word: 90 s
        answerMessage(QStringLiteral("Giulia"));
        played().clear();
        PlacePiece(form, 36);
        QCOMPARE(answered, 1);
        QCOMPARE(shown, kind);
        // Picked up, snapped, the fanfare, and back to the start.
        QCOMPARE(played(), (QList<int>{201, 201, 210, 208}));
        QVERIFY(atStartScreen(form));
        QCOMPARE(game->folder.readScoreFile().contains("[Immagine]\n1=Giulia    90"), kind == 4);
    }

    // A second end must not follow the first: the clock running out while the
    // last piece snaps, Back or closing the window during the finished picture.
    void theLastPieceEndsTheGameOnlyOnce_data()
    {
        QTest::addColumn<int>("interruption");
        QTest::addColumn<int>("kind"); // of the message shown, 0 for none
        QTest::newRow("clock runs out during the snap") << 0 << 1;
        QTest::newRow("Back during the finished picture") << 1 << 2;
        QTest::newRow("window closed during the finished picture") << 2 << 0;
    }
    void theLastPieceEndsTheGameOnlyOnce()
    {
        QFETCH(int, interruption);
        QFETCH(int, kind);
        QVERIFY(start(2, interruption == 1));
        for (int i = 1; i <= 35; ++i)
            PlacePiece(form, i);
        game->fakes.sound.onPlay = [&](int id) {
            if (interruption == 0 && id == 201 && !form->picTessera[36]->isEnabled()) {
                game->fakes.sound.onPlay = nullptr;
                tickAfter(180000);
            }
        };
        game->fakes.clock.onSleep = [&](int) {
            if (interruption == 1)
                form->cmdBack_Click();
            if (interruption == 2 && form->isVisible())
                form->close();
        };
        answerMessage(QStringLiteral("Nobody"));
        played().clear();
        PlacePiece(form, 36);
        QTest::qWait(50);
        QCOMPARE(shown, kind);
        QCOMPARE(answered, kind ? 1 : 0); // no window opens over a program that is ending
        QCOMPARE(game->fakes.clock.sleeps.size(), interruption ? 2 : 0);
        QCOMPARE(played().count(208), kind ? 1 : 0);
        QCOMPARE(game->fakes.end.ends, kind ? 0 : 1);
        QVERIFY(!game->folder.readScoreFile().contains("Immagine"));
    }

    void colourButtonCyclesTheTenColoursAndExitSavesIt()
    {
        // The top of the index's range starts again at 0 instead of overflowing.
        game->folder.writeScoreFile("[BackColor]\nColor=32767\n");
        QVERIFY(start(-1));
        QList<int> seen;
        for (int press = 0; press < 12; ++press) {
            QTest::mouseClick(form->cmdColor, Qt::LeftButton);
            seen << form->ColorIndex;
        }
        QCOMPARE(seen, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
        // Before any level is chosen Level is 0: the Easy stripes show the
        // window's colour on the odd rows of the board.
        QCOMPARE(QColor(form->picPuzzle->image().pixel(100, 1)), form->BackColor());
        QCOMPARE(form->picPuzzle->image().pixel(100, 2), form->picSorgente->picture().pixel(100, 2));
        QTest::mouseClick(form->cmdEsci, Qt::LeftButton);
        QCOMPARE(game->fakes.end.ends, 1);
        QCOMPARE(game->folder.readScoreFile(), QByteArray("[BackColor]\nColor=1\n"));
        QVERIFY(!form->isVisible());
    }

    void infoOpensTheAboutWindowWhileTheClockRuns()
    {
        QVERIFY(start(0));
        int opened = 0;
        AnswerModal<frmAbout>(
            [&](frmAbout *about) {
                game->fakes.clock.advance(20000);
                QTRY_COMPARE(form->lblTimer->text(), QStringLiteral("04:40")); // ticks go on
                about->cmdChiudi->click();
            },
            &opened);
        QTest::mouseClick(form->cmdInfo, Qt::LeftButton);
        QCOMPARE(opened, 1);
    }
};

QTEST_MAIN(tst_play)
#include "tst_play.moc"
