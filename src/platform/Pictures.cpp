#include "platform/Pictures.h"

#include "platform/AreaScaler.h"
#include "platform/Files.h"
#include "platform/JpegEighth.h"
#include "platform/PictureModule.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QLibrary>
#include <QLoggingCategory>
#include <QTransform>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <memory>
#include <cstring>
#include <optional>
#include <mutex>
#include <vector>

#include <png.h>
#include <unistd.h>

namespace platform {

namespace {

using decoding::AreaScaler;
using decoding::failed;
using decoding::scaledResult;

// Bitmaps and GIFs above this many pixels are not decoded whole: Qt would
// need four bytes a pixel at once (and refuses above 128 MB).
constexpr qint64 WholeDecodeMaxPixels = 8'000'000;

// A progressive JPEG above this many pixels is read from its DC scans alone
// when 1/8 of it is as large as asked (libjpeg reads no more at that scale,
// but holds every coefficient of the picture first: six bytes a pixel).
constexpr qint64 EighthFromDcMinPixels = 16'000'000;
// Above this, whatever the size asked, though 1/8 of the picture may then be
// a little smaller than asked: libjpeg needs 303 MB at 48 megapixels, 398 MB
// at 64.
constexpr qint64 ProgressiveWholeMaxPixels = 48'000'000;

// The pixels of one band of a bitmap decoded at a time.
constexpr qint64 BandPixels = 2'000'000;

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
    int planes = 1;
    quint32 colours = 0; // in the colour table; 0: as many as the depth allows

    // Headers no bitmap writer makes: the file is damaged, whatever the
    // sizes it claims.
    bool plausible() const
    {
        static const QList<quint32> headerSizes{12, 16, 40, 52, 56, 64, 108, 124};
        static const QList<int> depths{1, 4, 8, 16, 24, 32};
        return headerSizes.contains(headerSize) && planes == 1 && depths.contains(bitsPerPixel) && compression <= 6
               && width > 0 && height > 0 && pixelOffset >= 14 + headerSize;
    }
    bool runLength() const { return (compression == 1 && bitsPerPixel == 8) || (compression == 2 && bitsPerPixel == 4); }
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
        layout.planes = qFromLittleEndian<quint16>(b + 22);
        layout.bitsPerPixel = qFromLittleEndian<quint16>(b + 24);
        return layout;
    }
    if (head.size() < 34)
        return std::nullopt;
    layout.width = qFromLittleEndian<qint32>(b + 18);
    const qint64 height = qFromLittleEndian<qint32>(b + 22);
    layout.topDown = height < 0;
    layout.height = qAbs(height);
    layout.planes = qFromLittleEndian<quint16>(b + 26);
    layout.bitsPerPixel = qFromLittleEndian<quint16>(b + 28);
    layout.compression = qFromLittleEndian<quint32>(b + 30);
    if (head.size() >= 50)
        layout.colours = qFromLittleEndian<quint32>(b + 46);
    return layout;
}

