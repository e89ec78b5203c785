#include "game/Preferences.h"

#include "game/BestTimes.h"
#include "game/GiftSettings.h"

#include <QDir>
#include <QStringList>

namespace {

const QString ColourSection = QStringLiteral("BackColor");
const QString ColourKey = QStringLiteral("Color");
const QString SoundSection = QStringLiteral("Sound");
const QString SoundKey = QStringLiteral("On");
const QString WindowSection = QStringLiteral("Window");
const QString GeometryKey = QStringLiteral("Geometry");
const QString ModeKey = QStringLiteral("State");

// No screen is this large: a larger number was not written by the game.
constexpr int LargestSide = 100000;

QString geometryText(const QRect &geometry)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(geometry.x())
        .arg(geometry.y())
        .arg(geometry.width())
        .arg(geometry.height());
}

std::optional<QRect> parseGeometry(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || numbers[i] < -LargestSide || numbers[i] > LargestSide)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

using Mode = WindowPlacement::Mode;

QString modeText(Mode mode)
{
    switch (mode) {
    case Mode::Normal:
        return QStringLiteral("Normal");
    case Mode::Maximized:
        return QStringLiteral("Maximized");
    case Mode::FullScreen:
        return QStringLiteral("FullScreen");
    }
    return QString();
}

std::optional<Mode> parseMode(const QString &text)
{
    for (Mode mode : {Mode::Normal, Mode::Maximized, Mode::FullScreen}) {
        if (text.compare(modeText(mode), Qt::CaseInsensitive) == 0)
            return mode;
    }
    return std::nullopt;
}

} // namespace

QString Preferences::scoreFileIn(const QString &configFolder)
{
    return configFolder.isEmpty() ? QString() : configFolder + QLatin1String("/Quadrifoglio.sco");
}

QString Preferences::configFolderFor(const QString &xdgConfigHome, const QString &home)
{
    if (!xdgConfigHome.isEmpty() && QDir::isAbsolutePath(xdgConfigHome))
        return QDir::cleanPath(xdgConfigHome);
    if (!home.isEmpty())
        return QDir::cleanPath(home + QLatin1String("/.config"));
    return {};
}

Preferences::Preferences(std::unique_ptr<SettingsStore> store, QObject *parent)
    : QObject(parent), m_store(std::move(store))
{
}

Preferences::~Preferences() = default;

QString Preferences::location() const
{
    return m_store->location();
}

QString Preferences::bestTime(Level level) const
{
    return m_store->value(besttimes::section(), besttimes::levelKey(level), besttimes::noRecord());
}

std::optional<SaveFailure> Preferences::saveBestTime(Level level, const QString &value)
{
    return m_store->setValue(besttimes::section(), besttimes::levelKey(level), value);
}

int Preferences::colourIndex() const
{
    if (!m_colour)
        m_colour = colours::indexFromStored(m_store->value(ColourSection, ColourKey, QStringLiteral("0")));
    return *m_colour;
}

void Preferences::setColourIndex(int index)
{
    if (colourIndex() == index)
        return;
    m_colour = index;
    emit colourChanged(index);
}

std::optional<SaveFailure> Preferences::saveColour()
{
    return m_store->setValue(ColourSection, ColourKey, QString::number(colourIndex()));
}

bool Preferences::soundOn() const
{
    if (!m_sound)
        m_sound = m_store->value(SoundSection, SoundKey, QStringLiteral("1")) != QLatin1String("0");
    return *m_sound;
}

void Preferences::setSoundOn(bool on)
{
    m_sound = on;
    // Not worth a word when it cannot be written: the switch still works.
    (void)m_store->setValue(SoundSection, SoundKey, on ? QStringLiteral("1") : QStringLiteral("0"));
    emit soundChanged(on);
}

std::optional<WindowPlacement> Preferences::windowPlacement() const
{
    if (!m_placement) {
        const auto geometry = parseGeometry(m_store->value(WindowSection, GeometryKey, QString()));
        const auto mode = parseMode(m_store->value(WindowSection, ModeKey, QString()));
        m_placement.emplace();
        if (geometry && mode)
            *m_placement = WindowPlacement{*geometry, *mode};
    }
    return *m_placement;
}

std::optional<SaveFailure> Preferences::saveWindowPlacement(const WindowPlacement &placement)
{
    const std::optional<WindowPlacement> stored = windowPlacement();
    if (!stored || stored->normal != placement.normal) {
        if (auto failure = m_store->setValue(WindowSection, GeometryKey, geometryText(placement.normal)))
            return failure;
    }
    if (!stored || stored->mode != placement.mode) {
        if (auto failure = m_store->setValue(WindowSection, ModeKey, modeText(placement.mode)))
            return failure;
    }
    m_placement = std::optional<WindowPlacement>(placement);
    return std::nullopt;
}
