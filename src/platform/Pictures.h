#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// Loads a picture file (bitmap, JPEG or GIF; the first frame of an animation)
// decoded straight to `size`, stretched without keeping its proportions, so
// that a large photograph loads fast and small. A photograph's orientation
// mark is honoured. A null image, with the reason in *error, when the file
// cannot be decoded (damaged, not a picture, or too large for the decoder's
// allocation limit).
QImage LoadPictureScaled(const QString &path, QSize size, QString *error = nullptr);

} // namespace platform
