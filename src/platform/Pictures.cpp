#include "platform/Pictures.h"

#include "platform/Files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include <unistd.h>

namespace platform {

namespace {

// Bitmaps and GIFs above this many pixels are not decoded whole: Qt would
// need four bytes a pixel at once (and refuses above 128 MB).
constexpr qint64 WholeDecodeMaxPixels = 8'000'000;

// The pixels of one band of a bitmap decoded at a time.
constexpr qint64 BandPixels = 2'000'000;

LoadedPicture failed(PictureProblem problem, const QString &detail, QSize size = {})
{
    LoadedPicture result;
    result.problem = problem;
    result.detail = detail;
    result.size = size;
    return result;
}

// Shrinks a picture fed to it row by row, in any order, by averaging every
// pixel of the source into the cell of the result it falls in. Only the
// result's sums are kept. Pixels never fed are the background. At least 64
// cells a side, so that a cell's sums (at most 200 million / 4096 pixels of
// 255) fit 32 bits; Qt scales the rest of the way.
class AreaScaler
{
public:
    AreaScaler(QSize source, QSize target, QRgb background = 0)
        : m_source(source)
        , m_grid(qMin(source.width(), qMax(target.width(), 64)), qMin(source.height(), qMax(target.height(), 64)))
        , m_background(qPremultiply(background))
        , m_sums(size_t(m_grid.width()) * size_t(m_grid.height()) * 4, 0)
    {
        if (m_background == 0)
            return;
        for (int gy = 0; gy < m_grid.height(); ++gy)
            for (int gx = 0; gx < m_grid.width(); ++gx) {
                const qint64 area = cellArea(gx, gy);
                qint32 *sum = m_sums.data() + (size_t(gy) * size_t(m_grid.width()) + size_t(gx)) * 4;
                sum[0] = qint32(area * qRed(m_background));
                sum[1] = qint32(area * qGreen(m_background));
                sum[2] = qint32(area * qBlue(m_background));
                sum[3] = qint32(area * qAlpha(m_background));
            }
    }

    // Pixels in premultiplied ARGB, `count` of them from (x, y).
    void addRow(int y, int x, const QRgb *pixels, int count)
    {
        if (y < 0 || y >= m_source.height())
            return;
        const qint64 w = m_source.width(), gw = m_grid.width();
        qint32 *row = m_sums.data() + size_t(cell(y, m_source.height(), m_grid.height())) * size_t(gw) * 4;
        const int br = qRed(m_background), bg = qGreen(m_background), bb = qBlue(m_background), ba = qAlpha(m_background);
        qint64 cx = qint64(x) * gw / w;
        qint64 nextEdge = firstOfCell(cx + 1, w, gw);
        for (int i = 0; i < count && x + i < w; ++i) {
            while (x + i >= nextEdge) {
                ++cx;
                nextEdge = firstOfCell(cx + 1, w, gw);
            }
            const QRgb p = pixels[i];
            qint32 *sum = row + cx * 4;
            sum[0] += qRed(p) - br;
            sum[1] += qGreen(p) - bg;
            sum[2] += qBlue(p) - bb;
            sum[3] += qAlpha(p) - ba;
        }
    }

    QImage result(QSize size) const
    {
        const int gw = m_grid.width(), gh = m_grid.height();
        QImage image(m_grid, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return {};
        bool opaque = true;
        for (int gy = 0; gy < gh; ++gy) {
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(gy));
            const qint32 *sum = m_sums.data() + size_t(gy) * size_t(gw) * 4;
            for (int gx = 0; gx < gw; ++gx, sum += 4) {
                const qint64 area = cellArea(gx, gy);
                const auto mean = [area](qint32 s) { return int(std::clamp<qint64>((qint64(s) + area / 2) / area, 0, 255)); };
                out[gx] = qRgba(mean(sum[0]), mean(sum[1]), mean(sum[2]), mean(sum[3]));
                opaque = opaque && qAlpha(out[gx]) == 255;
            }
        }
        if (opaque)
            image.reinterpretAsFormat(QImage::Format_RGB32);
        else
            image.convertTo(QImage::Format_ARGB32);
        if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }

private:
    // The first source pixel of cell c when `length` pixels go into `cells`.
    static qint64 firstOfCell(qint64 c, qint64 length, qint64 cells) { return (c * length + cells - 1) / cells; }
    static qint64 cell(qint64 i, qint64 length, qint64 cells) { return i * cells / length; }
    qint64 cellArea(int gx, int gy) const
    {
        const qint64 gw = m_grid.width(), gh = m_grid.height();
        return (firstOfCell(gx + 1, m_source.width(), gw) - firstOfCell(gx, m_source.width(), gw))
               * (firstOfCell(gy + 1, m_source.height(), gh) - firstOfCell(gy, m_source.height(), gh));
    }

