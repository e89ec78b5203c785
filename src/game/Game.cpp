#include "game/Game.h"

#include "game/GameClock.h"
#include "game/Numbers.h"
#include "platform/Services.h"

using assets::Cue;
using besttimes::GameEnd;

Game::Game(platform::Clock &clock, platform::SoundOutput *sound, Preferences &preferences,
           QObject *parent)
    : QObject(parent), m_clock(clock), m_sound(sound), m_preferences(preferences)
{
}

bool Game::isPlaced(int piece) const
{
    return piece >= 1 && piece <= puzzle::PieceCount && m_placed[piece];
}

QString Game::storedBestTime() const
{
    if (!m_level)
        return besttimes::noRecord();
    return m_preferences.bestTime(*m_level);
}

void Game::chooseLevel(Level level)
{
    if (m_state != State::Idle)
        return;
    play(Cue::Click);
    m_level = level;
}

void Game::setStopwatch(bool on)
{
    // Read at every tick and when a solved game is judged, so it may change
    // at any time.
    m_stopwatch = on;
}

void Game::start()
{
    if (m_state != State::Idle || !m_level)
        return;
    m_placed.fill(false);
    m_placedCount = 0;
    m_elapsed = 0;
    setTickInterval(gameclock::TickInterval);
    m_startTick = m_clock.tickCount();
    play(Cue::GameStarted);
    setState(State::Playing);
}

void Game::pickUp(int piece)
{
    if (m_state == State::Playing && !m_paused && !isPlaced(piece))
        play(Cue::PieceTaken);
}

bool Game::drop(int piece, QPoint corner, QPoint board)
{
    if (m_state != State::Playing || m_paused || isPlaced(piece))
        return false;
    if (!puzzle::snapsHome(piece, corner, board)) {
        play(Cue::PieceReturned);
        emit pieceReturned(piece);
        return false;
    }
    m_placed[piece] = true;
    ++m_placedCount;
    play(Cue::PieceTaken);
    emit piecePlaced(piece);
    if (m_placedCount == puzzle::PieceCount) {
        // The time is the one the clock showed last.
        m_result = {GameEnd::SolvedOnStopwatch, *m_level, m_elapsed};
        enter(State::Finishing, Cue::PuzzleSolved);
    }
    return true;
}

void Game::giveUp()
{
    if (m_state == State::Playing)
        backToStart();
}

void Game::closeResult(const QString &name)
{
    if (m_state != State::ShowingResult)
        return;
    if (m_result.end == GameEnd::NewBestTime) {
        const QString holder = numbers::trimSpaces(besttimes::nameField(name));
        // No name, no record: the old one stays.
        if (!holder.isEmpty()) {
            const QString value = besttimes::recordValue(holder, m_result.seconds);
            // The player was promised a record: losing it silently is not an option.
            if (const auto failure = m_preferences.saveBestTime(m_result.level, value))
                emit recordNotSaved(*failure, m_preferences.location());
        }
    }
    backToStart();
}

bool Game::pause()
{
    if (m_state != State::Playing || m_paused)
        return false;
    m_paused = true;
    m_pauseTick = m_clock.tickCount();
    emit pausedChanged(true);
    return true;
}

void Game::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    // The game started that much later: the pause is not counted, and the
    // tick count's wrap falls out of the unsigned difference as it does for
    // the game's own time.
    m_startTick += m_clock.tickCount() - m_pauseTick;
    emit pausedChanged(false);
}

void Game::tick()
{
    if (m_state != State::Playing || m_paused)
        return;
    const int elapsed = gameclock::elapsedSeconds(m_startTick, m_clock.tickCount());
    m_elapsed = gameclock::cappedSeconds(elapsed);
    if (m_stopwatch) {
        emit stopwatchTicked(elapsed);
        return;
    }

    const int limit = timeLimit(*m_level);
    const int remaining = limit - elapsed;
    if (gameclock::isWarning(remaining)) {
        setTickInterval(gameclock::WarningTickInterval);
        // One warning cue for each second left; none at zero, where the
        // time-over cue sounds instead.
        if (remaining != 0 && remaining != m_lastWarning) {
            m_lastWarning = remaining;
            play(Cue::TimeWarning);
        }
    }
    emit countdownTicked(elapsed, limit);
    if (elapsed >= limit)
        timeIsUp();
}

void Game::finishShowing()
{
    if (m_state != State::Finishing)
        return;
    if (m_stopwatch)
        m_result.end = GameEnd::SolvedOnStopwatch;
    else if (besttimes::beatsRecord(storedBestTime(), m_result.seconds))
        m_result.end = GameEnd::NewBestTime;
    else
        m_result.end = GameEnd::SolvedWithoutRecord;
    setState(State::ShowingResult);
}

void Game::timeIsUp()
{
    m_result = {GameEnd::TimeOver, *m_level, m_elapsed};
    enter(State::ShowingResult, Cue::TimeOver);
}

void Game::backToStart()
{
    enter(State::Idle, Cue::BoardReset);
}

void Game::setState(State state)
{
    m_state = state;
    endPause();
    emit stateChanged(state);
}

void Game::enter(State state, Cue cue)
{
    // The state comes first: whatever runs while the cue is handed over
    // already finds the game in its new state.
    m_state = state;
    endPause();
    play(cue);
    emit stateChanged(state);
}

void Game::endPause()
{
    if (!m_paused)
        return;
    m_paused = false;
    emit pausedChanged(false);
}

void Game::setTickInterval(int milliseconds)
{
    if (m_tickInterval == milliseconds)
        return;
    m_tickInterval = milliseconds;
    emit tickIntervalChanged(milliseconds);
}

void Game::play(Cue cue)
{
    assets::playCue(m_sound, cue);
}
