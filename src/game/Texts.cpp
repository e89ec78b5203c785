#include "game/Texts.h"

#include "platform/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <array>
#include <memory>

namespace texts {

namespace {

// Every text by its number, with the English wording and a note for the
// translators: lupdate reads these marks into the translation files.
const char *const Marks[] = {
    //: level button; also the level's name in the record message
    //% "&Easy"
    QT_TRID_NOOP("101"),
    //: level button; also the level's name in the record message
    //% "&Medium"
    QT_TRID_NOOP("102"),
    //: level button; also the level's name in the record message
    //% "&Difficult"
    QT_TRID_NOOP("103"),
    //: button that starts a game
    //% "&Play"
    QT_TRID_NOOP("104"),
    //: switch between a countdown (out) and a stopwatch (pressed in); a 46 pixel button
    //% "&Timer"
    QT_TRID_NOOP("105"),
    //: button that opens the About window
    //% "&?"
    QT_TRID_NOOP("106"),
    //: button that ends the program; a 46 pixel button
    //% "E&xit"
    QT_TRID_NOOP("107"),
    //: tool tip of the three level buttons
    //% "Difficulty level"
    QT_TRID_NOOP("108"),
    //: tool tip of Play
    //% "Create the puzzle"
    QT_TRID_NOOP("109"),
    //: tool tip of the timer switch
    //% "Time limit on or off"
    QT_TRID_NOOP("110"),
    //: tool tip of the ? button and title of the About window
    //% "About Quadrifoglio 3D"
    QT_TRID_NOOP("111"),
    //: tool tip of Exit
    //% "End program"
    QT_TRID_NOOP("112"),
    //: tool tip of the background colour button
    //% "Change background color"
    QT_TRID_NOOP("113"),
    //: tool tip of the 3D switch
    //% "Show or hide the 3D edge of the pieces"
    QT_TRID_NOOP("114"),
    //: tool tip of the << button: the game is given up, back to the start
    //% "Give up the game"
    QT_TRID_NOOP("115"),
    //: button that closes the end-of-game and the About window
    //% "&Close"
    QT_TRID_NOOP("116"),
    //: tool tip of Close
    //% "Close this window"
    QT_TRID_NOOP("117"),
    //: About window: followed by two spaces and the version number
    //% "Version"
    QT_TRID_NOOP("118"),
    //: About window: how the puzzle was made, and how to make one
    //% "This puzzle was created with Quadrifoglio.\nIf you want to create your own puzzles to give to a friend, use quadrifoglio-maker, the puzzle maker of Quadrifoglio 3D."
    QT_TRID_NOOP("119"),
    //: About window: what the program is and where it runs
    //% "Jigsaw puzzle game for Linux"
    QT_TRID_NOOP("120"),
    //: About window: terms of use
    //% "Free program - free use and distribution."
    QT_TRID_NOOP("121"),
    //: About window: the smallest screen the game runs on
    //% "Needs a screen of at least 800 × 600 pixels."
    QT_TRID_NOOP("122"),
    //: end-of-game window: prompt for the name of a new best time, followed by " >"
    //% "Type your name for the record"
    QT_TRID_NOOP("123"),
    //: end-of-game window: the time ran out
    //% "Game over!\nTry again."
    QT_TRID_NOOP("124"),
    //: end-of-game window: solved with the stopwatch; the time in words follows
    //% "Very good! You did it in...\n"
    QT_TRID_NOOP("125"),
    //: end-of-game window: solved, best time not beaten; the time in words follows
    //% "Good...\neven though you did not beat the record, you finished the puzzle in...\n"
    QT_TRID_NOOP("126"),
    //: end-of-game window, new best time: followed by a space, the level's name and ". "
    //% "Excellent...\nyou set the best time ever in the category: Game"
    QT_TRID_NOOP("127"),
    //: time in words: 1 minute
    //% "minute"
    QT_TRID_NOOP("128"),
    //: time in words: 2 to 59 minutes
    //% "minutes"
    QT_TRID_NOOP("129"),
    //: time in words: the seconds
    //% "seconds"
    QT_TRID_NOOP("130"),
    //: end-of-game window, new best time: after the level's name; the time in words follows
    //% "You finished the puzzle in...\n"
    QT_TRID_NOOP("131"),
    //: time in words: joins the minutes and the seconds (3 minutes and 05 seconds)
    //% "and"
    QT_TRID_NOOP("132"),
    //: About window: the authors' line when the build names no one
    //% "The authors of Quadrifoglio"
    QT_TRID_NOOP("133"),
    //: message at start: no picture; %1 is the folder
    //% "Cannot find the puzzle's picture: there is no Matrix.bmp, Matrix.jpg or Matrix.gif in the folder\n%1"
    QT_TRID_NOOP("134"),
    //: message at start: the picture cannot be read; %1 is the file, %2 says why
    //% "Cannot read the puzzle's picture\n%1\n%2"
    QT_TRID_NOOP("135"),
    //: why a picture cannot be read
    //% "The system does not allow the file to be read."
    QT_TRID_NOOP("136"),
    //: why a picture cannot be read
    //% "The file is not a BMP, JPEG or GIF picture."
    QT_TRID_NOOP("137"),
    //: why a picture cannot be read
    //% "The file is damaged or incomplete."
    QT_TRID_NOOP("138"),
    //: why a picture cannot be read: %1 x %2 its size, %3 the most pixels taken, in millions
    //% "The picture is too large: %1 × %2 pixels, more than %3 million pixels."
    QT_TRID_NOOP("139"),
};

constexpr int FirstText = int(TextId::Easy);
constexpr int TextCount = int(std::size(Marks));
constexpr Language Languages[] = {Language::Italian, Language::English, Language::French,
                                  Language::German, Language::Spanish};

// One translator per language, loaded once. A language is not installed in
// the application: the game asks for the texts of its copy's language, and
// the tests ask for any.
const QTranslator &translator(Language language)
{
    static const auto loaded = [] {
        std::array<std::unique_ptr<QTranslator>, std::size(Languages)> translators;
        for (Language l : Languages) {
            auto &t = translators[int(l)];
            t = std::make_unique<QTranslator>();
            // Missing, the language has no texts, which its tests show.
            (void)t->load(QStringLiteral(":/i18n/quadrifoglio_%1.qm").arg(languageCode(l)));
        }
        return translators;
    }();
    return *loaded[int(language)];
}

} // namespace

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

QString languageCode(Language language)
{
    static const char *const codes[] = {"it", "en", "fr", "de", "es"};
    return QLatin1String(codes[int(language)]);
}

std::vector<TextId> allTexts()
{
    std::vector<TextId> ids;
    for (int i = 0; i < TextCount; ++i)
        ids.push_back(TextId(FirstText + i));
    return ids;
}

QString text(Language language, TextId id)
{
    const int index = int(id) - FirstText;
    if (index < 0 || index >= TextCount)
        return {};
    return translator(language).translate(nullptr, Marks[index]);
}

QString tableEntry(int id)
{
    if (!hasTableEntry(id))
        return {};
    return text(Language((id - FirstText) / 100), TextId((id - FirstText) % 100 + FirstText));
}

bool hasTableEntry(int id)
{
    const int language = (id - FirstText) / 100;
    const int index = (id - FirstText) % 100;
    return id >= FirstText && language < int(std::size(Languages)) && index < TextCount;
}

QString pictureMissingMessage(Language language, const QString &folder)
{
    return text(language, TextId::PictureMissing).arg(QDir::toNativeSeparators(folder));
}

QString pictureUnreadableMessage(Language language, const QString &path,
                                 const platform::LoadedPicture &picture)
{
    using platform::PictureProblem;
    QString why;
    switch (picture.problem) {
    case PictureProblem::None:
        return {};
    case PictureProblem::Missing:
        // Gone between the look for it and the read.
        return pictureMissingMessage(language, QFileInfo(path).absolutePath());
    case PictureProblem::Unreadable:
        why = text(language, TextId::NoPermission);
        break;
    case PictureProblem::NotAPicture:
        why = text(language, TextId::NotAPicture);
        break;
    case PictureProblem::Damaged:
        why = text(language, TextId::Damaged);
        break;
    case PictureProblem::TooLarge:
        why = text(language, TextId::TooLarge)
                  .arg(picture.size.width())
                  .arg(picture.size.height())
                  .arg(picture.limit / 1'000'000);
        break;
    }
    return text(language, TextId::PictureUnreadable).arg(QDir::toNativeSeparators(path), why);
}

} // namespace texts