// The rows of a run-length coded bitmap (8 or 4 bits a pixel), decoded here
// a row at a time into the scaler: Qt decodes the whole picture at once.
LoadedPicture loadRunLengthBitmap(QIODevice *device, const BitmapLayout &layout, QSize size)
{
    const QSize picture(int(layout.width), int(layout.height));
    const auto damaged = [picture](const QString &why) { return failed(PictureProblem::Damaged, why, picture); };
    if (!device->seek(14 + layout.headerSize))
        return damaged(device->errorString());
    const int tableEntries = int(layout.colours > 0 && layout.colours <= 256 ? layout.colours : 1u << layout.bitsPerPixel);
    std::vector<QRgb> palette(256, qRgb(0, 0, 0));
    const QByteArray table = device->read(qint64(tableEntries) * 4);
    for (int i = 0; i < tableEntries && (i + 1) * 4 <= table.size(); ++i) {
        const auto *c = reinterpret_cast<const uchar *>(table.constData()) + i * 4;
        palette[size_t(i)] = qRgb(c[2], c[1], c[0]);
    }
    if (!device->seek(layout.pixelOffset))
        return damaged(device->errorString());

    ByteReader in(device);
    AreaScaler scaler(picture, size);
    const qint64 width = layout.width;
    std::vector<QRgb> row(size_t(width), palette[0]);
    qint64 x = 0, y = 0; // y counts stored rows, from the bottom
    const bool four = layout.bitsPerPixel == 4;
    const auto flushRow = [&] {
        const qint64 shown = layout.topDown ? y : layout.height - 1 - y;
        scaler.addRow(int(shown), 0, row.data(), int(width));
        std::fill(row.begin(), row.end(), palette[0]);
        x = 0;
        ++y;
    };
    const auto put = [&](int index) {
        if (x < width)
            row[size_t(x)] = palette[size_t(index)];
        ++x;
    };
    while (y < layout.height) {
        const int count = in.next(), value = in.next();
        if (count < 0 || value < 0)
            return damaged(QStringLiteral("the file ends early"));
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(four ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
            continue;
        }
        if (value == 0) { // end of the row
            flushRow();
        } else if (value == 1) { // end of the picture
            break;
        } else if (value == 2) { // a jump right and up
            const int dx = in.next(), dy = in.next();
            if (dx < 0 || dy < 0)
                return damaged(QStringLiteral("the file ends early"));
            const qint64 column = x + dx;
            for (int i = 0; i < dy && y < layout.height; ++i)
                flushRow();
            x = column;
        } else { // `value` pixels as they are, padded to 16 bits
            const int bytes = four ? (value + 1) / 2 : value;
            for (int i = 0, got = 0; i < bytes; ++i) {
                const int b = in.next();
                if (b < 0)
                    return damaged(QStringLiteral("the file ends early"));
                for (int half = 0; half < (four ? 2 : 1) && got < value; ++half, ++got)
                    put(four ? (half == 0 ? b >> 4 : b & 15) : b);
            }
            if (bytes % 2 == 1 && in.next() < 0)
                return damaged(QStringLiteral("the file ends early"));
        }
    }
    if (x > 0 && y < layout.height)
        flushRow();
    return scaledResult(scaler, picture, size);
}

// A bitmap in bands: each band is a bitmap of its own (the same headers and
// colours, fewer rows) that Qt decodes, so every kind of pixel Qt reads in a
// small bitmap it reads here too.
LoadedPicture loadBitmapInBands(QIODevice *device, const BitmapLayout &layout, QSize size)
{
    const QSize picture(int(layout.width), int(layout.height));
    const auto damaged = [picture](const QString &why) { return failed(PictureProblem::Damaged, why, picture); };
    if (layout.runLength())
        return loadRunLengthBitmap(device, layout, size);
    const bool uncompressed = layout.compression == 0 || layout.compression == 3 || layout.compression == 6;
    if (!uncompressed)
        return failed(PictureProblem::NotAPicture, QStringLiteral("a kind of bitmap that cannot be read"), picture);
    if (layout.pixelOffset > 1024 * 1024)
        return damaged(QStringLiteral("the headers of the bitmap are damaged"));

    if (!device->seek(0))
        return damaged(device->errorString());
    const QByteArray headers = device->read(layout.pixelOffset);
    if (headers.size() != qsizetype(layout.pixelOffset))
        return damaged(QStringLiteral("the file ends early"));
    const qint64 stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    if (device->size() < layout.pixelOffset + stride * layout.height)
        return damaged(QStringLiteral("the file ends early"));

    // Bands of whole rows; a row wider than a band is read in pieces, each a
    // whole number of bytes and of 32 pixels.
    const qint64 pieceWidth = qMin(layout.width, qMax<qint64>(32, BandPixels / 32 * 32));
    const qint64 bandRows = qMax<qint64>(1, BandPixels / layout.width);
    AreaScaler scaler(picture, size);
    for (qint64 top = 0; top < layout.height; top += bandRows) {
        const qint64 rows = qMin(bandRows, layout.height - top);
        // Bottom-up rows lie in the file from the last row to the first.
        const qint64 firstStored = layout.topDown ? top : layout.height - top - rows;
        for (qint64 left = 0; left < layout.width; left += pieceWidth) {
            const qint64 width = qMin(pieceWidth, layout.width - left);
            const qint64 pieceStride = (width * layout.bitsPerPixel + 31) / 32 * 4;
            const qint64 rowStart = left * layout.bitsPerPixel / 8;
            QByteArray band = headers;
            band.reserve(band.size() + rows * pieceStride);
            if (width == layout.width) {
                if (!device->seek(layout.pixelOffset + firstStored * stride))
                    return damaged(device->errorString());
                band += device->read(rows * stride);
            } else {
                for (qint64 r = 0; r < rows; ++r) {
                    if (!device->seek(layout.pixelOffset + (firstStored + r) * stride + rowStart))
                        return damaged(device->errorString());
                    const QByteArray bytes = device->read(qMin(pieceStride, stride - rowStart));
                    band += bytes;
                    band.append(pieceStride - bytes.size(), '\0');
                }
            }
            if (band.size() != headers.size() + rows * pieceStride)
                return damaged(QStringLiteral("the file ends early"));

            auto *b = reinterpret_cast<uchar *>(band.data());
            qToLittleEndian<quint32>(quint32(band.size()), b + 2);
            if (layout.headerSize == 12) {
                qToLittleEndian<quint16>(quint16(width), b + 18);
                qToLittleEndian<quint16>(quint16(rows), b + 20);
            } else {
                qToLittleEndian<qint32>(qint32(width), b + 18);
                qToLittleEndian<qint32>(qint32(layout.topDown ? -rows : rows), b + 22);
                qToLittleEndian<quint32>(quint32(rows * pieceStride), b + 34);
            }
            QBuffer buffer(&band);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer, "bmp");
            QImage decoded = reader.read();
            if (decoded.isNull() || decoded.width() != width || decoded.height() != rows)
                return damaged(reader.errorString());
            decoded.convertTo(QImage::Format_ARGB32_Premultiplied);
            for (int r = 0; r < rows; ++r)
                scaler.addRow(int(top + r), int(left), reinterpret_cast<const QRgb *>(decoded.constScanLine(r)), decoded.width());
        }
    }
    return scaledResult(scaler, picture, size);
}

