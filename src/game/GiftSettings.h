#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

// What a gift-maker puts beside the game: Matrix.dat, one line whose first
// character picks the language and whose rest is the greeting.
namespace gift {

// Matrix.dat is read up to this many bytes: one line is all it holds.
inline constexpr qint64 MatrixDatReadLimit = 4096;

// The first line of Matrix.dat from its bytes (at most the first 4 KiB): it
// ends at CR, LF or CRLF; a leading UTF-8 byte-order mark is dropped; the
// text is UTF-8 when valid, else Windows-1252 (files made on Windows).
// nullopt for a file of zero bytes, where there is no line to read.
std::optional<QString> firstLine(const QByteArray &bytes, bool truncated = false);

// What the message panel above the board shows.
struct Greeting
{
    enum class Style {
        Designed,    // "Quadrifoglio" in the panel's own 28-point upright type
        ProductName, // "Quadrifoglio" in 28-point bold italic
        Greeting,    // the greeting in 10-point upright type
    };
    Style style = Style::Designed;
    QString text = QStringLiteral("Quadrifoglio");
    std::optional<int> languageDigit; // when the line starts with a digit
};

// The greeting and language digit of Matrix.dat's first line (nullopt: no line).
Greeting parseFirstLine(const std::optional<QString> &line);

} // namespace gift

// The ten background colours the colour button cycles through.
namespace colours {

inline constexpr int ColourCount = 10;

// The colour of an index; grey for any index outside 0-9 (an edited file).
QColor backgroundColour(int index);

// The colour index stored in the score file as text: a number rounded into
// 16 bits, halves to even; 0 for anything else.
int indexFromStored(const QString &value);

// The next index: 1, 2, ..., 9, 0, ... An index from an edited score file
// counts up from where it is; at the top of the 16-bit range it starts again at 0.
int nextIndex(int index);

} // namespace colours
