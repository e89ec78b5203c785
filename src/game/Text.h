#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace textcodec {

// Text from files the game did not write itself: files made on Linux hold
// UTF-8, files made on Windows the Windows-1252 code page.
QString decodeWindows1252(const QByteArray &bytes);

// The bytes as UTF-8; nullopt when they are not valid UTF-8.
std::optional<QString> decodeUtf8(const QByteArray &bytes);

// UTF-8 when valid, else Windows-1252.
QString decodeText(const QByteArray &bytes);

// How many UTF-16 units the first character of text takes: 2 for a
// character beyond the basic plane (an emoji), whose halves mean nothing
// apart, 1 for any other, 0 for an empty text. A mark that follows it (an
// accent, a variation selector) is a character of its own, so a greeting
// that begins with one never merges with the digit before it.
qsizetype firstCharacterLength(const QString &text);

} // namespace textcodec