    QSize m_source;
    QSize m_grid;
    QRgb m_background;
    std::vector<qint32> m_sums;
};

// What a picture read row by row comes to: its scaled image, or the failure
// to make room for it.
LoadedPicture scaledResult(const AreaScaler &scaler, QSize picture, QSize size)
{
    LoadedPicture result;
    result.size = picture;
    result.image = scaler.result(size);
    if (result.image.isNull())
        return failed(PictureProblem::Damaged, QStringLiteral("out of memory"), picture);
    return result;
}

// Reads a device a buffer at a time, for decoders that take a byte at once.
class ByteReader
{
public:
    explicit ByteReader(QIODevice *device)
        : m_device(device)
    {
    }
    // The next byte, or -1 at the end of the data (or a read error).
    int next()
    {
        if (m_pos == m_end) {
            const qint64 n = m_device->read(m_buffer.data(), qint64(m_buffer.size()));
            if (n <= 0)
                return -1;
            m_pos = 0;
            m_end = size_t(n);
        }
        return static_cast<unsigned char>(m_buffer[m_pos++]);
    }
    bool read(unsigned char *out, int count)
    {
        for (int i = 0; i < count; ++i) {
            const int b = next();
            if (b < 0)
                return false;
            out[i] = static_cast<unsigned char>(b);
        }
        return true;
    }
    bool skip(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (next() < 0)
                return false;
        }
        return true;
    }

private:
    QIODevice *m_device;
    std::array<char, 65536> m_buffer{};
    size_t m_pos = 0;
    size_t m_end = 0;
};

// What a bitmap's headers say, as far as reading it in bands needs.
struct BitmapLayout
{
    qint64 width = 0;
    qint64 height = 0; // rows, whichever way they are stored
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = 0;
    quint32 pixelOffset = 0;
    quint32 headerSize = 0;
};

std::optional<BitmapLayout> readBitmapLayout(const QByteArray &head)
{
    if (head.size() < 26 || !head.startsWith("BM"))
        return std::nullopt;
    const auto *b = reinterpret_cast<const uchar *>(head.constData());
    BitmapLayout layout;
    layout.pixelOffset = qFromLittleEndian<quint32>(b + 10);
    layout.headerSize = qFromLittleEndian<quint32>(b + 14);
    if (layout.headerSize == 12) { // the oldest header: 16-bit sides, rows from the bottom
        layout.width = qFromLittleEndian<quint16>(b + 18);
        layout.height = qFromLittleEndian<quint16>(b + 20);
        layout.bitsPerPixel = qFromLittleEndian<quint16>(b + 24);
        return layout;
    }
    if (layout.headerSize < 40 || head.size() < 34)
        return std::nullopt;
    layout.width = qFromLittleEndian<qint32>(b + 18);
    const qint64 height = qFromLittleEndian<qint32>(b + 22);
    layout.topDown = height < 0;
    layout.height = qAbs(height);
    layout.bitsPerPixel = qFromLittleEndian<quint16>(b + 28);
    layout.compression = qFromLittleEndian<quint32>(b + 30);
    return layout;
}

// A bitmap in bands: each band is a bitmap of its own (the same headers and
// colours, fewer rows) that Qt decodes, so every kind of pixel Qt reads in a
// small bitmap it reads here too.
LoadedPicture loadBitmapInBands(QIODevice *device, const BitmapLayout &layout, QSize size)
{
    const QSize picture(int(layout.width), int(layout.height));
    const auto damaged = [picture](const QString &why) { return failed(PictureProblem::Damaged, why, picture); };
    // Run-length coded bitmaps have no fixed place for a row.
    const bool uncompressed = layout.compression == 0 || layout.compression == 3 || layout.compression == 6;
    const bool knownDepth = QList<int>{1, 4, 8, 16, 24, 32}.contains(layout.bitsPerPixel);
    if (!uncompressed || !knownDepth)
        return damaged(QStringLiteral("a compressed bitmap this large cannot be read"));
    if (layout.pixelOffset < 14 + layout.headerSize || layout.pixelOffset > 1024 * 1024)
        return damaged(QStringLiteral("the bitmap's headers are damaged"));

    if (!device->seek(0))
        return damaged(device->errorString());
    const QByteArray headers = device->read(layout.pixelOffset);
    if (headers.size() != qsizetype(layout.pixelOffset))
        return damaged(QStringLiteral("the file ends early"));

    const qint64 stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    const qint64 bandRows = qMax<qint64>(1, BandPixels / layout.width);
    AreaScaler scaler(picture, size);
    for (qint64 top = 0; top < layout.height; top += bandRows) {
        const qint64 rows = qMin(bandRows, layout.height - top);
        // Bottom-up rows lie in the file from the last row to the first.
        const qint64 firstStored = layout.topDown ? top : layout.height - top - rows;
        if (!device->seek(layout.pixelOffset + firstStored * stride))
            return damaged(device->errorString());
        QByteArray band = headers;
        band.reserve(band.size() + rows * stride);
        band += device->read(rows * stride);
        if (band.size() != headers.size() + rows * stride)
            return damaged(QStringLiteral("the file ends early"));

        auto *b = reinterpret_cast<uchar *>(band.data());
        qToLittleEndian<quint32>(quint32(band.size()), b + 2);
        if (layout.headerSize == 12) {
            qToLittleEndian<quint16>(quint16(rows), b + 20);
        } else {
            qToLittleEndian<qint32>(qint32(layout.topDown ? -rows : rows), b + 22);
            qToLittleEndian<quint32>(quint32(rows * stride), b + 34);
        }
        QBuffer buffer(&band);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        QImage decoded = reader.read();
        if (decoded.isNull() || decoded.width() != layout.width || decoded.height() != rows)
            return damaged(reader.errorString());
        decoded.convertTo(QImage::Format_ARGB32_Premultiplied);
        for (int r = 0; r < rows; ++r)
            scaler.addRow(int(top + r), 0, reinterpret_cast<const QRgb *>(decoded.constScanLine(r)), decoded.width());
    }
    return scaledResult(scaler, picture, size);
}

// The first frame of a GIF, decoded here rather than by Qt, which builds the
// whole frame in memory: the LZW codes become pixels that go straight into
// the scaler, row order (interlaced or not) no matter.
class GifDecoder
{
public:
    GifDecoder(QIODevice *device, QSize size)
        : m_in(device)
        , m_size(size)
    {
    }

