#include "ui/GreetingLayout.h"

#include "assets/Assets.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace greetinglayout {

namespace {

// Where each character (grapheme cluster) of `text` ends.
QList<int> characterEnds(const QString &text)
{
    QList<int> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        ends << int(finder.position());
    return ends;
}

// Characters that draw nothing of their own: spaces, joiners, variation
// selectors.
bool drawsNothing(const QString &character)
{
    for (const char32_t c : character.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (!QChar::isSpace(c) && category != QChar::Other_Format && category != QChar::Mark_NonSpacing)
            return false;
    }
    return true;
}

} // namespace

QFont greetingFont()
{
    // Measured in the game's own font, which stands in for Arial in the
    // friend's game as here.
    assets::useGameFont();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(GreetingPointSize);
    return font;
}

QFont fontFor(gift::Greeting::Style style)
{
    assets::useGameFont();
    QFont font(QStringLiteral("Arial"), 28);
    switch (style) {
    case gift::Greeting::Style::Greeting:
        return greetingFont();
    case gift::Greeting::Style::ProductName:
        font.setBold(true);
        font.setItalic(true);
        break;
    case gift::Greeting::Style::Designed:
        break;
    }
    return font;
}

int textFlags()
{
    return Qt::AlignCenter | Qt::TextWordWrap;
}

QStringList lines(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList result;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(TextBox.width());
        QString shown = text.mid(line.textStart(), line.textLength());
        while (!shown.isEmpty() && shown.back().isSpace())
            shown.chop(1);
        result << shown;
    }
    layout.endLayout();
    return result;
}

bool fits(const QString &text, const QFont &font)
{
    const QRect box(QPoint(0, 0), TextBox.size());
    const QRect needed = QFontMetrics(font).boundingRect(box, textFlags(), text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

int characterCount(const QString &text)
{
    return int(characterEnds(text).size());
}

int charactersThatFit(const QString &text, const QFont &font)
{
    const QList<int> ends = characterEnds(text);
    // Longer beginnings need more room: the first that does not fit is found
    // by halving.
    int low = 0;
    int high = int(ends.size());
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(text.left(ends[middle - 1]), font))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

QStringList charactersWithoutGlyph(const QString &text, const QFont &font)
{
    QStringList missing;
    int start = 0;
    for (const int end : characterEnds(text)) {
        const QString character = text.mid(start, end - start);
        start = end;
        if (missing.contains(character) || drawsNothing(character))
            continue;
        // Laid out alone, as the game would, fallback fonts and all: glyph 0
        // is the box a font draws for what it lacks.
        QTextLayout layout(character, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        bool drawn = false;
        bool boxed = false;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            for (const quint32 glyph : run.glyphIndexes()) {
                drawn = true;
                boxed = boxed || glyph == 0;
            }
        }
        if (boxed || !drawn)
            missing << character;
    }
    return missing;
}

} // namespace greetinglayout
