#include "support/TestFolder.h"

#include <QFile>
#include <QPainter>

TestFolder::TestFolder() = default;

QString TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_app.path() + QLatin1Char('/') + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString TestFolder::writePicture(const QString &name, const QImage &image) const
{
    const QString path = m_app.path() + QLatin1Char('/') + name;
    const QString ext = name.section(QLatin1Char('.'), -1).toLower();
    const QByteArray format = ext == QLatin1String("jpg") ? "JPEG" : ext.toUpper().toLatin1();
    image.save(path, format.constData(), 100);
    return path;
}

QColor TestFolder::cellColor(int row, int column)
{
    return QColor::fromHsv((row * 6 + column) * 10, 200 + (column % 2) * 40, 150 + row * 20);
}

QImage TestFolder::cellPicture(QSize size)
{
    QImage img(360, 360, QImage::Format_RGB32);
    QPainter p(&img);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            p.fillRect(QRect(c * 60, r * 60, 60, 60), cellColor(r, c));
    p.end();
    return size == img.size() ? img : img.scaled(size);
}

void TestFolder::writeScoreFile(const QByteArray &bytes) const
{
    QFile f(scoreFile());
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TestFolder::readScoreFile() const
{
    QFile f(scoreFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestFolder::scoreFileExists() const
{
    return QFile::exists(scoreFile());
}
