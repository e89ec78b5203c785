#pragma once

#include "game/Preferences.h"

#include <QSize>
#include <QString>

#include <vector>

// Every text the player sees, in the game's five languages. Each text has a
// number, the same in every language; the translations live in Qt Linguist
// files, one per language (src/assets/translations), compiled into the
// program.
namespace texts {

enum class Language { Italian = 0, English = 1, French = 2, German = 3, Spanish = 4 };

// The language of a Matrix.dat digit: 1 English, 2 French, 3 German,
// 4 Spanish, anything else Italian.
Language languageForDigit(int digit);

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
    RecordNotSaved = 140,
    RecordNotSavedNoFolder = 141,
    FolderMissing = 142,
    NotAFile = 143,
    NoWritePermission = 144,
    DiskFull = 145,
    WriteFailed = 146,
    OutOfMemory = 147,
    LoadingWait = 148,
    LoadingPicture = 149,
    ScreenTooSmall = 150,
    Pause = 151,
    PauseTip = 152,
    PausedNote = 153,
    Sound = 154,
    SoundTip = 155,
    Colour = 156,
    Edge = 157,
    GiveUp = 158,
    AboutName = 159,
    AboutDescription = 160,
    Board = 161,
    BoardDescription = 162,
    PieceLoose = 163,
    PieceInPlace = 164,
    PieceDescription = 165,
    Time = 166,
    PlacedCount = 167,
    HowToPlay = 168,
    HowToPlayText = 169,
};

// Every text, in the order of its number.
std::vector<TextId> allTexts();

// A text in a language. Line breaks are "\n".
QString text(Language language, TextId id);

// Why a picture cannot be shown, as the messages tell it.
struct PictureTrouble
{
    enum Kind { None, Missing, Unreadable, NotAPicture, Damaged, TooLarge };
    Kind kind = None;
    QSize size;       // the picture's own size, for TooLarge
    qint64 limit = 0; // the most pixels taken, for TooLarge
};

// The messages of a game that cannot start, in its language: no picture
// in `folder`, or a picture at `path` that cannot be read (saying why).
QString pictureMissingMessage(Language language, const QString &folder);
QString pictureUnreadableMessage(Language language, const QString &path, const PictureTrouble &trouble);

// A new best time that could not be saved in `file`: what failed and where.
QString recordNotSavedMessage(Language language, SaveFailure failure, const QString &file);

// The message of a screen smaller than the game needs, before any language
// is known: a paragraph in each language, the Italian one first.
QString screenTooSmallMessage();

} // namespace texts
