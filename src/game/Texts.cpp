#include "game/Texts.h"

#include "assets/Assets.h"

namespace texts {

Language languageForDigit(int digit)
{
    switch (digit) {
    case 1:
        return Language::English;
    case 2:
        return Language::French;
    case 3:
        return Language::German;
    case 4:
        return Language::Spanish;
    default:
        return Language::Italian;
    }
}

int tableOffset(Language language)
{
    return 100 * int(language);
}

QString text(Language language, TextId id)
{
    return tableEntry(tableOffset(language) + int(id));
}

QString tableEntry(int id)
{
    return assets::tableString(id);
}

bool hasTableEntry(int id)
{
    return assets::hasTableString(id);
}

} // namespace texts
