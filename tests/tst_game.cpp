// The game's rules on their own, without a window or an application object:
// the states, one end per game, the clock's ticks and the records.

#include "game/Game.h"
#include "platform/Profile.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using besttimes::GameEnd;
using State = Game::State;

Q_DECLARE_METATYPE(Level)

namespace {

// Every piece home but `last`, each dropped exactly on its cell.
void placeAllBut(Game &game, int last)
{
    for (int piece = 1; piece <= puzzle::PieceCount; ++piece) {
        if (piece != last)
            game.drop(piece, puzzle::homePosition(piece, QPoint()), QPoint());
    }
}

bool placeLast(Game &game, int last = puzzle::PieceCount)
{
    return game.drop(last, puzzle::homePosition(last, QPoint()), QPoint());
}

} // namespace

class tst_game : public QObject
{
    Q_OBJECT

    FakeClock clock;
    FakeSound sound;
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<Game> game;

    Game &started(Level level, bool stopwatch = false)
    {
        game->chooseLevel(level);
        game->setStopwatch(stopwatch);
        game->start();
        sound.played.clear();
        return *game;
    }
    void tickAfter(std::uint32_t ms)
    {
        clock.advance(ms);
        game->tick();
    }

private slots:
    void init()
    {
        clock.tick = 1000;
        sound.played.clear();
        folder = std::make_unique<TestFolder>();
        game.reset();
        preferences = std::make_unique<Preferences>(std::make_unique<platform::ScoreFile>(folder->scoreFile()));
        game = std::make_unique<Game>(clock, &sound, *preferences);
    }

    void playNeedsALevelAndTheStartScreen()
    {
        QSignalSpy states(game.get(), &Game::stateChanged);
        game->start();
        QCOMPARE(game->state(), State::Idle);
        QVERIFY(!game->level());
        game->chooseLevel(Level::Medium);
        game->start();
        QCOMPARE(game->state(), State::Playing);
        QCOMPARE(sound.played, (QList<int>{203, 204}));
        // The level stays as it was for the whole game.
        game->chooseLevel(Level::Easy);
        game->start();
        QCOMPARE(*game->level(), Level::Medium);
        QCOMPARE(states.size(), 1);
    }

