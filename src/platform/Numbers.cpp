#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <cmath>

namespace platform {

std::optional<std::int16_t> tryRoundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::int16_t roundToInt16(double value)
{
    const auto result = tryRoundToInt16(value);
    if (!result)
        throw RuntimeError(ErrOverflow, QStringLiteral("Overflow"));
    return *result;
}

std::int32_t roundToInt32(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrOverflow, QStringLiteral("Overflow"));
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        throw RuntimeError(ErrOverflow, QStringLiteral("Overflow"));
    return static_cast<std::int32_t>(rounded);
}

std::optional<double> numberValue(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    const int n = int(t.size());
    if (t[i] == u'+' || t[i] == u'-')
        ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        int expDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool isNumber(const QString &text)
{
    return numberValue(text).has_value();
}

QString formatTimeOfDay(qint64 seconds, const QString &pattern)
{
    constexpr qint64 day = 24 * 3600;
    qint64 s = seconds % day;
    if (s < 0)
        s += day;
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    const qint64 h = s / 3600;
    const qint64 m = (s / 60) % 60;
    const qint64 sec = s % 60;

    QString out;
    for (int i = 0; i < pattern.size();) {
        const QStringView rest = QStringView(pattern).mid(i);
        if (rest.startsWith(u"hh")) {
            out += two(h);
            i += 2;
        } else if (rest.startsWith(u"nn") || rest.startsWith(u"mm")) {
            out += two(m);
            i += 2;
        } else if (rest.startsWith(u"ss")) {
            out += two(sec);
            i += 2;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

QString trimLeadingSpaces(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

QString trimTrailingSpaces(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

QString trimSpaces(const QString &text)
{
    return trimLeadingSpaces(trimTrailingSpaces(text));
}

} // namespace platform
