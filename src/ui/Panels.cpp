#include "ui/Panels.h"

#include "assets/Assets.h"
#include "game/GameClock.h"
#include "game/SceneScale.h"
#include "ui/Background.h"
#include "ui/GreetingLayout.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QProxyStyle>
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

// The level buttons' round indicators grow with the scene, as their captions do.
class IndicatorStyle : public QProxyStyle
{
public:
    double factor = 1.0;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_RadioButtonLabelSpacing:
            return int(std::lround(base * factor));
        default:
            return base;
        }
    }
};

// --- Pins, placement and panels ---------------------------------------------------

PinWidget::PinWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PinWidget::paintEvent(QPaintEvent *)
{
    // Drawn in the pin's own 16 x 16 design square, scaled to the widget.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / 16.0, height() / 16.0);
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

ScaledPlacement::Item &ScaledPlacement::itemFor(QWidget *widget)
{
    for (Item &item : m_items) {
        if (item.widget == widget)
            return item;
    }
    m_items.append(Item{widget, widget->geometry(), widget->font(), false});
    return m_items.last();
}

void ScaledPlacement::place(QWidget *widget, const QRect &design)
{
    itemFor(widget).design = design;
    widget->setGeometry(scene::Scale{m_factor}.rect(design));
}

void ScaledPlacement::setBaseFont(QWidget *widget, const QFont &font)
{
    Item &item = itemFor(widget);
    item.font = font;
    item.hasFont = true;
    QFont shown = font;
    shown.setPointSizeF(font.pointSizeF() * m_factor);
    widget->setFont(shown);
}

QFont ScaledPlacement::baseFont(const QWidget *widget) const
{
    for (const Item &item : m_items) {
        if (item.widget == widget && item.hasFont)
            return item.font;
    }
    return widget->font();
}

void ScaledPlacement::applyScale(double factor)
{
    m_factor = factor;
    const scene::Scale scale{factor};
    for (const Item &item : std::as_const(m_items)) {
        item.widget->setGeometry(scale.rect(item.design));
        if (item.hasFont) {
            QFont shown = item.font;
            shown.setPointSizeF(item.font.pointSizeF() * factor);
            item.widget->setFont(shown);
        }
    }
}

ScenePanel::ScenePanel(QWidget *parent, QSize designSize, int frameDepth)
    : PictureBox(parent), m_designSize(designSize), m_frameDepth(frameDepth)
{
    resize(designSize);
    setBackColor(PanelColour);
    background::drawPanelFrame(surface(), size(), m_frameDepth);
}

void ScenePanel::setScale(double factor)
{
    m_layout.applyScale(factor);
    resize(scene::Scale{factor}.size(m_designSize));
    // A new size starts the panel's drawing afresh: plain grey and its frame.
    setBackColor(PanelColour);
    background::drawPanelFrame(surface(), size(), m_frameDepth, factor);
    scaleChanged(factor);
    update();
}

void ScenePanel::pinCorners(std::initializer_list<QPoint> corners, bool underContents)
{
    for (const QPoint &at : corners) {
        auto *pin = new PinWidget(this);
        m_layout.place(pin, QRect(at, QSize(16, 16)));
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
    m_layout.place(m_text, greetinglayout::TextBox);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_layout.setBaseFont(m_text, greetinglayout::fontFor(gift::Greeting::Style::Designed));
    m_text->setText(QStringLiteral("Quadrifoglio"));
    pinCorners({{10, 10}, {354, 10}, {10, 50}, {354, 50}}, true);
}

void GreetingPanel::setGreeting(const QString &text, const QFont &font)
{
    m_layout.setBaseFont(m_text, font);
    m_greeting = text;
    showGreeting();
}

void GreetingPanel::scaleChanged(double factor)
{
    Q_UNUSED(factor);
    showGreeting();
}

void GreetingPanel::showGreeting()
{
    m_text->setTextFormat(Qt::PlainText);
    if (scale() == 1.0) {
        m_text->setWordWrap(true);
        m_text->setText(m_greeting);
        return;
    }
    // Larger, the greeting keeps the lines it has at the design scale: a
    // larger type does not always grow in step with the box.
    m_text->setWordWrap(false);
    m_text->setText(greetinglayout::lines(m_greeting, m_layout.baseFont(m_text)).join(QLatin1Char('\n')));
}

QString GreetingPanel::greeting() const
{
    return m_greeting;
}

QFont GreetingPanel::greetingFont() const
{
    return m_layout.baseFont(m_text);
}

void GreetingPanel::setGreetingVisible(bool visible)
{
    m_text->setVisible(visible);
}

// --- StartPanel ---------------------------------------------------------------

StartPanel::StartPanel(QWidget *parent) : ScenePanel(parent, QSize(380, 60), 4)
{
    setObjectName(QStringLiteral("startPanel"));
    m_style = new IndicatorStyle;
    m_style->setParent(this);
    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("level%1").arg(i));
        m_layout.place(option, QRect(24 + 84 * i, 18, 82, 24));
        m_layout.setBaseFont(option, arial(9));
        option->setStyle(m_style);
        option->setCursor(hand);
        const Level level = Level(i);
        connect(option, &QRadioButton::clicked, this, [this, level] { emit levelChosen(level); });
        m_levels[i] = option;
    }
    m_play = new QPushButton(this);
    m_play->setObjectName(QStringLiteral("play"));
    // Clear of the pins in the panel's corners.
    m_layout.place(m_play, QRect(276, 12, 74, 36));
    m_layout.setBaseFont(m_play, arial(9));
    m_play->setCursor(hand);
    m_play->setEnabled(false); // until a level is chosen
    connect(m_play, &QPushButton::clicked, this, &StartPanel::playClicked);
    pinCorners({{6, 6}, {358, 6}, {6, 38}, {358, 38}}, false);
}

