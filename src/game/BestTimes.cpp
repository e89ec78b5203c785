#include "game/BestTimes.h"

#include "platform/Numbers.h"
#include "assets/Assets.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cmath>

namespace records {

QString Section()
{
    return QStringLiteral("Immagine");
}

QString LevelKey(std::int16_t level)
{
    return QString::number(level);
}

QString NoRecord()
{
    return QStringLiteral("0");
}

QString NameField(const QString &typed)
{
    QString field = typed.left(NameFieldLength);
    for (QChar &c : field) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            c = QLatin1Char(' ');
    }
    // A surrogate pair cut in two would be written as a replacement
    // character; a lone half anywhere is no character at all.
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i].isHighSurrogate() && i + 1 < field.size() && field[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (field[i].isSurrogate())
            field[i] = QLatin1Char(' ');
    }
    return field.leftJustified(NameFieldLength, QLatin1Char(' '));
}

QString RecordValue(const QString &name, std::int16_t seconds)
{
    return NameField(name) + QString::number(seconds);
}

StoredRecord ParseRecordValue(const QString &value)
{
    StoredRecord r;
    r.none = value == NoRecord();
    if (r.none)
        return r;
    r.nameField = value.left(NameFieldLength);
    r.timeText = value.mid(NameFieldLength);
    r.seconds = platform::NumericValue(r.timeText);
    return r;
}

BestTimeDisplay BestTimeCaption(const QString &value)
{
    const StoredRecord r = ParseRecordValue(value);
    if (r.none)
        return {QStringLiteral("-------"), false};
    // A time of day: only the minutes and seconds within the hour are shown.
    // The day is taken off first so that an edited, enormous number still
    // gives a time.
    qint64 seconds = 0;
    if (r.seconds)
        seconds = qint64(std::nearbyint(std::fmod(*r.seconds, 86400.0)));
    const QString time = platform::FormatTime(seconds, QStringLiteral("hh:mm:ss")).mid(3);
    return {platform::Trim(r.nameField) + QLatin1String("\r\n") + time, true};
}

std::optional<std::int16_t> StoredSeconds(const QString &value)
{
    const StoredRecord r = ParseRecordValue(value);
    if (r.none || !r.seconds)
        return std::nullopt;
    return platform::tryCInt(*r.seconds);
}

bool BeatsRecord(const QString &storedValue, std::int16_t elapsed)
{
    // No record, a time that is not a number, or a time too large for any
    // game to reach: whatever the player did is the new best time.
    const std::optional<std::int16_t> stored = StoredSeconds(storedValue);
    if (!stored)
        return true;
    return *stored > elapsed;
}

WriteError ScoreFileWriteError(const QString &file)
{
    if (file.isEmpty())
        return {75, QStringLiteral("Path/File access error")};
    const QFileInfo info(file);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return {76, QStringLiteral("Path not found")};
    if (info.isDir())
        return {75, QStringLiteral("Path/File access error")};
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return {70, QStringLiteral("Permission denied")};
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return {61, QStringLiteral("Disk full")};
    return {75, QStringLiteral("Path/File access error")};
}

QString RegistraMigliorTempoErrorText(int number, const QString &description)
{
    return QStringLiteral("Error in subroutine: RegistraMigliorTempo") + QLatin1String("\r\n")
           + QStringLiteral("Errore n°  ") + QString::number(number) + QLatin1String("  (")
           + description + QLatin1Char(')');
}

QString S(std::int16_t language, int baseId)
{
    return resources::LoadResString(language + baseId);
}

QString FormatGameTime(qint64 seconds, std::int16_t language)
{
    const QString time = platform::FormatTime(seconds, QStringLiteral("hh:mm:ss"));
    const int minutes = time.mid(3, 2).toInt();
    const QString ss = time.mid(6, 2);
    if (minutes == 0)
        return ss + QLatin1Char(' ') + S(language, 130);
    if (minutes == 1)
        return QLatin1String("1 ") + S(language, 128) + QLatin1String(" e ") + ss + QLatin1Char(' ')
               + S(language, 130);
    return QString::number(minutes) + QLatin1String("  ") + S(language, 129) + QLatin1String(" e ")
           + ss + QLatin1String("  ") + S(language, 130);
}

QString LevelName(int chosenLevel, std::int16_t language)
{
    const int base = chosenLevel == 0 ? 101 : chosenLevel == 1 ? 102 : 103;
    return S(language, base).mid(1);
}

QString MessageText(std::int16_t kind, std::int16_t language, int chosenLevel, qint64 seconds)
{
    switch (kind) {
    case 1:
        return S(language, 124);
    case 2:
        return S(language, 125) + FormatGameTime(seconds, language);
    case 3:
        return S(language, 126) + FormatGameTime(seconds, language);
    case 4:
        return S(language, 127) + QLatin1Char(' ') + LevelName(chosenLevel, language)
               + QLatin1String(". ") + S(language, 131) + FormatGameTime(seconds, language);
    default:
        return {};
    }
}

std::optional<double> MessageFontSize(std::int16_t kind)
{
    switch (kind) {
    case 3:
        return 12.0;
    case 4:
        return 10.0;
    default:
        return std::nullopt;
    }
}

int MessageIcon(std::int16_t kind)
{
    switch (kind) {
    case 1:
        return 505;
    case 2:
    case 4:
        return 503;
    case 3:
        return 504;
    default:
        return 0;
    }
}

QString ForDisplay(const QString &caption)
{
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace records
