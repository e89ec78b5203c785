#pragma once

#include <QString>
#include <QStringList>

// Files the game reads but did not make: Matrix.dat, the picture, the score
// file. Any of them may be something else under the same name (a named pipe,
// a device, a folder), and opening a named pipe for reading waits until a
// writer comes, which may be never. So they are looked at before they are
// opened, and opened without waiting.
namespace platform {

// True for a regular file (or a link to one) that this user may read. Looks
// at the file's kind and permissions only: nothing is opened.
bool isRegularReadableFile(const QString &path);

// Opens a regular file for reading and returns its descriptor (close-on-exec,
// blocking reads), or -1 with errno set: ENOENT when it is absent, EISDIR for
// a folder, EINVAL for a pipe, device or socket. The kind is checked on the
// opened file itself, so nothing swapped in between a look and the opening
// is read, and the open never waits for a writer.
int openRegularFile(const QString &path);

// Reads the whole of an open descriptor; false on a read error.
bool readAll(int fd, QByteArray *bytes);

// Writes all of bytes, going on after short writes and interruptions; false
// with errno set on the first real error (a full disk, a size limit).
bool writeAll(int fd, const char *data, qint64 size);

// The path of the file `name` in `folder`: the exact name when it is a
// regular readable file, else the first such file whose name matches ignoring
// case (a copy made on Windows may say "matrix.JPG"); empty when none is.
QString findFileIgnoringCase(const QString &folder, const QString &name);

// The picture of the puzzle in `folder`: Matrix.bmp before Matrix.jpg before
// Matrix.gif; empty when there is none.
QString findPictureFile(const QString &folder);

// Where the game looks for one of its modules: beside the program, then in
// its lib/ folder (a portable copy).
QStringList modulePaths(const QString &fileName);

} // namespace platform
