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

#include <cmath>

namespace {

// Panels keep the light grey of a dialog whatever the window's colour.
const QColor PanelColour(192, 192, 192);

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

// --- Pins, placement and panels ---------------------------------------------------

PinWidget::PinWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

// A pin in its own 16 x 16 design square.
void paintPin(QPainter &p)
{
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
}

} // namespace

void PinWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintPin(p);
}

void PinItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    paintPin(*painter);
    painter->restore();
}

ScenePanel::ScenePanel(QWidget *parent, QSize designSize, int frameDepth)
    : QWidget(parent), m_designSize(designSize), m_frameDepth(frameDepth)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(designSize);
}

void ScenePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), PanelColour);
    background::paintPanelFrame(p, size(), m_frameDepth);
}

void ScenePanel::pinCorners(std::initializer_list<QPoint> corners, bool underContents)
{
    for (const QPoint &at : corners) {
        auto *pin = new PinWidget(this);
        pin->setGeometry(QRect(at, QSize(16, 16)));
        if (underContents)
            pin->lower();
    }
}

// --- GreetingPanel ------------------------------------------------------------

GreetingPanel::GreetingPanel(QWidget *parent) : ScenePanel(parent, QSize(380, 76), 8)
{
    setObjectName(QStringLiteral("greetingPanel"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("greeting"));
    m_text->setGeometry(greetinglayout::TextBox);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setFont(greetinglayout::fontFor(gift::Greeting::Style::Designed));
    m_text->setText(QStringLiteral("Quadrifoglio"));
    pinCorners({{10, 10}, {354, 10}, {10, 50}, {354, 50}}, true);
}

void GreetingPanel::setGreeting(const QString &text, const QFont &font)
{
    // Laid out once, at the design scale; the scene shows the same lines larger.
    m_text->setFont(font);
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

StartPanel::StartPanel(QWidget *parent) : ScenePanel(parent, QSize(380, 60), 4)
{
    setObjectName(QStringLiteral("startPanel"));
    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("level%1").arg(i));
        option->setGeometry(QRect(24 + 84 * i, 18, 82, 24));
        option->setFont(arial(9));
        option->setCursor(hand);
        const Level level = Level(i);
        connect(option, &QRadioButton::clicked, this, [this, level] { emit levelChosen(level); });
        m_levels[i] = option;
    }
    m_play = new QPushButton(this);
    m_play->setObjectName(QStringLiteral("play"));
    // Clear of the pins in the panel's corners.
    m_play->setGeometry(QRect(276, 12, 74, 36));
    m_play->setFont(arial(9));
    m_play->setCursor(hand);
    m_play->setEnabled(false); // until a level is chosen
    connect(m_play, &QPushButton::clicked, this, &StartPanel::playClicked);
    pinCorners({{6, 6}, {358, 6}, {6, 38}, {358, 38}}, false);
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

ClockPanel::ClockPanel(QWidget *parent) : ScenePanel(parent, QSize(310, 66), 6)
{
    setObjectName(QStringLiteral("clockPanel"));

    m_bar = new TimeBar(this);
    m_bar->setGeometry(QRect(21, 10, 268, 19));

    m_clock = new QLabel(m_bar);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setGeometry(QRect((268 - 60) / 2, 0, 60, 19));
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setTextFormat(Qt::PlainText);
    m_clock->setFont(arial(10, true));

    m_bestTime = new QLabel(this);
    m_bestTime->setObjectName(QStringLiteral("bestTime"));
    m_bestTime->setGeometry(QRect(28, 33, 200, 28));
    m_bestTime->setTextFormat(Qt::PlainText);
    m_bestTime->setFont(arial(8));
    m_bestTime->setText(QStringLiteral("-------"));

    m_giveUp = new QPushButton(QStringLiteral("<<"), this);
    m_giveUp->setObjectName(QStringLiteral("giveUp"));
    m_giveUp->setGeometry(QRect(231, 35, 50, 24)); // clear of the corner pin
    m_giveUp->setFont(arial(9));
    m_giveUp->setCursor(assets::cursor(assets::Cursor::PointingHand));
    connect(m_giveUp, &QPushButton::clicked, this, &ClockPanel::giveUpClicked);

    pinCorners({{7, 7}, {287, 7}, {7, 43}, {287, 43}}, true);

    m_placed = new QLabel(m_bar);
    m_placed->setObjectName(QStringLiteral("placedCount"));
    m_placed->setGeometry(QRect(268 - 64, 0, 60, 19));
    m_placed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_placed->setTextFormat(Qt::PlainText);
    m_placed->setFont(arial(8, true));
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
    m_bestTime->setText(bestTime.text);
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

void ClockPanel::showPlacedCount(int placed, int total)
{
    m_placed->setText(QStringLiteral("%1 / %2").arg(placed).arg(total));
}

void ClockPanel::drawBar(int length, int remaining)
{
    // When the time is up only the first row is painted: the game ends at once.
    m_bar->paintRows(length, remaining == 0 ? 0 : m_bar->height(), remaining);
}

TimeBar::TimeBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("timeBar"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimeBar::resizeEvent(QResizeEvent *event)
{
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(PanelColour);
    QWidget::resizeEvent(event);
}

void TimeBar::paintRows(int length, int lastRow, int remaining)
{
    QPainter p(&m_image);
    for (int row = 0; row <= lastRow; ++row)
        p.fillRect(0, row, length, 1, gameclock::barRowColor(remaining, row));
    update();
}

void TimeBar::paintEvent(QPaintEvent *)
{
    // Each row keeps its shade, one pixel per design pixel, at any scale.
    QPainter(this).drawImage(rect(), m_image);
}
