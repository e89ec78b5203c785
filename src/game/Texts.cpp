#include "game/Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
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
    //: message: a new best time could not be written; %1 is the file, %2 says why
    //% "Your best time could not be saved in\n%1\n%2"
    QT_TRID_NOOP("140"),
    //: message: a new best time could not be written, as the user has no folder for settings
    //% "Your best time could not be saved: there is no folder for the game's settings."
    QT_TRID_NOOP("141"),
    //: why a best time could not be saved
    //% "The folder does not exist."
    QT_TRID_NOOP("142"),
    //: why a best time could not be saved
    //% "Something that is not a file has that name."
    QT_TRID_NOOP("143"),
    //: why a best time could not be saved
    //% "The system does not allow the file to be written."
    QT_TRID_NOOP("144"),
    //: why a best time could not be saved
    //% "The disk is full."
    QT_TRID_NOOP("145"),
    //: why a best time could not be saved: any other failure of the disk
    //% "The disk refused to write the file."
    QT_TRID_NOOP("146"),
    //: message: Play was pressed but the pieces could not be made
    //% "There is not enough memory to cut the pieces. Close some other programs and press Play again."
    QT_TRID_NOOP("147"),
    //: on the board while the picture loads: first line, at the top
    //% "Wait, please....."
    QT_TRID_NOOP("148"),
    //: on the board while the picture loads: second line, at the bottom
    //% "...loading image."
    QT_TRID_NOOP("149"),
    //: message at start when the screen is smaller than 800 x 600 pixels
    //% "The game needs a screen resolution of at least 800 × 600 pixels.\nChange the screen resolution and try again."
    QT_TRID_NOOP("150"),
    //: the pause button, for a screen reader
    //% "Pause"
    QT_TRID_NOOP("151"),
    //: tool tip of the pause button
    //% "Pause (P or Space)"
    QT_TRID_NOOP("152"),
    //: on the cover over the board while the game is paused
    //% "Game paused: press P to go on"
    QT_TRID_NOOP("153"),
    //: the sound switch, for a screen reader
    //% "Sound"
    QT_TRID_NOOP("154"),
    //: tool tip of the sound switch
    //% "Sound on or off (M)"
    QT_TRID_NOOP("155"),
    //: the background colour button, for a screen reader
    //% "Background color"
    QT_TRID_NOOP("156"),
    //: the 3D switch, for a screen reader
    //% "3D edge"
    QT_TRID_NOOP("157"),
    //: the << button, for a screen reader
    //% "Give up"
    QT_TRID_NOOP("158"),
    //: the ? button, for a screen reader
    //% "About"
    QT_TRID_NOOP("159"),
    //: the ? button, what a screen reader says of it
    //% "Who made the game, and its version"
    QT_TRID_NOOP("160"),
    //: the board, for a screen reader
    //% "Puzzle board"
    QT_TRID_NOOP("161"),
    //: the board, what a screen reader says of it
    //% "Every piece goes here, in its own place"
    QT_TRID_NOOP("162"),
    //: a piece not yet home, for a screen reader; %1 its number
    //% "Piece %1, loose"
    QT_TRID_NOOP("163"),
    //: a piece home, for a screen reader; %1 its number
    //% "Piece %1, in place"
    QT_TRID_NOOP("164"),
    //: a piece, what a screen reader says of it
    //% "Drag it to its place on the board"
    QT_TRID_NOOP("165"),
    //: the clock, for a screen reader
    //% "Time"
    QT_TRID_NOOP("166"),
    //: the count of pieces placed, for a screen reader
    //% "Pieces in place"
    QT_TRID_NOOP("167"),
    //: title of the How to play window (F1)
    //% "How to play"
    QT_TRID_NOOP("168"),
    //: the How to play window: the rules and the keys
    //% "Choose a level and press Play. Drag the 36 pieces onto the board: a piece let go on its own place stays there, any other goes back. Finish the puzzle before the time is up, or press Timer to play without a limit.\n\nP or Space: pause\nM: sound on or off\nF1: this window\nF11: full screen or window\nEsc: closes a window\nCtrl+Q: exit\nAlt+R: 3D edge    Alt+O: color    Alt+N: new game"
    QT_TRID_NOOP("169"),
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

QString pictureMissingMessage(Language language, const QString &folder)
{
    return text(language, TextId::PictureMissing).arg(QDir::toNativeSeparators(folder));
}

QString pictureUnreadableMessage(Language language, const QString &path, const PictureTrouble &trouble)
{
    QString why;
    switch (trouble.kind) {
    case PictureTrouble::None:
        return {};
    case PictureTrouble::Missing:
        // Gone between the look for it and the read.
        return pictureMissingMessage(language, QFileInfo(path).absolutePath());
    case PictureTrouble::Unreadable:
        why = text(language, TextId::NoPermission);
        break;
    case PictureTrouble::NotAPicture:
        why = text(language, TextId::NotAPicture);
        break;
    case PictureTrouble::Damaged:
        why = text(language, TextId::Damaged);
        break;
    case PictureTrouble::TooLarge:
        why = text(language, TextId::TooLarge)
                  .arg(trouble.size.width())
                  .arg(trouble.size.height())
                  .arg(trouble.limit / 1'000'000);
        break;
    }
    return text(language, TextId::PictureUnreadable).arg(QDir::toNativeSeparators(path), why);
}

QString recordNotSavedMessage(Language language, SaveFailure failure, const QString &file)
{
    TextId why = TextId::WriteFailed;
    switch (failure) {
    case SaveFailure::NoFolder:
        return text(language, TextId::RecordNotSavedNoFolder);
    case SaveFailure::FolderMissing:
        why = TextId::FolderMissing;
        break;
    case SaveFailure::NotAFile:
        why = TextId::NotAFile;
        break;
    case SaveFailure::NoPermission:
        why = TextId::NoWritePermission;
        break;
    case SaveFailure::DiskFull:
        why = TextId::DiskFull;
        break;
    case SaveFailure::WriteFailed:
        break;
    }
    return text(language, TextId::RecordNotSaved).arg(QDir::toNativeSeparators(file), text(language, why));
}

QString screenTooSmallMessage()
{
    QStringList paragraphs;
    for (Language language : Languages)
        paragraphs << text(language, TextId::ScreenTooSmall);
    return paragraphs.join(QLatin1String("\n\n"));
}

} // namespace texts
