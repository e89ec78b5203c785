// The game clock, the time bar, the ends of a game and the way back to the
// start screen.

#include "game/GameClock.h"
#include "ui/MainWindow.h"
#include "game/Puzzle.h"
#include "platform/MousePointer.h"
#include "ui/ResultDialog.h"
#include "ui/Startup.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void frmPuzzle::wireClockHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &frmPuzzle::Timer1_Timer);
    connect(cmdBack, &QPushButton::clicked, this, &frmPuzzle::cmdBack_Click);
    connect(chkTimer, &QPushButton::clicked, this, &frmPuzzle::chkTimer_Click);
}

bool frmPuzzle::BeginGameEnd()
{
    // A game ends once: solved, timed out or abandoned, whichever comes
    // first. The ends yield to waiting events, so another end can knock
    // while one is under way; it finds the game no longer playing.
    if (m_gameState != GameState::Playing)
        return false;
    m_gameState = GameState::Ending;
    return true;
}

void frmPuzzle::Timer1_Timer()
{
    // A tick that was already queued when the game ended does nothing.
    if (m_gameState != GameState::Playing)
        return;

    const std::int32_t elapsed = play::ElapsedSince(StartTick, m_services.clock->tickCount());
    NewPuzzle::ElapsedSeconds = play::CapSeconds(elapsed);

    if (!chkTimer->isChecked()) {
        // Countdown: the time left, the bar, and the end when it is used up.
        lblTimer->setText(play::ClockText(std::int64_t(TimeLimitDate) - elapsed));
        const std::int16_t length = play::BarLength(picProgress->width(), elapsed, TimeLimit);
        const std::int32_t remaining = TimeLimit - elapsed;
        DrawProgress(length, remaining);
        if (m_gameState != GameState::Playing)
            return; // the bar's warning cue let another end run
        if (elapsed >= TimeLimit && BeginGameEnd()) {
            Timer1->stop();
            NewPuzzle::DoEvents();
            NewPuzzle::PlayCue(206);
            NewPuzzle::MessageKind = 1;
            ShowMessageForm(*this);
            DrawBevel(picPuzzle, false);
            ResetBoard();
        }
    } else {
        // Stopwatch: minutes and seconds within the hour, no limit.
        lblTimer->setText(play::ClockText(elapsed));
    }
}

void frmPuzzle::DrawProgress(std::int16_t BarLength, std::int32_t Remaining)
{
    platform::Surface &bar = picProgress->surface();
    const int h = picProgress->height();
    const bool warning = Remaining >= 0 && Remaining <= 15;
    for (int i = 0; i <= h; ++i) {
        if (warning)
            Timer1->setInterval(100);
        bar.setForeColor(play::BarRowColor(Remaining, i));
        bar.line(0, i, BarLength, i);
        if (!warning)
            continue;
        if (Remaining == 0) {
            picProgress->refresh();
            NewPuzzle::DoEvents();
            return;
        }
        // One warning tick for each second left.
        if (Remaining != m_lastRemaining) {
            m_lastRemaining = Remaining;
            NewPuzzle::PlayCue(211);
        }
    }
    picProgress->refresh();
}

void frmPuzzle::ResetBoard()
{
    platform::SetScreenMousePointer(11);
    picStart->setVisible(true);
    picDisplay->setVisible(false);
    picProgress->setVisible(false);
    lblTimer->setVisible(false);
    picMessaggio->setVisible(true);
    imgChiodo->setVisible(true);
    NewPuzzle::DoEvents();
    NewPuzzle::PlayCue(208);

    picPuzzle->cls();
    FitPicture();
    for (int i = 1; i <= geometry::PieceCount; ++i) {
        picTessera[i]->setVisible(false);
        picTessera[i]->setEnabled(true);
    }
    ScatterPieces();
    platform::SetScreenMousePointer(0);
    m_gameState = GameState::Idle;
}

void frmPuzzle::cmdBack_Click()
{
    if (!BeginGameEnd())
        return;
    Timer1->stop();
    DrawBevel(picPuzzle, false);
    ResetBoard();
}

void frmPuzzle::chkTimer_Click()
{
    // The mode is read from the box at every tick and at the end of a game.
    picPuzzle->setFocus();
    NewPuzzle::PlayCue(203);
}