    LoadedPicture load()
    {
        unsigned char header[13];
        if (!m_in.read(header, 13) || std::memcmp(header, "GIF", 3) != 0)
            return failed(PictureProblem::NotAPicture, QStringLiteral("not a GIF"));
        m_screen = QSize(qFromLittleEndian<quint16>(header + 6), qFromLittleEndian<quint16>(header + 8));
        if (header[10] & 0x80) {
            if (!readPalette(&m_global, 2 << (header[10] & 7)))
                return damaged();
            m_background = m_global[header[11]];
        }
        int transparent = -1;
        for (;;) {
            const int block = m_in.next();
            if (block == 0x21) { // an extension; only the transparency of the frame matters
                const int label = m_in.next();
                QByteArray data;
                if (label < 0 || !readSubBlocks(&data))
                    return damaged();
                if (label == 0xF9 && data.size() >= 4)
                    transparent = (data[0] & 1) ? static_cast<unsigned char>(data[3]) : -1;
            } else if (block == 0x2C) {
                return frame(transparent);
            } else {
                return damaged(); // the trailer, or no GIF block: no frame at all
            }
        }
    }

private:
    LoadedPicture damaged() const
    {
        return failed(PictureProblem::Damaged, QStringLiteral("the GIF is damaged"), m_screen);
    }

