#pragma once

#include <QString>

// Files the game reads but did not make: Matrix.dat, the picture, the score
// file. Any of them may be something else under the same name (a named pipe,
// a device, a folder), and opening a named pipe for reading waits until a
// writer comes, which may be never. So they are looked at before they are
// opened, and opened without waiting.
namespace platform {

// True for a regular file (or a link to one) that this user may read. Looks
// at the file's kind and permissions only: nothing is opened.
bool IsRegularReadableFile(const QString &path);

// Opens a regular file for reading and returns its descriptor (close-on-exec,
// blocking reads), or -1 with errno set: ENOENT when it is absent, EISDIR for
// a folder, EINVAL for a pipe, device or socket. The kind is checked on the
// opened file itself, so nothing swapped in between a look and the opening
// is read, and the open never waits for a writer.
int OpenRegularFile(const QString &path);

// Reads the whole of an open descriptor; false on a read error.
bool ReadAll(int fd, QByteArray *bytes);

// Writes all of bytes, going on after short writes and interruptions; false
// with errno set on the first real error (a full disk, a size limit).
bool WriteAll(int fd, const char *data, qint64 size);

} // namespace platform
