#pragma once

#include <QString>

// The game's texts in its five languages. The table holds each text once per
// language: the Italian one at its id, the others at id + 100, + 200...
namespace texts {

enum class Language { Italian = 0, English = 1, French = 2, German = 3, Spanish = 4 };

// The language of a Matrix.dat digit: 1 English, 2 French, 3 German,
// 4 Spanish, anything else Italian.
Language languageForDigit(int digit);

// Where a language's texts start in the table, counted from the Italian ones.
int tableOffset(Language language);

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
    AboutTip = 111,
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
};

QString text(Language language, TextId id);

// A raw entry of the table by its id; empty when there is none.
QString tableEntry(int id);
bool hasTableEntry(int id);

} // namespace texts
