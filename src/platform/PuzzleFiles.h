#pragma once

#include <QString>

namespace platform {

// True for a file that exists and can be opened for reading (never a folder).
bool isReadableFile(const QString &path);

// The path of the file `name` in `folder`: the exact name when it exists,
// else the first name that matches ignoring case (a copy made on Windows may
// say "matrix.JPG"); empty when neither exists.
QString findFileIgnoringCase(const QString &folder, const QString &name);

// The picture of the puzzle in `folder`: Matrix.bmp before Matrix.jpg before
// Matrix.gif; empty when there is none.
QString findPictureFile(const QString &folder);

} // namespace platform
