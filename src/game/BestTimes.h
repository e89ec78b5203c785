#pragma once

#include "assets/Assets.h"
#include "game/Level.h"
#include "game/Texts.h"

#include <QString>

#include <optional>

// The best time of each level and the words that report the end of a game.
//
// A record lives in the score file, section "Immagine", one key per level
// ("0", "1", "2"). Its value is the holder's name as a field of exactly ten
// characters (left-aligned, filled with spaces) followed at once by the time
// in whole seconds: Anna with 95 seconds is "Anna      95". "0" means no record.
namespace besttimes {

inline constexpr int NameFieldLength = 10;

// How a game ended; the numbers are those of the end messages' texts and icons.
enum class GameEnd {
    TimeOver = 1,
    SolvedOnStopwatch = 2,
    SolvedWithoutRecord = 3,
    NewBestTime = 4,
};

// The score file's section for the records, and the key of a level.
QString section();
QString levelKey(Level level);

// The value stored when a level has no record.
QString noRecord();

// What the player typed, made into the ten-character name field: cut to its
// first ten characters or filled with spaces on the right. Line breaks, tabs
// and other control characters become spaces, so that a pasted name cannot
// break the line of the score file; half of a surrogate pair becomes a space.
QString nameField(const QString &typed);

// The stored value for a name and a time.
QString recordValue(const QString &name, int seconds);

// A stored value taken apart.
struct StoredRecord
{
    bool none = true;              // the value is exactly "0"
    QString nameField;             // characters 1 to 10
    QString timeText;              // character 11 to the end
    std::optional<double> seconds; // the time, when timeText is a number
};
StoredRecord parseRecord(const QString &value);

// What the clock panel shows for a stored value: "-------" for no record,
// else the name without its surrounding spaces, a line break ("\n") and the
// time as minutes and seconds ("02:05" for 3725 seconds; "00:00" when the time is not
// a number). `show` says whether the caption is to be made visible.
struct Caption
{
    QString text;
    bool show = false;
};
Caption bestTimeCaption(const QString &value);

// The time of a stored value; nullopt for no record, a time that is not a
// number, or one beyond 16 bits (which any real game beats).
std::optional<int> storedSeconds(const QString &value);

// True when a game of `elapsed` seconds sets a new record against the stored
// value: there is no usable stored time, or the stored one is strictly
// greater. An equal time does not beat the record.
bool beatsRecord(const QString &storedValue, int elapsed);

// --- End-of-game messages ----------------------------------------------------

// A game's time in words: "05 secondi", "1 minuto e 05 secondi",
// "3  minuti e 05  secondi" (two spaces in the plural form), joined by the
// language's own "and". Hours are left out.
QString timeInWords(qint64 seconds, texts::Language language);

// The level's name in the record message: its button caption without the
// "&" of the access key, wherever the language puts it.
QString levelName(Level level, texts::Language language);

// The message of each end, with its line breaks.
QString endMessage(GameEnd end, texts::Language language, Level level, qint64 seconds);

// The message's type size where an end wants its own; nullopt keeps the
// window's usual size.
std::optional<double> messageFontSize(GameEnd end);

// The icon of an end.
assets::Icon endIcon(GameEnd end);

} // namespace besttimes
