#pragma once

#include <QString>

#include <vector>

namespace platform {
struct LoadedPicture;
}

// The game's texts in its five languages. Each text has a number, the same
// in every language; the translations live in Qt Linguist files, one per
// language (src/assets/translations), compiled into the program. A text's
// number plus the language's offset (0 Italian, 100 English, 200 French,
// 300 German, 400 Spanish) is the id the game has always known it by.
namespace texts {

enum class Language { Italian = 0, English = 1, French = 2, German = 3, Spanish = 4 };

// The language of a Matrix.dat digit: 1 English, 2 French, 3 German,
// 4 Spanish, anything else Italian.
Language languageForDigit(int digit);

// Where a language's texts start in the table, counted from the Italian ones.
int tableOffset(Language language);

// The language's code in the translation files' names: "it", "en"...
QString languageCode(Language language);

enum class TextId : int {
    Easy = 101,
    Medium = 102,
    Difficult = 103,
    Play = 104,
    Timer = 105,
    About = 106,
    Exit = 107,
    LevelTip = 108,
    PlayTip = 109,
    TimerTip = 110,
    AboutTip = 111, // also the About window's title
    ExitTip = 112,
    ColourTip = 113,
    EdgeTip = 114,
    GiveUpTip = 115,
    Close = 116,
    CloseTip = 117,
    Version = 118,
    MadeWith = 119,
    Platform = 120,
    Licence = 121,
    ScreenNote = 122,
    TypeYourName = 123,
    TimeOver = 124,
    SolvedOnStopwatch = 125,
    SolvedWithoutRecord = 126,
    NewBestTime = 127,
    Minute = 128,
    Minutes = 129,
    Seconds = 130,
    SolvedIn = 131,
    And = 132,               // between the minutes and the seconds
    Authors = 133,           // the authors' line when the build names no one
    PictureMissing = 134,    // %1 the folder
    PictureUnreadable = 135, // %1 the file, %2 why
    NoPermission = 136,      // the reasons a picture cannot be read
    NotAPicture = 137,
    Damaged = 138,
    TooLarge = 139,          // %1 x %2 its size, %3 millions of pixels taken
};

// Every text, in the order of its number.
std::vector<TextId> allTexts();

// A text in a language. Line breaks are "\n".
QString text(Language language, TextId id);

// A text by its id in the table (language offset + number); empty when
// there is none.
QString tableEntry(int id);
bool hasTableEntry(int id);

// The messages of a game that cannot start, in its language: no picture
// in `folder`, or a picture at `path` that cannot be read (saying why).
QString pictureMissingMessage(Language language, const QString &folder);
QString pictureUnreadableMessage(Language language, const QString &path,
                                 const platform::LoadedPicture &picture);

} // namespace texts