    void dropsSnapHomeOrGoBack_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("on its cell") << 8 << QPoint(0, 0) << true;
        QTest::newRow("29 to the right") << 3 << QPoint(29, 0) << true;
        QTest::newRow("on the next cell") << 8 << QPoint(60, 0) << false;
        QTest::newRow("off the board") << 1 << QPoint(-40, 0) << false;
    }
    void dropsSnapHomeOrGoBack()
    {
        QFETCH(int, piece);
        QFETCH(QPoint, offset);
        QFETCH(bool, snaps);
        started(Level::Easy);
        QSignalSpy placed(game.get(), &Game::piecePlaced);
        QSignalSpy returned(game.get(), &Game::pieceReturned);
        const QPoint board(171, 90);
        game->pickUp(piece);
        QCOMPARE(game->drop(piece, puzzle::homePosition(piece, board) + offset, board), snaps);
        QCOMPARE(sound.played, (QList<int>{201, snaps ? 201 : 202}));
        QCOMPARE(placed.size(), snaps ? 1 : 0);
        QCOMPARE(returned.size(), snaps ? 0 : 1);
        QCOMPARE(game->isPlaced(piece), snaps);
        QCOMPARE(game->placedCount(), snaps ? 1 : 0);
        if (snaps) {
            // A placed piece cannot be placed twice.
            QVERIFY(!game->drop(piece, puzzle::homePosition(piece, board), board));
            QCOMPARE(game->placedCount(), 1);
        }
    }

    void countdownTicksWarnOncePerSecondAndEndOnTime()
    {
        started(Level::Difficult); // 180 s
        QSignalSpy ticks(game.get(), &Game::countdownTicked);
        QSignalSpy intervals(game.get(), &Game::tickIntervalChanged);
        tickAfter(10000);
        QCOMPARE(ticks.last(), (QVariantList{10, 180}));
        QCOMPARE(game->tickInterval(), 200);
        QCOMPARE(intervals.size(), 0);
        tickAfter(155000); // 15 left
        QCOMPARE(game->tickInterval(), 100);
        for (int i = 0; i < 149; ++i)
            tickAfter(100);
        // 15 down to 1, once each; none at zero, where the time is up.
        QCOMPARE(sound.played, QList<int>(15, 211));
        QCOMPARE(game->state(), State::Playing);
        tickAfter(100);
        QCOMPARE(game->state(), State::ShowingResult);
        QCOMPARE(game->result().end, GameEnd::TimeOver);
        QCOMPARE(game->result().seconds, 180);
        QCOMPARE(sound.played.last(), 206);
        // A tick already on its way finds the game over.
        const auto ticked = ticks.size();
        tickAfter(100);
        QCOMPARE(ticks.size(), ticked);
        // The window's timer hears of the faster tick once, and of the
        // ordinary one again at the next start.
        QCOMPARE(intervals, (QList<QVariantList>{{100}}));
        game->closeResult(QString());
        game->start();
        QCOMPARE(intervals.last(), QVariantList{200});
    }

    void eachLevelCountsDownItsOwnTime_data()
    {
        QTest::addColumn<Level>("level");
        QTest::addColumn<int>("limit");
        QTest::newRow("Easy") << Level::Easy << 300;
        QTest::newRow("Medium") << Level::Medium << 240;
        QTest::newRow("Difficult") << Level::Difficult << 180;
    }
    void eachLevelCountsDownItsOwnTime()
    {
        QFETCH(Level, level);
        QFETCH(int, limit);
        started(level);
        QSignalSpy ticks(game.get(), &Game::countdownTicked);
        tickAfter((limit - 1) * 1000u);
        QCOMPARE(ticks.last(), (QVariantList{limit - 1, limit}));
        QCOMPARE(game->state(), State::Playing);
        tickAfter(1000);
        QCOMPARE(game->state(), State::ShowingResult);
        QCOMPARE(game->result().end, GameEnd::TimeOver);
        QCOMPARE(game->result().seconds, limit);
    }

    void aGameSpanningTheTickCountsWrapCountsRight()
    {
        clock.tick = 0xFFFFFFFFu - 4999u;
        started(Level::Easy);
        tickAfter(65000);
        QCOMPARE(game->elapsedSeconds(), 65);
    }

    void stopwatchRunsPastTheLimitAndStopsCountingAt32767()
    {
        started(Level::Difficult, true);
        QSignalSpy ticks(game.get(), &Game::stopwatchTicked);
        tickAfter(3600000);
        QCOMPARE(ticks.last().first().toInt(), 3600);
        QCOMPARE(game->state(), State::Playing);
        tickAfter(40000u * 1000u);
        QCOMPARE(game->elapsedSeconds(), 32767);
    }

    void theLastPieceShowsThePictureThenTheResult_data()
    {
        QTest::addColumn<bool>("stopwatch");
        QTest::addColumn<QByteArray>("scores");
        QTest::addColumn<int>("end");
        QTest::newRow("stopwatch") << true << QByteArray() << 2;
        QTest::newRow("countdown, no record yet") << false << QByteArray() << 4;
        QTest::newRow("countdown, record beaten") << false << QByteArray("[Immagine]\n1=Bo        91\n") << 4;
        QTest::newRow("countdown, record equalled") << false << QByteArray("[Immagine]\n1=Bo        90\n") << 3;
    }
    void theLastPieceShowsThePictureThenTheResult()
    {
        QFETCH(bool, stopwatch);
        QFETCH(QByteArray, scores);
        QFETCH(int, end);
        if (!scores.isEmpty())
            folder->writeScoreFile(scores);
        started(Level::Medium, stopwatch);
        placeAllBut(*game, 36);
        tickAfter(90000);
        sound.played.clear();
        QVERIFY(placeLast(*game));
        QCOMPARE(game->state(), State::Finishing);
        QCOMPARE(sound.played, (QList<int>{201, 210}));
        game->finishShowing();
        QCOMPARE(game->state(), State::ShowingResult);
        QCOMPARE(int(game->result().end), end);
        QCOMPARE(game->result().seconds, 90);
        QCOMPARE(game->result().level, Level::Medium);
    }

    // Whatever comes after the end has begun finds the game no longer
    // playing: one end per game, one return to the start.
    void oneEndPerGame_data()
    {
        QTest::addColumn<int>("late");
        QTest::newRow("a tick with the time up") << 0;
        QTest::newRow("give up") << 1;
        QTest::newRow("Play") << 2;
        QTest::newRow("the result closed early") << 3;
        QTest::newRow("a drop") << 4;
    }
    void oneEndPerGame()
    {
        QFETCH(int, late);
        started(Level::Difficult);
        placeAllBut(*game, 36);
        QVERIFY(placeLast(*game));
        QSignalSpy states(game.get(), &Game::stateChanged);
        switch (late) {
        case 0:
            tickAfter(200000);
            break;
        case 1:
            game->giveUp();
            break;
        case 2:
            game->start();
            break;
        case 3:
            game->closeResult(QStringLiteral("Early"));
            break;
        case 4:
            QVERIFY(!game->drop(36, puzzle::homePosition(36, QPoint()), QPoint()));
            break;
        }
        QCOMPARE(game->state(), State::Finishing);
        QVERIFY(states.isEmpty());
        game->finishShowing();
        game->finishShowing();
        QCOMPARE(game->result().end, GameEnd::NewBestTime);
        game->closeResult(QString());
        game->closeResult(QString());
        QCOMPARE(game->state(), State::Idle);
        QCOMPARE(states.size(), 2);
        QCOMPARE(sound.played.count(208), 1);
    }

    void cuesRunInTheNewState()
    {
        // A cue may take a moment to hand over; whatever runs meanwhile must
        // already see the state it announces.
        QList<State> seen;
        sound.onPlay = [&](int) { seen << game->state(); };
        started(Level::Easy);
        seen.clear();
        placeAllBut(*game, 1);
        seen.clear();
        placeLast(*game, 1);
        QCOMPARE(seen, (QList<State>{State::Playing, State::Finishing}));
        sound.onPlay = nullptr;
    }

    void giveUpReturnsToTheStartOnlyFromAGame()
    {
        game->giveUp();
        QCOMPARE(sound.played, QList<int>());
        started(Level::Easy);
        game->giveUp();
        QCOMPARE(game->state(), State::Idle);
        QCOMPARE(sound.played, QList<int>{208});
        // The next game starts afresh.
        game->start();
        QCOMPARE(game->placedCount(), 0);
        QCOMPARE(game->elapsedSeconds(), 0);
    }

    void pausesAreLeftOutOfTheGameTime_data()
    {
        QTest::addColumn<std::uint32_t>("startTick");
        // Played, paused, played, paused... in milliseconds.
        QTest::addColumn<QList<int>>("spans");
        QTest::addColumn<int>("seconds");
        QTest::newRow("no pause") << 1000u << QList<int>{12500} << 12;
        QTest::newRow("one pause") << 1000u << QList<int>{4200, 60000, 900} << 5;
        QTest::newRow("a pause inside a second") << 1000u << QList<int>{700, 5000, 400} << 1;
        QTest::newRow("two pauses") << 1000u << QList<int>{1000, 3000, 1000, 3000, 1000} << 3;
        QTest::newRow("across the wrap") << 0xFFFFF000u << QList<int>{2000, 10000, 1500} << 3;
    }

    void pausesAreLeftOutOfTheGameTime()
    {
        QFETCH(std::uint32_t, startTick);
        QFETCH(QList<int>, spans);
        QFETCH(int, seconds);
        clock.tick = startTick;
        started(Level::Difficult, true);
        QSignalSpy ticks(game.get(), &Game::stopwatchTicked);
        for (int i = 0; i < spans.size(); ++i) {
            if (i % 2 == 0) {
                tickAfter(spans[i]);
                continue;
            }
            QVERIFY(game->pause());
            const int shown = ticks.size();
            tickAfter(spans[i]);
            QCOMPARE(ticks.size(), shown); // the clock stands still
            game->resume();
        }
        QCOMPARE(game->elapsedSeconds(), seconds);
        QCOMPARE(ticks.last().at(0).toInt(), seconds);
    }

    void aPausedGameTakesNoPieceAndItsEndEndsThePause()
    {
        QVERIFY(!game->pause()); // nothing to pause on the start screen
        started(Level::Easy);
        QVERIFY(game->pause());
        QVERIFY(!game->pause());
        QVERIFY(!game->drop(1, puzzle::homePosition(1, QPoint()), QPoint()));
        game->pickUp(2);
        QCOMPARE(sound.played, QList<int>());
        QCOMPARE(game->placedCount(), 0);

        QSignalSpy paused(game.get(), &Game::pausedChanged);
        game->giveUp();
        QCOMPARE(game->state(), State::Idle);
        QVERIFY(!game->isPaused());
        QCOMPARE(paused.size(), 1);
        QVERIFY(!game->pause());
    }

    void newBestTimeIsWrittenUnderTheTypedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("name") << "  Anna  " << QByteArray("[Immagine]\n0=Anna      42\n");
        QTest::newRow("no name, no record") << "   " << QByteArray();
        QTest::newRow("line break in a pasted name") << "An\nna" << QByteArray("[Immagine]\n0=An na     42\n");
    }
    void newBestTimeIsWrittenUnderTheTypedName()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        started(Level::Easy);
        placeAllBut(*game, 36);
        tickAfter(42000);
        placeLast(*game);
        game->finishShowing();
        game->closeResult(typed);
        QCOMPARE(folder->readScoreFile(), file);
    }

    // Only a new best time is stored: a puzzle solved on the stopwatch, or
    // slower than the record, leaves the record as it was.
    void onlyANewBestTimeIsStored_data()
    {
        QTest::addColumn<bool>("stopwatch");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("after");
        QTest::newRow("new best time") << false << "Bo        91" << "Anna      90";
        QTest::newRow("record equalled") << false << "Bo        90" << "Bo        90";
        QTest::newRow("stopwatch, no record yet") << true << "0" << "0";
    }
    void onlyANewBestTimeIsStored()
    {
        QFETCH(bool, stopwatch);
        QFETCH(QString, stored);
        QFETCH(QString, after);
        auto store = std::make_unique<FakeSettings>();
        FakeSettings &values = *store;
        values.values[u"Immagine/1"_s] = stored;
        Preferences kept(std::move(store));
        Game played(clock, &sound, kept);
        played.chooseLevel(Level::Medium);
        played.setStopwatch(stopwatch);
        played.start();
        placeAllBut(played, 36);
        clock.advance(90000);
        played.tick();
        placeLast(played);
        played.finishShowing();
        played.closeResult(QStringLiteral("Anna"));
        QCOMPARE(values.values.value(u"Immagine/1"_s), after);
        QCOMPARE(played.state(), State::Idle);
    }

    void aRecordThatCannotBeWrittenIsReported()
    {
        auto store = std::make_unique<FakeSettings>();
        store->failure = SaveFailure::DiskFull;
        Preferences full(std::move(store));
        Game lost(clock, &sound, full);
        QList<std::pair<SaveFailure, QString>> reports;
        connect(&lost, &Game::recordNotSaved, this,
                [&reports](SaveFailure failure, const QString &file) { reports.append({failure, file}); });
        lost.chooseLevel(Level::Easy);
        lost.start();
        placeAllBut(lost, 36);
        placeLast(lost);
        lost.finishShowing();
        lost.closeResult(QStringLiteral("Anna"));
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.first().first, SaveFailure::DiskFull);
        QCOMPARE(reports.first().second, u"/home/ann/.config/Quadrifoglio.sco"_s);
        QCOMPARE(lost.state(), State::Idle);
    }
};

QTEST_APPLESS_MAIN(tst_game)
#include "tst_game.moc"
