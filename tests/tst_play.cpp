#include "support/GameFixture.h"

#include "about/frmAbout.h"
#include "resources/Resources.h"
#include "results/frmMessaggi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Closes the end-of-game window, typing `name` first when it asks for one,
// and remembers the kind of message it showed.
void AnswerMessage(int *kind, const QString &name = QString(), int *answered = nullptr)
{
    AnswerModal<frmMessaggi>(
        [kind, name](frmMessaggi *m) {
            *kind = NewPuzzle::MessageKind;
            if (!name.isEmpty() && m->txtRecord->isVisible())
                QTest::keyClicks(m->txtRecord, name);
            m->cmdChiudi->click();
        },
        answered);
}

bool atStartScreen(frmPuzzle *form)
{
    if (!form->picStart->isVisible() || form->picDisplay->isVisible()
        || !form->picMessaggio->isVisible())
        return false;
    for (int i = 1; i <= 36; ++i) {
        if (form->picTessera[i]->isVisible() || !form->picTessera[i]->isEnabled())
            return false;
    }
    return true;
}

QColor barColourAt(frmPuzzle *form, int x, int y = 0)
{
    return QColor(form->picProgress->image().pixel(x, y));
}

} // namespace

class tst_play : public QObject
{
    Q_OBJECT

private slots:
    void init() { NewPuzzle::MessageKind = 0; }

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
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 0);
        PictureBox *box = form->picTessera[piece];
        const QPoint pickedUp = box->pos();
        const QPoint home = geometry::HomePosition(piece, form->picPuzzle->pos());
        game.fakes.sound.played.clear();

        DragPiece(form, piece, home + offset);

        // Picked up, then snapped or sent back.
        QCOMPARE(game.fakes.sound.played, (QList<int>{201, snaps ? 201 : 202}));
        QCOMPARE(box->pos(), snaps ? home : pickedUp);
        QCOMPARE(box->isEnabled(), !snaps);
        QCOMPARE(int(form->PlacedCount), snaps ? 1 : 0);
        QVERIFY(box->isVisible());
        // Let go, the piece shows the open hand again.
        QCOMPARE(box->cursor().hotSpot(), resources::CursorHotSpot(100));
        if (snaps) {
            // A placed piece ignores the mouse.
            game.fakes.sound.played.clear();
            DragPiece(form, piece, home + QPoint(100, 100));
            QCOMPARE(box->pos(), home);
            QVERIFY(game.fakes.sound.played.isEmpty());
            QCOMPARE(int(form->PlacedCount), 1);
        }
    }

    void onlyTheLeftButtonDragsAndTheGrabbedPointFollowsThePointer()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 2);
        const QPoint board = form->picPuzzle->pos();
        const QPoint picked = form->picTessera[15]->pos();
        game.fakes.sound.played.clear();
        DragPiece(form, 15, geometry::HomePosition(15, board), Qt::RightButton);
        DragPiece(form, 15, geometry::HomePosition(15, board), Qt::MiddleButton);
        QCOMPARE(form->picTessera[15]->pos(), picked);
        QVERIFY(game.fakes.sound.played.isEmpty());

        // A right click in the middle of a left drag changes nothing: the
        // piece stops following while both are held and snaps at the left
        // button's release.
        QWindow *window = form->windowHandle();
        const QPoint grip = Grip(15);
        const QPoint from = picked + grip;
        const QPoint to = geometry::HomePosition(15, board) + grip;
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QCOMPARE(form->picTessera[15]->cursor().hotSpot(), resources::CursorHotSpot(101)); // the closed hand
        for (const QPoint step : {QPoint(5, 3), QPoint(123, 77)}) {
            // The point taken hold of stays under the pointer.
            QTest::mouseMove(window, from + step);
            QCOMPARE(form->picTessera[15]->pos() + grip, from + step);
        }
        QTest::mouseMove(window, to);
        QTest::mousePress(window, Qt::RightButton, {}, to);
        QTest::mouseRelease(window, Qt::RightButton, {}, to);
        QCOMPARE(form->picTessera[15]->pos() + grip, to);
        QVERIFY(form->picTessera[15]->isEnabled());
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        QVERIFY(!form->picTessera[15]->isEnabled());
    }

    void countdownShowsTimeLeftAndWarns()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 0);
        QCOMPARE(form->Timer1->interval(), 200);
        QCOMPARE(form->lblTimer->text(), QString());

        game.fakes.clock.advance(10000);
        form->Timer1_Timer();
        QCOMPARE(form->lblTimer->text(), QStringLiteral("04:50"));
        QCOMPARE(int(NewPuzzle::ElapsedSeconds), 10);
        // 10 s of 300 on a bar of 268: 8.8 pixels, 9 drawn.
        QCOMPARE(barColourAt(form, 8), QColor(0, 255, 0));
        QCOMPARE(barColourAt(form, 9), QColor(255, 255, 255)); // still the grey of Play

        game.fakes.clock.advance(261000);
        form->Timer1_Timer();
        QCOMPARE(form->lblTimer->text(), QStringLiteral("00:29"));
        QCOMPARE(barColourAt(form, 0), QColor(255, 255, 0));
        QCOMPARE(form->Timer1->interval(), 200);

        // From 15 seconds left: red, ticks every 100 ms, one warning cue for
        // each second however many ticks fall in it.
        game.fakes.sound.played.clear();
        game.fakes.clock.advance(14000); // 285 s: 15 left
        for (int second = 15; second >= 1; --second) {
            for (int tick = 0; tick < 10; ++tick) {
                form->Timer1_Timer();
                game.fakes.clock.advance(100);
            }
            if (second == 15) {
                QCOMPARE(form->Timer1->interval(), 100);
                QCOMPARE(barColourAt(form, 0), QColor(255, 0, 0));
            }
        }
        QCOMPARE(game.fakes.sound.played, QList<int>(15, 211));
        QVERIFY(form->Timer1->isActive());
    }

    void timeOverEndsTheGameOnce()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 2); // 180 s
        PlacePiece(form, 1);
        game.fakes.clock.advance(179999);
        form->Timer1_Timer();
        QVERIFY(form->Timer1->isActive());
        game.fakes.sound.played.clear();
        int kind = 0, answered = 0;
        AnswerMessage(&kind, QString(), &answered);
        game.fakes.clock.advance(1);
        form->Timer1_Timer();
        QCOMPARE(answered, 1);
        QCOMPARE(kind, 1);
        QCOMPARE(form->lblTimer->text(), QStringLiteral("00:00"));
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(game.fakes.sound.played, (QList<int>{206, 208}));
        QVERIFY(atStartScreen(form));
        // A tick that was already waiting does nothing more.
        form->Timer1_Timer();
        QCOMPARE(answered, 1);
        QVERIFY(!game.folder.scoreFileExists());

        // The next game ticks every 200 ms again, from a full allowance.
        StartGame(form, 0);
        QCOMPARE(form->Timer1->interval(), 200);
        QCOMPARE(int(form->PlacedCount), 0);
        QCOMPARE(int(NewPuzzle::ElapsedSeconds), 0);
    }

    void stopwatchCountsWithoutLimit()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 2, true);
        const QImage barAtPlay = form->picProgress->image();
        game.fakes.clock.advance(75000);
        form->Timer1_Timer();
        QCOMPARE(form->lblTimer->text(), QStringLiteral("01:15"));
        game.fakes.clock.advance(3600000 - 75000);
        form->Timer1_Timer();
        QCOMPARE(form->lblTimer->text(), QStringLiteral("00:00"));
        QVERIFY(form->Timer1->isActive());
        QCOMPARE(form->picProgress->image(), barAtPlay);
        // Days of play stop the count at 32767 seconds instead of overflowing.
        game.fakes.clock.advance(40000u * 1000u);
        form->Timer1_Timer();
        QCOMPARE(int(NewPuzzle::ElapsedSeconds), 32767);
        QVERIFY(form->Timer1->isActive());
    }

    void timerBoxSwitchesTheModeFromTheNextTick()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 1); // 240 s
        game.fakes.sound.played.clear();
        QTest::mouseClick(form->chkTimer, Qt::LeftButton);
        QCOMPARE(game.fakes.sound.played, QList<int>{203});
        game.fakes.clock.advance(250000);
        form->Timer1_Timer();
        QCOMPARE(form->lblTimer->text(), QStringLiteral("04:10"));
        QVERIFY(form->Timer1->isActive()); // past the allowance, but the stopwatch runs on
        QTest::mouseClick(form->chkTimer, Qt::LeftButton);
        int kind = 0;
        AnswerMessage(&kind);
        form->Timer1_Timer();
        QCOMPARE(kind, 1); // back on the same countdown, already used up
        QVERIFY(atStartScreen(form));
    }

    void backAbandonsTheGameWithoutAMessage()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 0);
        PlacePiece(form, 5);
        game.fakes.sound.played.clear();
        QTest::mouseClick(form->cmdBack, Qt::LeftButton);
        QCOMPARE(game.fakes.sound.played, QList<int>{208});
        QVERIFY(!form->Timer1->isActive());
        QVERIFY(atStartScreen(form));
        QCOMPARE(NewPuzzle::MessageKind, std::int16_t(0));
        QVERIFY(!game.folder.scoreFileExists());
    }

    void solvingTheWholePuzzle_data()
    {
        QTest::addColumn<bool>("stopwatch");
        QTest::addColumn<bool>("edge");
        QTest::addColumn<int>("kind");
        QTest::newRow("countdown, first record") << false << true << 4;
        QTest::newRow("stopwatch") << true << true << 2;
        QTest::newRow("countdown, flat pieces") << false << false << 4;
    }
    void solvingTheWholePuzzle()
    {
        QFETCH(bool, stopwatch);
        QFETCH(bool, edge);
        QFETCH(int, kind);
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        if (!edge)
            QTest::mouseClick(form->chk3D, Qt::LeftButton);
        StartGame(form, 1, stopwatch);
        // A few wrong drops first; they come back.
        DragPiece(form, 2, geometry::HomePosition(3, form->picPuzzle->pos()));
        DragPiece(form, 36, geometry::HomePosition(1, form->picPuzzle->pos()));
        for (int i = 1; i <= 35; ++i) {
            game.fakes.clock.advance(2500);
            form->Timer1_Timer();
            PlacePiece(form, i);
            QCOMPARE(int(form->PlacedCount), i);
        }
        game.fakes.clock.advance(2500);
        form->Timer1_Timer(); // the clock's last word: 90 s

        // While the finished picture shows, the pieces are flat.
        QImage pieceDuringPause;
        game.fakes.clock.onSleep = [&](int) {
            if (pieceDuringPause.isNull())
                pieceDuringPause = form->picTessera[22]->image().copy(0, 0, 70, 70);
        };
        int shown = 0, answered = 0;
        AnswerMessage(&shown, QStringLiteral("Giulia"), &answered);
        game.fakes.sound.played.clear();
        PlacePiece(form, 36);

        QCOMPARE(answered, 1);
        QCOMPARE(shown, kind);
        QCOMPARE(game.fakes.clock.sleeps, (QList<int>{2000, 2000}));
        // Picked up, snapped, and the snap cut off by the fanfare.
        QCOMPARE(game.fakes.sound.played.mid(0, 3), (QList<int>{201, 201, 210}));
        QCOMPARE(game.fakes.sound.played.last(), 208);
        QVERIFY(atStartScreen(form));
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(int(NewPuzzle::ElapsedSeconds), 90);
        // The finished picture is the plain cut of the picture.
        QCOMPARE(pieceDuringPause, PlainCut(22));
        QCOMPARE(int(form->Effect3D), edge ? -1 : 0);

        const QByteArray scores = game.folder.readScoreFile();
        if (kind == 4)
            QVERIFY2(scores.contains("[Immagine]\n1=Giulia    90"), scores.constData());
        else
            QVERIFY(!scores.contains("Immagine"));
    }

    void clockRunningOutDuringTheLastSnapEndsTheGameOnce()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 2);
        for (int i = 1; i <= 35; ++i)
            PlacePiece(form, i);
        // The snap's cue lets the waiting tick run, and the time is up.
        game.fakes.sound.onPlay = [&](int id) {
            if (id == 201 && form->picTessera[36]->isEnabled() == false) {
                game.fakes.sound.onPlay = nullptr;
                game.fakes.clock.advance(180000);
                form->Timer1_Timer();
            }
        };
        int kind = 0, answered = 0;
        AnswerMessage(&kind, QStringLiteral("Nobody"), &answered);
        game.fakes.sound.played.clear();
        PlacePiece(form, 36);
        QTest::qWait(50);
        QCOMPARE(answered, 1);
        QCOMPARE(kind, 1);
        QVERIFY(!game.fakes.sound.played.contains(210));
        QCOMPARE(game.fakes.sound.played.count(208), 1);
        QVERIFY(game.fakes.clock.sleeps.isEmpty());
        QVERIFY(atStartScreen(form));
        QVERIFY(!game.folder.scoreFileExists());
    }

    void backDuringTheFinishedPictureChangesNothing()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 0, true);
        for (int i = 1; i <= 35; ++i)
            PlacePiece(form, i);
        int backs = 0;
        game.fakes.clock.onSleep = [&](int) {
            ++backs;
            form->cmdBack_Click();
        };
        int kind = 0, answered = 0;
        AnswerMessage(&kind, QString(), &answered);
        game.fakes.sound.played.clear();
        PlacePiece(form, 36);
        QCOMPARE(backs, 2);
        QCOMPARE(answered, 1);
        QCOMPARE(kind, 2);
        QCOMPARE(game.fakes.sound.played.count(208), 1);
        QVERIFY(atStartScreen(form));
    }

    void closingTheWindowDuringTheFinishedPictureEndsQuietly()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 0);
        for (int i = 1; i <= 35; ++i)
            PlacePiece(form, i);
        game.fakes.clock.onSleep = [&](int) {
            game.fakes.clock.onSleep = nullptr;
            form->close();
        };
        int answered = 0, kind = 0;
        AnswerMessage(&kind, QStringLiteral("Ghost"), &answered);
        PlacePiece(form, 36);
        QTest::qWait(20);
        QCOMPARE(answered, 0); // no window opens over a program that is ending
        QCOMPARE(game.fakes.end.ends, 1);
        QCOMPARE(game.folder.readScoreFile(), QByteArray("[BackColor]\nColor=0\n"));
    }

    void colourButtonCyclesTheTenColours()
    {
        GameFixture game;
        // The top of the index's range starts again at 0 instead of overflowing.
        game.folder.writeScoreFile("[BackColor]\nColor=32767\n");
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        QList<int> seen;
        QSet<QRgb> colours;
        for (int press = 0; press < 11; ++press) {
            QTest::mouseClick(form->cmdColor, Qt::LeftButton);
            seen << form->ColorIndex;
            colours.insert(form->BackColor().rgb());
        }
        QCOMPARE(seen, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
        QCOMPARE(colours.size(), 10);
        QCOMPARE(game.fakes.sound.played, QList<int>(11, 203));
        // Before any level is chosen Level is 0: the Easy stripes show the
        // window's colour on the odd rows of the board.
        QCOMPARE(QColor(form->picPuzzle->image().pixel(100, 1)), form->BackColor());
        QCOMPARE(form->picPuzzle->image().pixel(100, 2), form->picSorgente->picture().pixel(100, 2));
    }

    void infoOpensTheAboutWindowWhileTheClockRuns()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        StartGame(form, 0);
        int opened = 0;
        AnswerModal<frmAbout>(
            [&](frmAbout *about) {
                game.fakes.clock.advance(20000);
                QTRY_COMPARE(form->lblTimer->text(), QStringLiteral("04:40")); // ticks go on
                about->cmdChiudi->click();
            },
            &opened);
        game.fakes.sound.played.clear();
        QTest::mouseClick(form->cmdInfo, Qt::LeftButton);
        QCOMPARE(opened, 1);
        QCOMPARE(game.fakes.sound.played.first(), 207);
        QVERIFY(form->Timer1->isActive());
    }

    void exitClosesTheProgramAndSavesTheColour()
    {
        GameFixture game;
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        form->cmdColor_Click();
        game.fakes.sound.played.clear();
        QTest::mouseClick(form->cmdEsci, Qt::LeftButton);
        QVERIFY(game.fakes.sound.played.isEmpty());
        QCOMPARE(game.fakes.end.ends, 1);
        QCOMPARE(game.folder.readScoreFile(), QByteArray("[BackColor]\nColor=1\n"));
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(tst_play)
#include "tst_play.moc"
