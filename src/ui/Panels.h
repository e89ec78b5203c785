#pragma once

#include "game/BestTimes.h"
#include "game/Level.h"
#include "game/Texts.h"
#include "ui/PictureBox.h"

#include <QFont>
#include <QList>

#include <array>

class QLabel;
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

// Something laid out in design pixels and shown at the scene's scale:
// its geometry, and the type of its text.
class ScaledPlacement
{
public:
    void place(QWidget *widget, const QRect &design);
    // The type at scale 1; the widget shows it at the current scale.
    void setBaseFont(QWidget *widget, const QFont &font);
    QFont baseFont(const QWidget *widget) const;
    void applyScale(double factor);
    double factor() const { return m_factor; }

private:
    struct Item
    {
        QWidget *widget = nullptr;
        QRect design;
        QFont font;
        bool hasFont = false;
    };
    Item &itemFor(QWidget *widget);
    QList<Item> m_items;
    double m_factor = 1.0;
};

// A light grey panel with a raised frame and a pin in each corner.
class ScenePanel : public PictureBox
{
    Q_OBJECT

public:
    ScenePanel(QWidget *parent, QSize designSize, int frameDepth);
    QSize designSize() const { return m_designSize; }
    // Shows the panel, its contents and its frame at `factor` pixels per design pixel.
    void setScale(double factor);
    double scale() const { return m_layout.factor(); }

protected:
    void pinCorners(std::initializer_list<QPoint> corners, bool underContents);
    // For what the placement does not scale by itself.
    virtual void scaleChanged(double factor) { Q_UNUSED(factor); }
    ScaledPlacement m_layout;

private:
    QSize m_designSize;
    int m_frameDepth = 0;
};

// Above the board on the start screen: the greeting from Matrix.dat.
class GreetingPanel : public ScenePanel
{
    Q_OBJECT

public:
    explicit GreetingPanel(QWidget *parent);
    // The gift-maker's own text: shown as it is, never as markup.
    void setGreeting(const QString &text, const QFont &font);
    QString greeting() const;
    void setGreetingVisible(bool visible);
    QFont greetingFont() const;

protected:
    void scaleChanged(double factor) override;

private:
    void showGreeting();

    QLabel *m_text = nullptr;
    QString m_greeting = QStringLiteral("Quadrifoglio");
};

// Below the board on the start screen: the three levels and Play.
class StartPanel : public ScenePanel
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

protected:
    void scaleChanged(double factor) override;

private:
    std::array<QRadioButton *, 3> m_levels{};
    QPushButton *m_play = nullptr;
    class IndicatorStyle *m_style = nullptr;
};

// Above the board during a game: the time bar with the clock over it, the
// best time of the level and the give-up button.
class ClockPanel : public ScenePanel
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

    PictureBox *m_bar = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_bestTime = nullptr;
    QPushButton *m_giveUp = nullptr;
    QLabel *m_placed = nullptr;
};
