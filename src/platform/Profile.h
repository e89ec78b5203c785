#pragma once

#include "game/Preferences.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Profile strings: INI sections and keys, case-insensitive, read through
// minIni and written by the game itself, byte for byte: every other section,
// key, comment and byte of the file (even one minIni cannot read, a NUL, text
// that is not UTF-8) stays as it was. A write never leaves the file
// half-written: the new file is made beside the old one, checked and flushed
// to the disk, then put in place with one rename.
namespace platform {

// The value of key in section of file (surrounding spaces removed), or the
// default when the file, section or key is absent or the path is empty. The
// text is UTF-8 when valid, else Windows-1252. At most 254 characters, as
// the game's 255-character buffer holds. A pipe, device or folder named like
// the file counts as no file: it is never opened in a way that could wait.
QString getProfileString(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &file);

// Writes key = value in section of file, creating the file, section or key as
// needed. False when it could not be written: the path is empty, names a
// folder, pipe or device, the folder or the disk refuses it (no room, no
// permission, a failed flush), or the value would not read back as written
// (a line break would cut the line in two, and leading spaces are dropped on
// reading). The file is then exactly as it was.
//
// `finish` replaces the two calls that complete a save (the rename and the
// folder's sync) for the tests; by default they are the system's own.
struct SaveFinish
{
    int (*rename)(const char *from, const char *to) = nullptr;
    int (*syncFolder)(int folder) = nullptr;
};
bool writeProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file, SaveFinish finish = {});

// The bytes of a profile file after key = value is set in section, laid out
// as minIni lays it out: the key's line replaced where minIni reads it, a new
// key at the end of its section, a new section at the end of the file. Every
// other byte stays. nullopt when no place in the file would be read back (a
// section header sharing one overlong line with the next section's).
std::optional<QByteArray> profileWithValue(const QByteArray &file, const QByteArray &section,
                                           const QByteArray &key, const QByteArray &value);

// Removes the scratch files that saves of file killed halfway left beside
// it; a save still running in another process keeps its own. Returns how
// many were removed. The first read or write of a file in this process does
// it by itself.
int removeStaleScratchFiles(const QString &file);

// Why a value could not be written to file, as far as the file system tells.
SaveFailure saveFailureOf(const QString &file);

// The score file as the preferences' store.
class ScoreFile final : public SettingsStore
{
public:
    explicit ScoreFile(const QString &path) : m_path(path) {}
    QString location() const override { return m_path; }
    QString value(const QString &section, const QString &key, const QString &fallback) override;
    std::optional<SaveFailure> setValue(const QString &section, const QString &key,
                                        const QString &value) override;

private:
    QString m_path;
};

} // namespace platform
