#include "platform/Profile.h"

#include "platform/Text.h"

#include <QFile>

#include <minIni.h>

namespace platform {

QString GetProfileString(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &file)
{
    if (file.isEmpty())
        return defaultValue;
    constexpr int size = 255;
    char buffer[size] = {};
    const QByteArray path = QFile::encodeName(file);
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray d = defaultValue.toUtf8();
    const int n = ini_gets(s.constData(), k.constData(), d.constData(), buffer, size,
                           path.constData());
    return DecodeText(QByteArray(buffer, qMax(0, n)));
}

bool WriteProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file)
{
    if (file.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(file);
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray v = value.toUtf8();
    return ini_puts(s.constData(), k.constData(), v.constData(), path.constData()) != 0;
}

} // namespace platform