// A PNG read a row at a time by libpng, each row into the scaler: Qt
// decodes the whole picture at once. An interlaced PNG's passes are read as
// they are stored, each pixel put where it lies.
class PngDecoder
{
public:
    PngDecoder(QIODevice *device, QSize size)
        : m_device(device)
        , m_size(size)
    {
    }
    ~PngDecoder()
    {
        if (m_png)
            png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr);
    }
    PngDecoder(const PngDecoder &) = delete;
    PngDecoder &operator=(const PngDecoder &) = delete;

    LoadedPicture load()
    {
        m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, this, &PngDecoder::onError, &PngDecoder::onWarning);
        if (!m_png)
            return failed(PictureProblem::Damaged, QStringLiteral("out of memory"));
        m_info = png_create_info_struct(m_png);
        if (!m_info)
            return failed(PictureProblem::Damaged, QStringLiteral("out of memory"));
        png_set_read_fn(m_png, this, &PngDecoder::onRead);
        // Above the limit a picture is refused before here; a row's own
        // buffers are the largest libpng makes.
        png_set_user_limits(m_png, 0x7fffffff, 0x7fffffff);
        png_set_chunk_malloc_max(m_png, 64 << 20);
        std::optional<AreaScaler> scaler;
        if (setjmp(png_jmpbuf(m_png)))
            return failed(PictureProblem::Damaged, m_error.isEmpty() ? QStringLiteral("the PNG is damaged") : m_error, m_picture);
        png_read_info(m_png, m_info);
        m_picture = QSize(int(png_get_image_width(m_png, m_info)), int(png_get_image_height(m_png, m_info)));
        png_set_expand(m_png);
        png_set_strip_16(m_png);
        png_set_gray_to_rgb(m_png);
        png_set_add_alpha(m_png, 0xff, PNG_FILLER_AFTER);
        const bool interlaced = png_get_interlace_type(m_png, m_info) != PNG_INTERLACE_NONE;
        png_read_update_info(m_png, m_info);
        scaler.emplace(m_picture, m_size);
        const int width = m_picture.width(), height = m_picture.height();
        m_row.assign(size_t(width) * 4, 0);
        m_pixels.assign(size_t(width), 0);
        for (int pass = 0; pass < (interlaced ? 7 : 1); ++pass) {
            const int x0 = interlaced ? PNG_PASS_START_COL(pass) : 0, dx = interlaced ? 1 << PNG_PASS_COL_SHIFT(pass) : 1;
            const int y0 = interlaced ? PNG_PASS_START_ROW(pass) : 0, dy = interlaced ? 1 << PNG_PASS_ROW_SHIFT(pass) : 1;
            if (x0 >= width || y0 >= height)
                continue;
            const int count = (width - x0 + dx - 1) / dx;
            for (int y = y0; y < height; y += dy) {
                png_read_row(m_png, m_row.data(), nullptr);
                for (int i = 0; i < count; ++i) {
                    const uchar *p = m_row.data() + size_t(i) * 4;
                    m_pixels[size_t(i)] = qPremultiply(qRgba(p[0], p[1], p[2], p[3]));
                }
                if (dx == 1) {
                    scaler->addRow(y, 0, m_pixels.data(), count);
                } else {
                    for (int i = 0; i < count; ++i)
                        scaler->addRow(y, x0 + i * dx, &m_pixels[size_t(i)], 1);
                }
            }
        }
        return scaledResult(*scaler, m_picture, m_size);
    }

