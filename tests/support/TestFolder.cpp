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

namespace {

// Qt reads GIF but cannot write it. This writes a plain GIF87a with a
// 256-colour palette, its LZW stream reset before the code width grows, so
// every pixel is one 9-bit code.
QByteArray encodeGif(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QByteArray out("GIF87a");
    auto put16 = [&out](int v) {
        out.append(char(v & 0xff));
        out.append(char((v >> 8) & 0xff));
    };
    put16(img.width());
    put16(img.height());
    out.append(char(0xF7)); // global table of 256 colours
    out.append(char(0));
    out.append(char(0));
    const QList<QRgb> table = img.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    put16(0);
    put16(0);
    put16(img.width());
    put16(img.height());
    out.append(char(0));
    out.append(char(8)); // minimum code size

    QByteArray data;
    quint32 bits = 0;
    int nbits = 0;
    auto emit9 = [&](int code) {
        bits |= quint32(code) << nbits;
        nbits += 9;
        while (nbits >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            nbits -= 8;
        }
    };
    const int clear = 256, end = 257;
    int sinceClear = 0;
    emit9(clear);
    for (int y = 0; y < img.height(); ++y) {
        const uchar *line = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            if (sinceClear == 254) {
                emit9(clear);
                sinceClear = 0;
            }
            emit9(line[x]);
            ++sinceClear;
        }
    }
    emit9(end);
    if (nbits > 0)
        data.append(char(bits & 0xff));
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return out;
}

} // namespace

QString TestFolder::writePicture(const QString &name, const QImage &image) const
{
    const QString path = m_app.path() + QLatin1Char('/') + name;
    const QString ext = name.section(QLatin1Char('.'), -1).toLower();
    if (ext == QLatin1String("gif"))
        return write(name, encodeGif(image));
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

QByteArray TestFolder::hugeBitmap()
{
    QByteArray b("BM");
    auto put = [&b](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    };
    const quint32 side = 40000;
    for (quint32 v : {54 + side * side * 3, 0u, 54u, 40u, side, side})
        put(v, 4);
    put(1, 2); // planes
    put(24, 2); // bits per pixel
    for (quint32 v : {0u, side * side * 3, 2835u, 2835u, 0u, 0u})
        put(v, 4);
    return b + QByteArray(300, '\x7f');
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
