#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Rules of the best-time records and of the end-of-game messages, kept apart
// from the windows so they can be checked on their own.
//
// A record lives in the score file, section "Immagine", one key per level
// ("0", "1", "2"). Its value is the holder's name as a field of exactly ten
// characters (left-aligned, filled with spaces) followed at once by the
// time in whole seconds: Anna with 95 seconds is "Anna      95". "0" means
// no record.
namespace records {

inline constexpr int NameFieldLength = 10;

// The score file's section for the records, and the key of a level.
QString Section();
QString LevelKey(std::int16_t level);

// The value stored when a level has no record.
QString NoRecord();

// What the player typed, made into the ten-character name field: cut to its
// first ten characters or filled with spaces on the right. Line breaks, tabs
// and other control characters become spaces, so that a pasted name cannot
// break the line of the score file; a character that does not fit whole
// (half of a surrogate pair) becomes a space as well.
QString NameField(const QString &typed);

// The stored value for a name field and a time.
QString RecordValue(const QString &name, std::int16_t seconds);

// A stored value taken apart.
struct StoredRecord
{
    bool none = true;       // the value is exactly "0"
    QString nameField;      // characters 1 to 10
    QString timeText;       // character 11 to the end
    std::optional<double> seconds; // the time, when timeText is a number
};
StoredRecord ParseRecordValue(const QString &value);

// What lblWinner shows for a stored value: "-------" for no record, else the
// name without its surrounding spaces, a line break and the time as minutes
// and seconds ("02:05" for 3725 seconds; "00:00" when the time is not a
// number). showLabel says whether the label is to be made visible.
struct BestTimeDisplay
{
    QString caption;
    bool showLabel = false;
};
BestTimeDisplay BestTimeCaption(const QString &value);

// The time of a stored value as a 16-bit number; nullopt for no record,
// a time that is not a number, or one that does not fit 16 bits (which any
// real game beats).
std::optional<std::int16_t> StoredSeconds(const QString &value);

// True when a game of `elapsed` seconds sets a new record against the
// stored value: there is no usable stored time, or the stored one is
// strictly greater. An equal time does not beat the record.
bool BeatsRecord(const QString &storedValue, std::int16_t elapsed);

// The error reported when the score file could not be written, as the
// game numbers its run-time errors.
struct WriteError
{
    int number = 0;
    QString description;
};
WriteError ScoreFileWriteError(const QString &file);

// The text of the box that reports a failure while recording a best time.
QString RegistraMigliorTempoErrorText(int number, const QString &description);

// --- End-of-game messages ----------------------------------------------------

// The string-table entry Language + base id.
QString S(std::int16_t language, int baseId);

// A game's time in words: "05 secondi", "1 minuto e 05 secondi",
// "3  minuti e 05  secondi" (two spaces in the plural form). Hours are left
// out; the joining " e " is the same in every language.
QString FormatGameTime(qint64 seconds, std::int16_t language);

// The level name of the record message: the caption of the chosen level
// without its first character (the "&" of the access key).
QString LevelName(int chosenLevel, std::int16_t language);

// The message of each kind, as composed for lblmessaggi (CR LF line breaks);
// empty for a kind that does not exist. chosenLevel is the level button that
// is selected (0, 1 or 2; any other value counts as Difficult).
QString MessageText(std::int16_t kind, std::int16_t language, int chosenLevel, qint64 seconds);

// The font size of lblmessaggi for a kind; nullopt keeps the design's size.
std::optional<double> MessageFontSize(std::int16_t kind);

// The icon resource of a kind; 0 for none.
int MessageIcon(std::int16_t kind);

// A caption as a label shows it: CR LF (and a lone CR) become line breaks.
QString ForDisplay(const QString &caption);

} // namespace records
