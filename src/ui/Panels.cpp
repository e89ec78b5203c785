#include "ui/Panels.h"

#include "assets/Assets.h"
#include "game/GameClock.h"
#include "ui/Background.h"
#include "ui/GreetingLayout.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>

namespace {

// Panels keep the light grey of a dialog whatever the window's colour.
const QColor PanelColour(192, 192, 192);

QImage pinImage()
{
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(3, 3, 12, 12)); // its shadow
    QRadialGradient g(QPointF(6, 6), 7);
    g.setColorAt(0, QColor(255, 245, 190));
    g.setColorAt(0.5, QColor(212, 170, 60));
    g.setColorAt(1, QColor(120, 85, 20));
    p.setBrush(g);
    p.setPen(QColor(90, 60, 10));
    p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    return img;
}

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void pinCorners(QWidget *panel, std::initializer_list<QPoint> corners, bool underContents)
{
    for (const QPoint &at : corners) {
        QLabel *pin = makePin(panel, at);
        if (underContents)
            pin->lower();
    }
}

} // namespace

QLabel *makePin(QWidget *parent, QPoint at)
{
    static const QPixmap pixmap = QPixmap::fromImage(pinImage());
    auto *pin = new QLabel(parent);
    pin->setGeometry(QRect(at, QSize(16, 16)));
    pin->setPixmap(pixmap);
    pin->setAttribute(Qt::WA_TransparentForMouseEvents);
    return pin;
}

// --- GreetingPanel ------------------------------------------------------------

GreetingPanel::GreetingPanel(QWidget *parent) : platform::PictureBox(parent)
{
    setObjectName(QStringLiteral("greetingPanel"));
    resize(380, 76);
    setBackColor(PanelColour);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("greeting"));
    m_text->setGeometry(greetinglayout::TextBox);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setFont(arial(28));
    m_text->setText(QStringLiteral("Quadrifoglio"));
    pinCorners(this, {{10, 10}, {354, 10}, {10, 50}, {354, 50}}, true);
}

void GreetingPanel::setGreeting(const QString &text, const QFont &font)
{
    m_text->setFont(font);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setText(text);
}

QString GreetingPanel::greeting() const
{
    return m_text->text();
}

QFont GreetingPanel::greetingFont() const
{
    return m_text->font();
}

void GreetingPanel::setGreetingVisible(bool visible)
{
    m_text->setVisible(visible);
}

// --- StartPanel ---------------------------------------------------------------

StartPanel::StartPanel(QWidget *parent) : platform::PictureBox(parent)
{
    setObjectName(QStringLiteral("startPanel"));
    resize(380, 60);
    setBackColor(PanelColour);
    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("level%1").arg(i));
        option->setGeometry(14 + 90 * i, 18, 88, 24);
        option->setCursor(hand);
        const Level level = Level(i);
        connect(option, &QRadioButton::clicked, this, [this, level] { emit levelChosen(level); });
        m_levels[i] = option;
    }
    m_play = new QPushButton(this);
    m_play->setObjectName(QStringLiteral("play"));
    m_play->setGeometry(290, 12, 78, 36);
    m_play->setCursor(hand);
    m_play->setEnabled(false); // until a level is chosen
    connect(m_play, &QPushButton::clicked, this, &StartPanel::playClicked);
    pinCorners(this, {{6, 6}, {358, 6}, {6, 38}, {358, 38}}, false);
}

void StartPanel::setTexts(texts::Language language)
{
    using texts::TextId;
    const TextId captions[3] = {TextId::Easy, TextId::Medium, TextId::Difficult};
    for (int i = 0; i < 3; ++i) {
        m_levels[i]->setText(texts::text(language, captions[i]));
        m_levels[i]->setToolTip(texts::text(language, TextId::LevelTip));
    }
    m_play->setText(texts::text(language, TextId::Play));
    m_play->setToolTip(texts::text(language, TextId::PlayTip));
}

void StartPanel::setPlayEnabled(bool enabled)
{
    m_play->setEnabled(enabled);
}

void StartPanel::markLevel(Level level)
{
    for (int i = 0; i < 3; ++i) {
        QFont font = m_levels[i]->font();
        font.setBold(i == int(level));
        m_levels[i]->setFont(font);
    }
}

// --- ClockPanel ---------------------------------------------------------------

ClockPanel::ClockPanel(QWidget *parent) : platform::PictureBox(parent)
{
    setObjectName(QStringLiteral("clockPanel"));
    resize(310, 66);
    setBackColor(PanelColour);

    m_bar = new platform::PictureBox(this);
    m_bar->setObjectName(QStringLiteral("timeBar"));
    m_bar->setGeometry(21, 10, 268, 19);
    m_bar->setBackColor(PanelColour);

    m_clock = new QLabel(m_bar);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setGeometry((268 - 60) / 2, 0, 60, 19);
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setTextFormat(Qt::PlainText);
    m_clock->setFont(arial(10, true));

    m_bestTime = new QLabel(this);
    m_bestTime->setObjectName(QStringLiteral("bestTime"));
    m_bestTime->setGeometry(28, 33, 210, 28);
    m_bestTime->setTextFormat(Qt::PlainText);
    m_bestTime->setFont(arial(8));
    m_bestTime->setText(QStringLiteral("-------"));

    m_giveUp = new QPushButton(QStringLiteral("<<"), this);
    m_giveUp->setObjectName(QStringLiteral("giveUp"));
    m_giveUp->setGeometry(246, 35, 50, 24);
    m_giveUp->setCursor(assets::cursor(assets::Cursor::PointingHand));
    connect(m_giveUp, &QPushButton::clicked, this, &ClockPanel::giveUpClicked);

    pinCorners(this, {{7, 7}, {287, 7}, {7, 43}, {287, 43}}, true);
    hide();
}

void ClockPanel::setTexts(texts::Language language)
{
    m_giveUp->setToolTip(texts::text(language, texts::TextId::GiveUpTip));
}

void ClockPanel::startGame(const besttimes::Caption &bestTime)
{
    drawBar(m_bar->width(), gameclock::NewGameBar);
    m_clock->setText(QString());
    if (bestTime.show)
        m_bestTime->setVisible(true);
    // The name is the player's own text: plain text, never markup.
    m_bestTime->setText(besttimes::forDisplay(bestTime.text));
    background::drawPanelFrame(surface(), size(), 6);
    update();
}

void ClockPanel::showCountdown(int elapsed, int limit)
{
    m_clock->setText(gameclock::clockText(qint64(limit) - elapsed));
    drawBar(gameclock::barLength(m_bar->width(), elapsed, limit), limit - elapsed);
}

void ClockPanel::showStopwatch(int elapsed)
{
    m_clock->setText(gameclock::clockText(elapsed));
}

void ClockPanel::drawBar(int length, int remaining)
{
    // The bar is never cleared: each tick paints its coloured part over the
    // last one. When the time is up only the first row is painted: the game
    // ends at once.
    platform::Surface &bar = m_bar->surface();
    const int lastRow = remaining == 0 ? 0 : m_bar->height();
    for (int row = 0; row <= lastRow; ++row) {
        bar.setForeColor(gameclock::barRowColor(remaining, row));
        bar.drawLine(0, row, length, row);
    }
    m_bar->update();
}
