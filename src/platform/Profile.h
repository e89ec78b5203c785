#pragma once

#include <QByteArray>
#include <QString>

// Profile strings: INI sections and keys, case-insensitive, read and written
// through minIni, which keeps every other section, key and comment of the
// file. A write never leaves the file half-written: the new file is made
// and checked aside, then put in place with one rename.
namespace platform {

// The value of key in section of file (surrounding spaces removed), or the
// default when the file, section or key is absent or the path is empty. The
// text is UTF-8 when valid, else Windows-1252. At most 254 characters, as
// the game's 255-character buffer holds.
QString GetProfileString(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &file);

// Writes key = value in section of file, creating the file, section or key as
// needed. False when it could not be written (the path is empty, the folder
// or the disk refuses it, or the value could not be read back as written: a
// line break would cut the line in two, and leading spaces are dropped on
// reading); the file is then exactly as it was.
bool WriteProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file);

// True when `after`, the file rewritten to set key in section, still holds
// every line of `before` in the same order, but for the one line that held
// the key's old value. A rewrite that ran out of room (a full disk, a size
// limit) loses the end of the file and fails this test.
bool ProfileRewriteKeepsFile(const QByteArray &before, const QByteArray &after,
                             const QString &section, const QString &key);

} // namespace platform