void StartPanel::scaleChanged(double factor)
{
    m_style->factor = factor;
    for (QRadioButton *option : m_levels) {
        option->updateGeometry();
        option->update();
    }
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
        QFont font = m_layout.baseFont(m_levels[i]);
        font.setBold(i == int(level));
        m_layout.setBaseFont(m_levels[i], font);
    }
}

// --- ClockPanel ---------------------------------------------------------------

ClockPanel::ClockPanel(QWidget *parent) : ScenePanel(parent, QSize(310, 66), 6)
{
    setObjectName(QStringLiteral("clockPanel"));

    m_bar = new PictureBox(this);
    m_bar->setObjectName(QStringLiteral("timeBar"));
    m_layout.place(m_bar, QRect(21, 10, 268, 19));
    m_bar->setBackColor(PanelColour);

    m_clock = new QLabel(m_bar);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_layout.place(m_clock, QRect((268 - 60) / 2, 0, 60, 19));
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setTextFormat(Qt::PlainText);
    m_layout.setBaseFont(m_clock, arial(10, true));

    m_bestTime = new QLabel(this);
    m_bestTime->setObjectName(QStringLiteral("bestTime"));
    m_layout.place(m_bestTime, QRect(28, 33, 200, 28));
    m_bestTime->setTextFormat(Qt::PlainText);
    m_layout.setBaseFont(m_bestTime, arial(8));
    m_bestTime->setText(QStringLiteral("-------"));

    m_giveUp = new QPushButton(QStringLiteral("<<"), this);
    m_giveUp->setObjectName(QStringLiteral("giveUp"));
    m_layout.place(m_giveUp, QRect(231, 35, 50, 24)); // clear of the corner pin
    m_layout.setBaseFont(m_giveUp, arial(9));
    m_giveUp->setCursor(assets::cursor(assets::Cursor::PointingHand));
    connect(m_giveUp, &QPushButton::clicked, this, &ClockPanel::giveUpClicked);

    pinCorners({{7, 7}, {287, 7}, {7, 43}, {287, 43}}, true);

    m_placed = new QLabel(m_bar);
    m_placed->setObjectName(QStringLiteral("placedCount"));
    m_layout.place(m_placed, QRect(268 - 64, 0, 60, 19));
    m_placed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_placed->setTextFormat(Qt::PlainText);
    m_layout.setBaseFont(m_placed, arial(8, true));
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
    // The bar is never cleared: each tick paints its coloured part over the
    // last one. When the time is up only the first row is painted: the game
    // ends at once.
    platform::Surface &bar = m_bar->surface();
    const int lastRow = remaining == 0 ? 0 : m_bar->height();
    for (int row = 0; row <= lastRow; ++row) {
        // Each design row keeps its shade at any scale.
        bar.setForeColor(gameclock::barRowColor(remaining, int(row / scale())));
        bar.drawLine(0, row, length, row);
    }
    m_bar->update();
}
