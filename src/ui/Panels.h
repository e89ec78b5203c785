#pragma once

#include "game/BestTimes.h"
#include "game/Level.h"
#include "game/Texts.h"

#include <QFont>
#include <QGraphicsItem>
#include <QImage>
#include <QWidget>

#include <array>

class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;

// The light grey panels pinned around the board.

// A brass drawing pin, seen from above: 16 design pixels, drawn at any scale.
class PinWidget : public QWidget
{
public:
    explicit PinWidget(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The pin above the board, as an item of the scene.
class PinItem : public QGraphicsItem
{
public:
    QRectF boundingRect() const override { return QRectF(0, 0, 16, 16); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};

// A light grey panel with a raised frame and a pin in each corner.
// Laid out in design pixels; the scene shows it at its scale.
class ScenePanel : public QWidget
{
    Q_OBJECT

public:
    ScenePanel(QWidget *parent, QSize designSize, int frameDepth);
    QSize designSize() const { return m_designSize; }

protected:
    void pinCorners(std::initializer_list<QPoint> corners, bool underContents);
    void paintEvent(QPaintEvent *event) override;

private:
    QSize m_designSize;
    int m_frameDepth = 0;
};

// Above the board on the start screen: the greeting from Matrix.dat.
class GreetingPanel : public ScenePanel
{
    Q_OBJECT

public:
    explicit GreetingPanel(QWidget *parent = nullptr);
    // The gift-maker's own text: shown as it is, never as markup.
    void setGreeting(const QString &text, const QFont &font);
    QString greeting() const;
    void setGreetingVisible(bool visible);
    QFont greetingFont() const;

private:
    QLabel *m_text = nullptr;
};

// Below the board on the start screen: the three levels and Play.
class StartPanel : public ScenePanel
{
    Q_OBJECT

public:
    explicit StartPanel(QWidget *parent = nullptr);
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

// The clock panel's bar: never cleared, each tick paints its coloured part
// over the last one.
class TimeBar : public QWidget
{
    Q_OBJECT

public:
    explicit TimeBar(QWidget *parent);
    // What the bar shows, one pixel per design pixel.
    const QImage &image() const { return m_image; }
    // Paints `length` pixels of each row up to `lastRow` in the row's colour.
    void paintRows(int length, int lastRow, int remaining);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_image;
};

// Above the board during a game: the time bar with the clock over it, the
// best time of the level and the give-up button.
class ClockPanel : public ScenePanel
{
    Q_OBJECT

public:
    explicit ClockPanel(QWidget *parent = nullptr);
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

    TimeBar *m_bar = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_bestTime = nullptr;
    QPushButton *m_giveUp = nullptr;
    QLabel *m_placed = nullptr;
};
