#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// Text from files the game did not write itself: files made on Linux hold
// UTF-8, files made on Windows the Windows-1252 code page.
QString decodeWindows1252(const QByteArray &bytes);

// The bytes as UTF-8; nullopt when they are not valid UTF-8.
std::optional<QString> decodeUtf8(const QByteArray &bytes);

// UTF-8 when valid, else Windows-1252.
QString decodeText(const QByteArray &bytes);

} // namespace platform
