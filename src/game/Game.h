#pragma once

#include "game/BestTimes.h"
#include "game/Level.h"
#include "game/Preferences.h"
#include "game/Puzzle.h"
#include "assets/Assets.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace platform {
class Clock;
class SoundOutput;
} // namespace platform

// One game after another: the level, the pieces placed, the clock and the
// way each game ends. It holds no timers and draws nothing: the window
// forwards the player's actions and the clock's ticks, and shows what the
// signals say.
//
//   Idle --start--> Playing --36th piece home--> Finishing --finishShowing--> ShowingResult
//                     |  \--time over-------------------------------------->  ShowingResult
//                     \--giveUp--> Idle                   ShowingResult --closeResult--> Idle
//
// A game being played may be paused: the clock stands still, no piece is
// taken, and the time the game counts leaves the pause out.
//
// Each game ends exactly once: an action that arrives in a state that does
// not take it is ignored.
class Game : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Idle,          // the start screen
        Playing,       // pieces out, clock running
        Finishing,     // the last piece is home: the finished picture is on show
        ShowingResult, // the end-of-game window is open
    };

    struct Result
    {
        besttimes::GameEnd end = besttimes::GameEnd::TimeOver;
        Level level = Level::Easy;
        int seconds = 0;
    };

    // The time the finished picture stays on show before the result.
    static constexpr int ShowingMilliseconds = 4000;

    // The records are read from and written to `preferences`.
    Game(platform::Clock &clock, platform::SoundOutput *sound, Preferences &preferences,
         QObject *parent = nullptr);

    State state() const { return m_state; }
    // Empty until the player has chosen a level.
    std::optional<Level> level() const { return m_level; }
    bool stopwatch() const { return m_stopwatch; }
    int placedCount() const { return m_placedCount; }
    bool isPlaced(int piece) const;
    // Whole seconds of the game as the last tick counted them.
    int elapsedSeconds() const { return m_elapsed; }
    // The clock's tick interval the game wants now, in milliseconds.
    int tickInterval() const { return m_tickInterval; }
    // Only a game being played can be paused; any end of it ends the pause.
    bool isPaused() const { return m_paused; }
    // The end of the last game, from Finishing on.
    const Result &result() const { return m_result; }
    // The stored best time of the chosen level (a score-file value).
    QString storedBestTime() const;

    // --- What the player does ----------------------------------------------
    void chooseLevel(Level level);
    // Countdown (false) or stopwatch (true); may change during a game.
    void setStopwatch(bool on);
    // Play: from the start screen with a level chosen.
    void start();
    void pickUp(int piece);
    // A piece let go with its top-left corner at `corner`, the board's at
    // `board`. True when it snapped home.
    bool drop(int piece, QPoint corner, QPoint board);
    void giveUp();
    // The clock stops until resume(); true when the game was being played
    // and is now paused.
    bool pause();
    // The clock goes on from where it stopped.
    void resume();
    // The player closed the end-of-game window, having typed `name` (used
    // for a new best time).
    void closeResult(const QString &name);

    // --- What the window's timers report -----------------------------------
    // A tick of the game clock.
    void tick();
    // The finished picture has been on show long enough.
    void finishShowing();

signals:
    void stateChanged(Game::State state);
    void pausedChanged(bool paused);
    // A countdown tick: the time used and the limit.
    void countdownTicked(int elapsed, int limit);
    // The clock ticks faster in the last seconds of a countdown.
    void tickIntervalChanged(int milliseconds);
    void stopwatchTicked(int elapsed);
    void piecePlaced(int piece);
    void pieceReturned(int piece);
    // A new best time could not be written to `file`.
    void recordNotSaved(SaveFailure failure, const QString &file);

private:
    void setState(State state);
    void enter(State state, assets::Cue cue);
    void timeIsUp();
    void backToStart();
    void endPause();
    void setTickInterval(int milliseconds);
    void play(assets::Cue cue);

    platform::Clock &m_clock;
    platform::SoundOutput *m_sound = nullptr;
    Preferences &m_preferences;

    State m_state = State::Idle;
    std::optional<Level> m_level;
    bool m_stopwatch = false;
    std::array<bool, puzzle::PieceCount + 1> m_placed{};
    int m_placedCount = 0;
    std::uint32_t m_startTick = 0; // the millisecond tick count wraps at 2^32
    int m_elapsed = 0;
    bool m_paused = false;
    std::uint32_t m_pauseTick = 0;
    int m_tickInterval = 0;
    // The seconds left at the last warning cue; kept from game to game.
    int m_lastWarning = 0;
    Result m_result;
};
