#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

// Rules for the two files the game reads at start-up, kept apart from the
// window so they can be checked on their own.
namespace settings {

// Matrix.dat is read up to this many bytes: one line is all it holds.
inline constexpr qint64 MatrixDatReadLimit = 4096;

// The first line of Matrix.dat from its bytes (at most the first 4 KiB): it
// ends at CR, LF or CRLF; a leading UTF-8 byte-order mark is dropped; the
// text is UTF-8 when valid, else Windows-1252 (files made on Windows).
// nullopt for a file of zero bytes, where there is no line to read.
std::optional<QString> FirstLine(const QByteArray &bytes, bool truncated = false);

// The language offset for a language digit: 1-4 give 100-400, all else 0.
std::int16_t LanguageOffset(std::int16_t digit);

// What the message panel shows for a first line.
struct MessageLine
{
    enum class Style {
        Designed,    // "Quadrifoglio" in the designed 28-point upright type
        ProductName, // "Quadrifoglio" in 28-point bold italic
        Greeting,    // the greeting in 10-point upright type
    };
    Style style = Style::Designed;
    QString text = QStringLiteral("Quadrifoglio");
    std::optional<std::int16_t> digit; // the language digit, when the line starts with one
};

// The message and the language digit of a first line (nullopt: no line).
MessageLine ParseSettingsLine(const std::optional<QString> &line);

// The background colour for a colour index; grey for any index outside 0-9.
QColor ColorFromIndex(std::int16_t index);

// The colour index stored in the score file as text: a number rounded into
// 16 bits, halves to even; 0 for anything else.
std::int16_t ColorIndexFromProfile(const QString &value);

} // namespace settings