    bool readPalette(std::vector<QRgb> *palette, int count)
    {
        palette->assign(256, qRgb(0, 0, 0));
        for (int i = 0; i < count; ++i) {
            unsigned char rgb[3];
            if (!m_in.read(rgb, 3))
                return false;
            (*palette)[size_t(i)] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
        return true;
    }

    bool readSubBlocks(QByteArray *data)
    {
        for (;;) {
            const int length = m_in.next();
            if (length < 0)
                return false;
            if (length == 0)
                return true;
            unsigned char bytes[255];
            if (!m_in.read(bytes, length))
                return false;
            if (data->size() < 256)
                data->append(reinterpret_cast<const char *>(bytes), length);
        }
    }

    // The next byte of the frame's data sub-blocks, or -1 at their end.
    int nextDataByte()
    {
        if (m_blockLeft == 0) {
            if (m_dataEnded)
                return -1;
            const int length = m_in.next();
            if (length <= 0) {
                m_dataEnded = true;
                return -1;
            }
            m_blockLeft = length;
        }
        --m_blockLeft;
        return m_in.next();
    }

    LoadedPicture frame(int transparent)
    {
        unsigned char d[9];
        if (!m_in.read(d, 9))
            return damaged();
        const int left = qFromLittleEndian<quint16>(d), top = qFromLittleEndian<quint16>(d + 2);
        const int width = qFromLittleEndian<quint16>(d + 4), height = qFromLittleEndian<quint16>(d + 6);
        const bool interlaced = d[8] & 0x40;
        std::vector<QRgb> local;
        if ((d[8] & 0x80) && !readPalette(&local, 2 << (d[8] & 7)))
            return damaged();
        std::vector<QRgb> palette = (d[8] & 0x80) ? local : m_global;
        if (palette.empty())
            palette.assign(256, qRgb(0, 0, 0));
        if (transparent >= 0)
            palette[size_t(transparent)] = 0;
        // A frame reaching past the screen widens it, as Qt's own reader does.
        m_screen = m_screen.expandedTo(QSize(left + width, top + height));
        if (qint64(m_screen.width()) * m_screen.height() > PictureMaxPixels)
            return failed(PictureProblem::TooLarge, {}, m_screen);
        if (width == 0 || height == 0)
            return damaged();
        const int minimumCodeSize = m_in.next();
        if (minimumCodeSize < 1 || minimumCodeSize > 8)
            return damaged();

        // Around the frame: the screen's background, or nothing when the
        // frame has see-through pixels (as Qt shows it).
        AreaScaler scaler(m_screen, m_size, transparent >= 0 ? 0 : m_background);
        std::vector<QRgb> row(size_t(width), 0);
        int x = 0, y = 0, pass = 0;
        bool full = false;
        const auto put = [&](int index) {
            row[size_t(x)] = qPremultiply(palette[size_t(index)]);
            if (++x < width)
                return;
            scaler.addRow(top + y, left, row.data(), width);
            x = 0;
            y += interlaced ? interlaceStep(pass) : 1;
            while (interlaced && y >= height && pass < 3)
                y = interlaceStart(++pass);
            full = y >= height;
        };

        // LZW, the variable-width codes of GIF.
        const int clear = 1 << minimumCodeSize, end = clear + 1;
        std::vector<quint16> prefix(4096, 0);
        std::vector<quint8> suffix(4096, 0), stack;
        stack.reserve(4097);
        for (int i = 0; i < clear; ++i)
            suffix[size_t(i)] = quint8(i);
        int codeSize = minimumCodeSize + 1, next = clear + 2, previous = -1, first = 0;
        quint32 bits = 0;
        int bitCount = 0;
        while (!full) {
            while (bitCount < codeSize) {
                const int b = nextDataByte();
                if (b < 0)
                    break;
                bits |= quint32(b) << bitCount;
                bitCount += 8;
            }
            if (bitCount < codeSize)
                break; // the data ends early: the rest stays transparent, as in Qt
            int code = int(bits & ((1u << codeSize) - 1));
            bits >>= codeSize;
            bitCount -= codeSize;
            if (code == clear) {
                codeSize = minimumCodeSize + 1;
                next = clear + 2;
                previous = -1;
                continue;
            }
            if (code == end)
                break;
            if (previous < 0) {
                if (code >= clear)
                    return damaged();
                put(code);
                previous = first = code;
                continue;
            }
            const int incoming = code;
            stack.clear();
            if (code >= next) {
                if (code > next)
                    return damaged();
                stack.push_back(quint8(first));
                code = previous;
            }
            while (code >= clear) {
                stack.push_back(suffix[size_t(code)]);
                code = prefix[size_t(code)];
            }
            first = code;
            stack.push_back(quint8(first));
            for (auto it = stack.rbegin(); it != stack.rend() && !full; ++it)
                put(*it);
            if (next < 4096) {
                prefix[size_t(next)] = quint16(previous);
                suffix[size_t(next)] = quint8(first);
                ++next;
                if (next == (1 << codeSize) && codeSize < 12)
                    ++codeSize;
            }
            previous = incoming;
        }
        if (x > 0) // a row cut short still shows what it has
            scaler.addRow(top + y, left, row.data(), x);

        return scaledResult(scaler, m_screen, m_size);
    }

    static int interlaceStart(int pass) { return pass == 0 ? 0 : 8 >> pass; }
    static int interlaceStep(int pass) { return pass <= 1 ? 8 : 8 >> (pass - 1); }

    ByteReader m_in;
    QSize m_size;
    QSize m_screen;
    std::vector<QRgb> m_global;
    QRgb m_background = 0;
    int m_blockLeft = 0;
    bool m_dataEnded = false;
};

qint64 pixels(QSize size)
{
    return qint64(size.width()) * qint64(size.height());
}

// The format a picture's first bytes announce; empty for any other. Named,
// and with Qt told to look no further, it spares loading every picture
// plugin to ask each in turn.
QByteArray formatFromSignature(const QByteArray &head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return "gif";
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    if (head.startsWith("BM"))
        return "bmp";
    return {};
}

} // namespace

LoadedPicture loadPicture(QIODevice *device, QSize size)
{
    if (size.isEmpty())
        return failed(PictureProblem::Damaged, QStringLiteral("no size to decode to"));
    const QByteArray head = device->peek(64);
    QImageReader reader(device, formatFromSignature(head));
    if (reader.format().isEmpty())
        reader.setDecideFormatFromContent(true);
    else
        reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format().toLower();
    if (format.isEmpty())
        return failed(PictureProblem::NotAPicture, reader.errorString());

    // A bitmap's size is read here: Qt does not even report the size of one
    // it would not decode.
    const std::optional<BitmapLayout> bitmap = format == "bmp" ? readBitmapLayout(head) : std::nullopt;
    const QSize stated = bitmap ? QSize(int(qMin<qint64>(bitmap->width, INT_MAX)), int(qMin<qint64>(bitmap->height, INT_MAX)))
                                : reader.size();
    if (bitmap && (bitmap->width <= 0 || bitmap->height <= 0))
        return failed(PictureProblem::Damaged, QStringLiteral("the bitmap's headers are damaged"));
    if (bitmap && bitmap->width * bitmap->height > PictureMaxPixels)
        return failed(PictureProblem::TooLarge, {}, stated);
    if (!stated.isValid() || stated.isEmpty())
        return failed(PictureProblem::Damaged, reader.errorString());
    if (pixels(stated) > PictureMaxPixels)
        return failed(PictureProblem::TooLarge, {}, stated);

    if (pixels(stated) > WholeDecodeMaxPixels && !device->isSequential()) {
        if (bitmap)
            return loadBitmapInBands(device, *bitmap, size);
        if (format == "gif") {
            device->seek(0);
            return GifDecoder(device, size).load();
        }
    }

    reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull())
        return failed(PictureProblem::Damaged, reader.errorString(), stated);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    LoadedPicture result;
    result.image = image;
    result.size = stated;
    return result;
}

