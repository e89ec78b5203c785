#include "resources/cLoadResPicture.h"

#include "platform/RuntimeError.h"
#include "resources/Resources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString exeName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("quadrifoglio") : QFileInfo(path).completeBaseName();
}

} // namespace

QImage cLoadResPicture::LoadResPicture(const QVariant &id, const QVariant &type)
{
    const QString source = exeName() + QLatin1String(".cLoadResPicture");
    try {
        QByteArray bytes = resources::LoadResData(id.toInt(), type.toString());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        QImage image = reader.read();
        if (image.isNull())
            throw platform::RuntimeError(platform::ErrInvalidPicture,
                                         QStringLiteral("Invalid picture"));
        return image;
    } catch (const platform::RuntimeError &e) {
        throw platform::RuntimeError(e.number(), e.description(), source);
    }
}
