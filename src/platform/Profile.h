#pragma once

#include <QString>

// Profile strings: INI sections and keys, case-insensitive, read and written
// through minIni, which keeps every other section, key and comment of the
// file and writes through a temporary file and a rename.
namespace platform {

// The value of key in section of file (surrounding spaces removed), or the
// default when the file, section or key is absent or the path is empty. The
// text is UTF-8 when valid, else Windows-1252. At most 254 characters, as
// the game's 255-character buffer holds.
QString GetProfileString(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &file);

// Writes key = value in section of file, creating the file, section or key as
// needed. False when it could not be written (or the path is empty).
bool WriteProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file);

} // namespace platform
