#include "game/BestTimes.h"

#include "game/Numbers.h"

#include <cmath>

namespace besttimes {

using texts::TextId;

QString section()
{
    return QStringLiteral("Immagine");
}

QString levelKey(Level level)
{
    return QString::number(int(level));
}

QString noRecord()
{
    return QStringLiteral("0");
}

QString nameField(const QString &typed)
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

QString recordValue(const QString &name, int seconds)
{
    return nameField(name) + QString::number(seconds);
}

StoredRecord parseRecord(const QString &value)
{
    StoredRecord r;
    r.none = value == noRecord();
    if (r.none)
        return r;
    r.nameField = value.left(NameFieldLength);
    r.timeText = value.mid(NameFieldLength);
    r.seconds = numbers::numberValue(r.timeText);
    return r;
}

Caption bestTimeCaption(const QString &value)
{
    const StoredRecord r = parseRecord(value);
    if (r.none)
        return {QStringLiteral("-------"), false};
    // A time of day: only the minutes and seconds within the hour are shown.
    // The day is taken off first so that an edited, enormous number still
    // gives a time.
    qint64 seconds = 0;
    if (r.seconds)
        seconds = qint64(std::nearbyint(std::fmod(*r.seconds, 86400.0)));
    return {numbers::trimSpaces(r.nameField) + QLatin1Char('\n') + numbers::minutesAndSeconds(seconds), true};
}

std::optional<int> storedSeconds(const QString &value)
{
    const StoredRecord r = parseRecord(value);
    if (r.none || !r.seconds)
        return std::nullopt;
    return numbers::toInt16(*r.seconds);
}

bool beatsRecord(const QString &storedValue, int elapsed)
{
    // No record, a time that is not a number, or a time too large for any
    // game to reach: whatever the player did is the new best time.
    const std::optional<int> stored = storedSeconds(storedValue);
    if (!stored)
        return true;
    return *stored > elapsed;
}

QString timeInWords(qint64 seconds, texts::Language language)
{
    const auto S = [language](TextId id) { return texts::text(language, id); };
    const QString time = numbers::minutesAndSeconds(seconds);
    const int minutes = time.left(2).toInt();
    const QString ss = time.mid(3, 2);
    const QString joined = QLatin1Char(' ') + S(TextId::And) + QLatin1Char(' ');
    if (minutes == 0)
        return ss + QLatin1Char(' ') + S(TextId::Seconds);
    if (minutes == 1)
        return QLatin1String("1 ") + S(TextId::Minute) + joined + ss + QLatin1Char(' ') + S(TextId::Seconds);
    return QString::number(minutes) + QLatin1String("  ") + S(TextId::Minutes) + joined + ss
           + QLatin1String("  ") + S(TextId::Seconds);
}

QString levelName(Level level, texts::Language language)
{
    const TextId caption = level == Level::Easy     ? TextId::Easy
                           : level == Level::Medium ? TextId::Medium
                                                    : TextId::Difficult;
    return texts::text(language, caption).remove(QLatin1Char('&'));
}

QString endMessage(GameEnd end, texts::Language language, Level level, qint64 seconds)
{
    const auto S = [language](TextId id) { return texts::text(language, id); };
    switch (end) {
    case GameEnd::TimeOver:
        return S(TextId::TimeOver);
    case GameEnd::SolvedOnStopwatch:
        return S(TextId::SolvedOnStopwatch) + timeInWords(seconds, language);
    case GameEnd::SolvedWithoutRecord:
        return S(TextId::SolvedWithoutRecord) + timeInWords(seconds, language);
    case GameEnd::NewBestTime:
        return S(TextId::NewBestTime) + QLatin1Char(' ') + levelName(level, language)
               + QLatin1String(". ") + S(TextId::SolvedIn) + timeInWords(seconds, language);
    }
    return {};
}

std::optional<double> messageFontSize(GameEnd end)
{
    switch (end) {
    case GameEnd::SolvedWithoutRecord:
        return 12.0;
    case GameEnd::NewBestTime:
        return 10.0;
    default:
        return std::nullopt;
    }
}

assets::Icon endIcon(GameEnd end)
{
    switch (end) {
    case GameEnd::TimeOver:
        return assets::Icon::Sad;
    case GameEnd::SolvedOnStopwatch:
    case GameEnd::NewBestTime:
        return assets::Icon::Happy;
    case GameEnd::SolvedWithoutRecord:
        return assets::Icon::Content;
    }
    return assets::Icon::Sad;
}

} // namespace besttimes
