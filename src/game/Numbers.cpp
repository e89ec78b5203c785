#include "game/Numbers.h"

#include <QTime>

#include <cmath>

namespace numbers {

std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> numberValue(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    const int n = int(t.size());
    const auto isAsciiDigit = [&t](int at) { return t[at] >= u'0' && t[at] <= u'9'; };
    if (t[i] == u'+' || t[i] == u'-')
        ++i;
    int digits = 0;
    while (i < n && isAsciiDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(i)) {
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
        int exponentDigits = 0;
        while (i < n && isAsciiDigit(i)) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
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

QString minutesAndSeconds(qint64 seconds)
{
    // Only the place within the hour counts; QTime wraps at midnight.
    qint64 withinHour = seconds % 3600;
    if (withinHour < 0)
        withinHour += 3600;
    return QTime(0, 0).addSecs(int(withinHour)).toString(QStringLiteral("mm:ss"));
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
    const QString right = trimTrailingSpaces(text);
    qsizetype i = 0;
    while (i < right.size() && right[i] == u' ')
        ++i;
    return right.mid(i);
}

} // namespace numbers