private:
    static void onRead(png_structp png, png_bytep data, size_t length)
    {
        auto *self = static_cast<PngDecoder *>(png_get_io_ptr(png));
        if (self->m_device->read(reinterpret_cast<char *>(data), qint64(length)) != qint64(length)) {
            self->m_error = QStringLiteral("the file ends early");
            png_error(png, "the file ends early");
        }
    }
    static void onError(png_structp png, png_const_charp message)
    {
        auto *self = static_cast<PngDecoder *>(png_get_error_ptr(png));
        if (self->m_error.isEmpty())
            self->m_error = QString::fromLatin1(message);
        png_longjmp(png, 1);
    }
    static void onWarning(png_structp, png_const_charp) {}

    QIODevice *m_device;
    QSize m_size;
    QSize m_picture;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    std::vector<uchar> m_row;
    std::vector<QRgb> m_pixels;
    QString m_error;
};

// A JPEG without its end marker after the first scan was cut short: Qt
// would show the missing part grey. Inside the coded data a 0xFF byte is
// always followed by 0x00 or a restart marker, so the first FF D9 after the
// scan starts is the end (what follows it, a camera's extra data, is no
// matter).
bool jpegEndsEarly(QIODevice *device)
{
    if (device->isSequential() || !device->seek(0))
        return false;
    bool inScan = false, afterFF = false;
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const qint64 n = device->read(buffer.data(), qint64(buffer.size()));
        if (n <= 0)
            return true;
        for (qint64 i = 0; i < n; ++i) {
            const auto c = static_cast<unsigned char>(buffer[size_t(i)]);
            if (afterFF) {
                if (c == 0xDA)
                    inScan = true;
                else if (c == 0xD9 && inScan)
                    return false;
            }
            afterFF = c == 0xFF;
        }
    }
}

// Qt's allocation limit, raised for one decode as far as it needs and
// lowered again after. Decodes on several threads share the highest.
class RaisedAllocationLimit
{
public:
    explicit RaisedAllocationLimit(qint64 bytes)
    {
        const std::lock_guard lock(mutex());
        const int megabytes = int(qMin<qint64>(INT_MAX, bytes / (1 << 20) + 1));
        if (users()++ == 0)
            saved() = QImageReader::allocationLimit();
        if (saved() != 0 && megabytes > QImageReader::allocationLimit())
            QImageReader::setAllocationLimit(megabytes);
    }
    ~RaisedAllocationLimit()
    {
        const std::lock_guard lock(mutex());
        if (--users() == 0)
            QImageReader::setAllocationLimit(saved());
    }
    RaisedAllocationLimit(const RaisedAllocationLimit &) = delete;
    RaisedAllocationLimit &operator=(const RaisedAllocationLimit &) = delete;

private:
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static int &users()
    {
        static int n = 0;
        return n;
    }
    static int &saved()
    {
        static int limit = 0;
        return limit;
    }
};

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

Q_LOGGING_CATEGORY(picturesLog, "quadrifoglio.pictures", QtWarningMsg)

// The large TIFF and WebP module: where it is looked for, and what came of
// loading it. Loaded once, on the thread of the first picture that needs it,
// and never unloaded (a decode on another thread may still run its code).
struct PictureModuleState
{
    std::mutex mutex;
    bool pathsGiven = false;
    QStringList paths;
    enum class Stage { NotLoaded, Loaded, Missing } stage = Stage::NotLoaded;
    QLibrary *library = nullptr;
};

PictureModuleState &pictureModuleState()
{
    static PictureModuleState *state = new PictureModuleState;
    return *state;
}

