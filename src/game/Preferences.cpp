#include "game/Preferences.h"

#include "game/BestTimes.h"
#include "game/GiftSettings.h"

#include <QDir>

namespace {

const QString ColourSection = QStringLiteral("BackColor");
const QString ColourKey = QStringLiteral("Color");
const QString SoundSection = QStringLiteral("Sound");
const QString SoundKey = QStringLiteral("On");
const QString WindowSection = QStringLiteral("Window");

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

QString Preferences::windowValue(const QString &key, const QString &fallback) const
{
    return m_store->value(WindowSection, key, fallback);
}

std::optional<SaveFailure> Preferences::setWindowValue(const QString &key, const QString &value)
{
    return m_store->setValue(WindowSection, key, value);
}
