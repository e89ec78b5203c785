#include "platform/Pictures.h"

#include <QImageReader>

namespace platform {

QImage LoadPictureScaled(const QString &path, QSize size, QString *error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Checking the header first refuses a picture whose stated size the
    // decoder would not allocate, before any pixel is read.
    const QSize stated = reader.size();
    if (!stated.isValid() || stated.isEmpty()) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace platform