// One of the module's loaders, the module loaded first if it was not; null
// when it cannot be loaded (the picture then goes to Qt's own plugin).
LargePictureLoader largePictureLoader(const char *name)
{
    PictureModuleState &state = pictureModuleState();
    const std::lock_guard lock(state.mutex);
    if (state.stage == PictureModuleState::Stage::NotLoaded) {
        state.stage = PictureModuleState::Stage::Missing;
        if (!state.pathsGiven && QCoreApplication::instance())
            state.paths = modulePaths(QStringLiteral("quadrifoglio-pictures.so"));
        for (const QString &path : std::as_const(state.paths)) {
            auto library = std::make_unique<QLibrary>(path);
            library->setLoadHints(QLibrary::PreventUnloadHint);
            if (!library->load()) {
                qCInfo(picturesLog, "the picture module %s did not load: %s", qPrintable(path), qPrintable(library->errorString()));
                continue;
            }
            const auto version = reinterpret_cast<PictureModuleInterfaceQuery>(library->resolve(QUADRIFOGLIO_PICTURES_INTERFACE));
            if (!version || version() != PictureModuleInterface) {
                qCInfo(picturesLog, "the picture module %s is of another build of the game", qPrintable(path));
                continue;
            }
            state.library = library.release();
            state.stage = PictureModuleState::Stage::Loaded;
            break;
        }
    }
    if (state.stage != PictureModuleState::Stage::Loaded)
        return nullptr;
    return reinterpret_cast<LargePictureLoader>(state.library->resolve(name));
}

qint64 pixels(QSize size)
{
    return qint64(size.width()) * qint64(size.height());
}

