#include "assets/Texture.h"

#include "platform/RuntimeError.h"
#include "assets/Assets.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The executable's name without folder. Programs here carry no extension, so
// a dot in the name is part of it; only a Windows ".exe" is dropped.
QString exeName()
{
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        return QStringLiteral("quadrifoglio");
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
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
