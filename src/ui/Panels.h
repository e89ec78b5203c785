#pragma once

#include "game/BestTimes.h"
#include "game/Level.h"
#include "game/Texts.h"
#include "platform/Surface.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

// The light grey panels pinned around the board.

// A brass drawing pin, seen from above (16 x 16).
QLabel *makePin(QWidget *parent, QPoint at);

// Above the board on the start screen: the greeting from Matrix.dat.
class GreetingPanel : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit GreetingPanel(QWidget *parent);
    // The gift-maker's own text: shown as it is, never as markup.
    void setGreeting(const QString &text, const QFont &font);
    QString greeting() const;
    void setGreetingVisible(bool visible);
    QFont greetingFont() const;

private:
    QLabel *m_text = nullptr;
};

// Below the board on the start screen: the three levels and Play.
class StartPanel : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit StartPanel(QWidget *parent);
    void setTexts(texts::Language language);
    void setPlayEnabled(bool enabled);
    // The chosen level's caption in bold.
    void markLevel(Level level);

signals:
    void levelChosen(Level level);
    void playClicked();

private:
    std::array<QRadioButton *, 3> m_levels{};
    QPushButton *m_play = nullptr;
};

// Above the board during a game: the time bar with the clock over it, the
// best time of the level and the give-up button.
class ClockPanel : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit ClockPanel(QWidget *parent);
    void setTexts(texts::Language language);

    // A new game: the whole bar grey, the clock blank, the level's best time.
    void startGame(const besttimes::Caption &bestTime);
    void showCountdown(int elapsed, int limit);
    void showStopwatch(int elapsed);
    // "12 / 36" at the right end of the bar.
    void showPlacedCount(int placed, int total);

signals:
    void giveUpClicked();

private:
    void drawBar(int length, int remaining);

    platform::PictureBox *m_bar = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_bestTime = nullptr;
    QPushButton *m_giveUp = nullptr;
    QLabel *m_placed = nullptr;
};