// A picture turned upright as its orientation mark says, as Qt does.
QImage turned(const QImage &image, QImageIOHandler::Transformations turn)
{
    if (turn == QImageIOHandler::TransformationNone)
        return image;
    if (turn == QImageIOHandler::TransformationRotate270)
        return image.transformed(QTransform().rotate(270));
    QImage result = image.mirrored(turn & QImageIOHandler::TransformationMirror, turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90)
        result = result.transformed(QTransform().rotate(90));
    return result;
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
    if (format == "bmp" && (!bitmap || !bitmap->plausible()))
        return failed(PictureProblem::Damaged, QStringLiteral("the headers of the bitmap are damaged"));
    const QSize stated = bitmap ? QSize(int(qMin<qint64>(bitmap->width, INT_MAX)), int(qMin<qint64>(bitmap->height, INT_MAX)))
                                : reader.size();
    if (bitmap && bitmap->width * bitmap->height > PictureMaxPixels)
        return failed(PictureProblem::TooLarge, {}, stated);
    if (!stated.isValid() || stated.isEmpty())
        return failed(PictureProblem::Damaged, reader.errorString());
    if (pixels(stated) > PictureMaxPixels)
        return failed(PictureProblem::TooLarge, {}, stated);

    // Bitmaps holding a JPEG or PNG: Qt reads neither kind.
    if (bitmap && (bitmap->compression == 4 || bitmap->compression == 5))
        return failed(PictureProblem::NotAPicture, QStringLiteral("a kind of bitmap that cannot be read"), stated);

    if (!device->isSequential()) {
        if (bitmap && (pixels(stated) > WholeDecodeMaxPixels || bitmap->runLength() || stated.width() > BandPixels))
            return loadBitmapInBands(device, *bitmap, size);
        if (format == "gif" && pixels(stated) > WholeDecodeMaxPixels) {
            device->seek(0);
            return GifDecoder(device, size).load();
        }
        if ((format == "webp" || format == "tiff") && pixels(stated) > WholeDecodeMaxPixels) {
            const LargePictureLoader load = largePictureLoader(format == "webp" ? QUADRIFOGLIO_PICTURES_LOAD_WEBP
                                                                                 : QUADRIFOGLIO_PICTURES_LOAD_TIFF);
            LoadedPicture part;
            if (load && load(device, stated, size, &part))
                return part;
            // Qt's own plugin, named: the format is known by now.
            device->seek(0);
            reader.setDevice(device);
            reader.setDecideFormatFromContent(false);
            reader.setAutoDetectImageFormat(false);
            reader.setFormat(format);
        }
        if (format == "png" && pixels(stated) > WholeDecodeMaxPixels) {
            device->seek(0);
            return PngDecoder(device, size).load();
        }
        // The reader has read the header: it goes on from where it stopped.
        const qint64 readerAt = device->pos();
        if (format == "jpeg" && jpegEndsEarly(device))
            return failed(PictureProblem::Damaged, QStringLiteral("the file ends early"), stated);
        if (format == "jpeg" && pixels(stated) > EighthFromDcMinPixels
            && ((stated.width() >= 8 * size.width() && stated.height() >= 8 * size.height())
                || pixels(stated) > ProgressiveWholeMaxPixels)) {
            const QImageIOHandler::Transformations turn = reader.transformation();
            device->seek(0);
            const JpegEighth eighth = decodeProgressiveJpegEighth(device);
            if (eighth.outcome == JpegEighth::Outcome::Damaged)
                return failed(PictureProblem::Damaged, eighth.detail, stated);
            if (eighth.outcome == JpegEighth::Outcome::Decoded) {
                LoadedPicture result;
                result.image = turned(eighth.image, turn).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                result.size = stated;
                return result;
            }
        }
        device->seek(readerAt);
    }

    // Decoded whole by Qt: straight to the size where the format can (a
    // JPEG decodes at a fraction of its size), else whole and scaled after.
    // The decoder scales before it turns the picture upright.
    reader.setScaledSize(reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed() : size);
    const bool scaledByDecoder = reader.supportsOption(QImageIOHandler::ScaledSize);
    const RaisedAllocationLimit limit(4 * pixels(scaledByDecoder ? stated / 8 : stated) + 4 * pixels(size));
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

void setPictureModulePaths(const QStringList &paths)
{
    PictureModuleState &state = pictureModuleState();
    const std::lock_guard lock(state.mutex);
    state.pathsGiven = true;
    state.paths = paths;
    state.stage = PictureModuleState::Stage::NotLoaded;
    state.library = nullptr; // stays loaded: a decode on another thread may still be in it
}

bool pictureModuleLoaded()
{
    PictureModuleState &state = pictureModuleState();
    const std::lock_guard lock(state.mutex);
    return state.stage == PictureModuleState::Stage::Loaded;
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

namespace {

// The causes our own decoders give, for the maker's translations; the other
// decoders' and the system's words are shown as they come.
[[maybe_unused]] const char *const Causes[] = {
    QT_TRANSLATE_NOOP("Pictures", "out of memory"),
    QT_TRANSLATE_NOOP("Pictures", "the file ends early"),
    QT_TRANSLATE_NOOP("Pictures", "a kind of bitmap that cannot be read"),
    QT_TRANSLATE_NOOP("Pictures", "the headers of the bitmap are damaged"),
    QT_TRANSLATE_NOOP("Pictures", "the PNG is damaged"),
    QT_TRANSLATE_NOOP("Pictures", "the header of the WebP is damaged"),
    QT_TRANSLATE_NOOP("Pictures", "the WebP is damaged"),
    QT_TRANSLATE_NOOP("Pictures", "the header of the TIFF is damaged"),
    QT_TRANSLATE_NOOP("Pictures", "the TIFF is damaged or cut short"),
    QT_TRANSLATE_NOOP("Pictures", "not a GIF"),
    QT_TRANSLATE_NOOP("Pictures", "the GIF is damaged"),
    QT_TRANSLATE_NOOP("Pictures", "no size to decode to"),
    QT_TRANSLATE_NOOP("Pictures", "the headers of the JPEG are damaged"),
    QT_TRANSLATE_NOOP("Pictures", "the coded data of the JPEG is damaged"),
};

} // namespace

// In the language of the translator installed, if any (the maker's; the
// game words its own from the problem alone).
QString describePictureProblem(const LoadedPicture &picture)
{
    const QString detail = QCoreApplication::translate("Pictures", picture.detail.toUtf8().constData());
    switch (picture.problem) {
    case PictureProblem::None:
        return {};
    case PictureProblem::Missing:
        return QCoreApplication::translate("Pictures", "there is no such file");
    case PictureProblem::Unreadable:
        return QCoreApplication::translate("Pictures", "it cannot be read: %1").arg(detail);
    case PictureProblem::NotAPicture:
        return QCoreApplication::translate("Pictures", "it is not a picture in a format that can be read");
    case PictureProblem::Damaged:
        return detail.isEmpty() ? QCoreApplication::translate("Pictures", "it is damaged and does not decode")
                                : QCoreApplication::translate("Pictures", "it is damaged and does not decode (%1)").arg(detail);
    case PictureProblem::TooLarge:
        return QCoreApplication::translate("Pictures", "it is too large: %1 x %2 pixels (%3 megapixels); at most %4 "
                                                       "megapixels are taken")
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
