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

void putLE(QByteArray &out, quint32 v, int size)
{
    for (int i = 0; i < size; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

// Qt reads GIF but cannot write it. This writes a plain GIF87a with a 256-colour palette, its LZW
// stream cleared before the code width grows, so every pixel is one 9-bit code.
QByteArray encodeGif(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QByteArray out("GIF87a");
    putLE(out, img.width() | img.height() << 16, 4);
    out.append("\xF7\0\0", 3); // global table of 256 colours
    QList<QRgb> table = img.colorTable();
    table.resize(256); // padded with black
    for (const QRgb c : table)
        putLE(out, qRed(c) | qGreen(c) << 8 | qBlue(c) << 16, 3);
    out.append(",\0\0\0\0", 5);
    putLE(out, img.width() | img.height() << 16, 4);
    out.append("\0\x08", 2); // no local table; minimum code size 8

    QByteArray data;
    quint32 bits = 0, nbits = 0;
    auto emit9 = [&](int code) {
        bits |= quint32(code) << nbits;
        for (nbits += 9; nbits >= 8; nbits -= 8, bits >>= 8)
            data.append(char(bits & 0xff));
    };
    for (int y = 0, n = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x, ++n) {
            if (n % 254 == 0)
                emit9(256); // clear
            emit9(img.constScanLine(y)[x]);
        }
    emit9(257); // end
    data.append(QByteArray(nbits > 0 ? 1 : 0, char(bits & 0xff))); // the last partial byte
    for (qsizetype i = 0; i < data.size(); i += 255)
        out.append(char(qMin<qsizetype>(255, data.size() - i))).append(data.mid(i, 255));
    return out.append('\0').append(';');
}

} // namespace

QString TestFolder::writePicture(const QString &name, const QImage &image) const
{
    const QString ext = name.section(QLatin1Char('.'), -1).toLower();
    if (ext == QLatin1String("gif"))
        return write(name, encodeGif(image));
    const QString path = m_app.path() + QLatin1Char('/') + name;
    image.save(path, ext == QLatin1String("jpg") ? "JPEG" : ext.toUpper().toLatin1().constData(), 100);
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
    const quint32 side = 40000;
    for (quint32 v : {54 + side * side * 3, 0u, 54u, 40u, side, side, 1u | 24u << 16 /* 1 plane, 24 bits */, 0u,
                      side * side * 3, 2835u, 2835u, 0u, 0u})
        putLE(b, v, 4);
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
