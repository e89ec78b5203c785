#include "main_window/Settings.h"

#include "platform/Numbers.h"
#include "platform/Text.h"


namespace settings {

std::optional<QString> FirstLine(const QByteArray &bytes, bool truncated)
{
    if (bytes.isEmpty())
        return std::nullopt;
    QByteArray line = bytes;
    if (line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    qsizetype end = 0;
    while (end < line.size() && line[end] != '\r' && line[end] != '\n')
        ++end;
    const bool cutByLimit = truncated && end == line.size();
    line.truncate(end);

    if (auto s = platform::DecodeUtf8(line))
        return s;
    // A line cut by the read limit may end inside a character.
    if (cutByLimit) {
        for (int drop = 1; drop <= 3 && drop < line.size(); ++drop) {
            if (auto s = platform::DecodeUtf8(line.left(line.size() - drop)))
                return s;
        }
    }
    return platform::DecodeWindows1252(line);
}

std::int16_t LanguageOffset(std::int16_t digit)
{
    switch (digit) {
    case 1:
        return 100;
    case 2:
        return 200;
    case 3:
        return 300;
    case 4:
        return 400;
    default:
        return 0;
    }
}

MessageLine ParseSettingsLine(const std::optional<QString> &line)
{
    MessageLine result;
    if (!line)
        return result; // no line at all: the designed type

    const QString &l = *line;
    if (!l.isEmpty() && l[0] >= u'0' && l[0] <= u'9')
        result.digit = static_cast<std::int16_t>(l[0].unicode() - u'0');

    // The first character is the language position, digit or not.
    const QString rest = l.mid(platform::FirstCharacterLength(l));
    if (!platform::Trim(rest).isEmpty()) {
        result.style = MessageLine::Style::Greeting;
        result.text = platform::RTrim(rest);
    } else {
        result.style = MessageLine::Style::ProductName;
        result.text = QStringLiteral("Quadrifoglio");
    }
    return result;
}

QColor ColorFromIndex(std::int16_t index)
{
    switch (index) {
    case 1:
        return QColor(0, 0, 192);
    case 2:
        return QColor(0, 192, 192);
    case 3:
        return QColor(192, 0, 192);
    case 4:
        return QColor(192, 192, 255);
    case 5:
        return QColor(0, 192, 0);
    case 6:
        return QColor(192, 192, 0);
    case 7:
        return QColor(255, 192, 128);
    case 8:
        return QColor(255, 128, 128);
    case 9:
        return QColor(192, 64, 0);
    default:
        return QColor(128, 128, 128);
    }
}

std::int16_t ColorIndexFromProfile(const QString &value)
{
    const auto number = platform::NumericValue(value);
    if (!number)
        return 0;
    return platform::tryCInt(*number).value_or(0);
}

} // namespace settings
