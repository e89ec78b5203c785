#include "game/GiftSettings.h"

#include "game/Numbers.h"
#include "game/Text.h"


namespace gift {

std::optional<QString> firstLine(const QByteArray &bytes, bool truncated)
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

    if (auto s = textcodec::decodeUtf8(line))
        return s;
    // A line cut by the read limit may end inside a character.
    if (cutByLimit) {
        for (int drop = 1; drop <= 3 && drop < line.size(); ++drop) {
            if (auto s = textcodec::decodeUtf8(line.left(line.size() - drop)))
                return s;
        }
    }
    return textcodec::decodeWindows1252(line);
}

Greeting parseFirstLine(const std::optional<QString> &line)
{
    Greeting result;
    if (!line)
        return result; // no line at all: the designed type

    const QString &l = *line;
    if (!l.isEmpty() && l[0] >= u'0' && l[0] <= u'9')
        result.languageDigit = l[0].unicode() - u'0';

    // The first character is the language position, digit or not.
    const QString rest = l.mid(textcodec::firstCharacterLength(l));
    if (!numbers::trimSpaces(rest).isEmpty()) {
        result.style = Greeting::Style::Greeting;
        result.text = numbers::trimTrailingSpaces(rest);
    } else {
        result.style = Greeting::Style::ProductName;
        result.text = QStringLiteral("Quadrifoglio");
    }
    return result;
}

} // namespace gift

namespace colours {

QColor backgroundColour(int index)
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

int indexFromStored(const QString &value)
{
    const auto number = numbers::numberValue(value);
    if (!number)
        return 0;
    return numbers::toInt16(*number).value_or(0);
}

int nextIndex(int index)
{
    index = index >= 32767 ? 0 : index + 1;
    return index == ColourCount ? 0 : index;
}

} // namespace colours