LoadedPicture loadPicture(const QString &path, QSize size)
{
    const int fd = openRegularFile(path);
    if (fd < 0) {
        const int why = errno;
        const QString detail = QString::fromLocal8Bit(std::strerror(why));
        return failed(why == ENOENT || why == EISDIR || why == EINVAL || why == ENOTDIR ? PictureProblem::Missing
                                                                                       : PictureProblem::Unreadable,
                      detail);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(PictureProblem::Unreadable, file.errorString());
    }
    return loadPicture(&file, size);
}

QString describePictureProblem(const LoadedPicture &picture)
{
    switch (picture.problem) {
    case PictureProblem::None:
        return {};
    case PictureProblem::Missing:
        return QStringLiteral("there is no such file");
    case PictureProblem::Unreadable:
        return QStringLiteral("it cannot be read: %1").arg(picture.detail);
    case PictureProblem::NotAPicture:
        return QStringLiteral("it is not a picture in a format that can be read");
    case PictureProblem::Damaged:
        return picture.detail.isEmpty() ? QStringLiteral("it is damaged and does not decode")
                                        : QStringLiteral("it is damaged and does not decode (%1)").arg(picture.detail);
    case PictureProblem::TooLarge:
        return QStringLiteral("it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken")
            .arg(picture.size.width())
            .arg(picture.size.height())
            .arg((pixels(picture.size) + 999'999) / 1'000'000)
            .arg(picture.limit / 1'000'000);
    }
    return {};
}

QImage loadPictureScaled(const QString &path, QSize size, QString *error)
{
    LoadedPicture picture = loadPicture(path, size);
    if (picture.problem != PictureProblem::None && error)
        *error = describePictureProblem(picture);
    return picture.image;
}

} // namespace platform
