#include "platform/JpegEighth.h"

#include "platform/Pictures.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <vector>

namespace platform {

namespace {

// The causes told, in the words loadPicture's other decoders use.
const QString HeadersDamaged = QStringLiteral("the headers of the JPEG are damaged");
const QString DataDamaged = QStringLiteral("the coded data of the JPEG is damaged");

// Thrown inside the decoder for a file that is damaged or ends early;
// caught at its door.
struct Broken
{
    QString why;
};

// Thrown for a kind of JPEG another decoder reads.
struct Unhandled
{
};

class ByteSource
{
public:
    explicit ByteSource(QIODevice *device)
        : m_device(device)
    {
    }
    int byte()
    {
        if (m_pos == m_end) {
            const qint64 n = m_device->read(m_buffer.data(), qint64(m_buffer.size()));
            if (n <= 0)
                throw Broken{QStringLiteral("the file ends early")};
            m_pos = 0;
            m_end = size_t(n);
        }
        return static_cast<unsigned char>(m_buffer[m_pos++]);
    }
    int word()
    {
        const int high = byte();
        return (high << 8) | byte();
    }
    void skip(int count)
    {
        while (count-- > 0)
            byte();
    }

private:
    QIODevice *m_device;
    std::array<char, 1 << 16> m_buffer{};
    size_t m_pos = 0;
    size_t m_end = 0;
};

// A DC Huffman table in its canonical form.
struct HuffmanTable
{
    bool defined = false;
    std::array<int, 17> minCode{};
    std::array<int, 17> maxCode{}; // -1: no code of that length
    std::array<int, 17> firstValue{};
    std::array<unsigned char, 256> values{};
};

struct Component
{
    int id = 0;
    int h = 1, v = 1;
    int quantTable = 0;
    int dcQuant = 0;            // latched at the component's first scan
    bool seen = false;          // its first DC scan was read
    int blocksWide = 0, blocksHigh = 0; // stored, padded to whole MCUs
    int usedWide = 0, usedHigh = 0;     // the blocks that hold the picture
    std::vector<qint16> dc;
    int dcTable = 0;
    int predictor = 0;
};

class Decoder
{
public:
    explicit Decoder(QIODevice *device)
        : m_in(device)
    {
    }

    QImage decode()
    {
        if (m_in.byte() != 0xFF || m_in.byte() != 0xD8)
            throw Unhandled{};
        int marker = nextMarker();
        for (;;) {
            switch (marker) {
            case 0xC2:
                readFrame();
                break;
            case 0xC4:
                readHuffmanTables();
                break;
            case 0xDB:
                readQuantTables();
                break;
            case 0xDD:
                if (m_in.word() != 4)
                    throw Broken{HeadersDamaged};
                m_restartInterval = m_in.word();
                break;
            case 0xEE:
                readAdobe();
                break;
            case 0xDA:
                marker = readScan();
                continue;
            case 0xD9:
                return picture();
            case 0xD8:
                throw Broken{HeadersDamaged};
            default:
                // Other kinds of frame (baseline, lossless, arithmetic coding)
                // are not this decoder's.
                if (marker >= 0xC0 && marker <= 0xCF)
                    throw Unhandled{};
                if (marker < 0xD0 || marker > 0xD7)
                    skipSegment();
                break;
            }
            marker = nextMarker();
        }
    }

private:
    int nextMarker()
    {
        int c = m_in.byte();
        while (c != 0xFF)
            c = m_in.byte();
        while (c == 0xFF)
            c = m_in.byte();
        if (c == 0)
            return nextMarker();
        return c;
    }

    void skipSegment()
    {
        const int length = m_in.word();
        if (length < 2)
            throw Broken{HeadersDamaged};
        m_in.skip(length - 2);
    }

    void readAdobe()
    {
        const int length = m_in.word();
        if (length < 2)
            throw Broken{HeadersDamaged};
        std::array<int, 12> data{};
        int read = 0;
        for (; read < length - 2 && read < int(data.size()); ++read)
            data[size_t(read)] = m_in.byte();
        m_in.skip(length - 2 - read);
        // "Adobe", version, two flags, then the colour transform: 0 is RGB
        // or CMYK, which libjpeg reads.
        if (read == 12 && data[0] == 'A' && data[1] == 'd' && data[2] == 'o' && data[3] == 'b' && data[4] == 'e'
            && data[11] == 0)
            throw Unhandled{};
    }

    void readFrame()
    {
        if (!m_components.empty())
            throw Broken{HeadersDamaged};
        const int length = m_in.word();
        const int precision = m_in.byte();
        m_height = m_in.word();
        m_width = m_in.word();
        const int count = m_in.byte();
        if (length != 8 + 3 * count)
            throw Broken{HeadersDamaged};
        if (precision != 8 || m_height == 0 || (count != 1 && count != 3))
            throw Unhandled{};
        if (m_width == 0 || qint64(m_width) * m_height > PictureMaxPixels)
            throw Broken{HeadersDamaged};
        m_components.resize(size_t(count));
        for (Component &c : m_components) {
            c.id = m_in.byte();
            const int sampling = m_in.byte();
            c.h = sampling >> 4;
            c.v = sampling & 15;
            c.quantTable = m_in.byte();
            if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4 || c.quantTable > 3)
                throw Broken{HeadersDamaged};
            m_maxH = std::max(m_maxH, c.h);
            m_maxV = std::max(m_maxV, c.v);
        }
        if (count == 3 && m_components[0].id == 'R' && m_components[1].id == 'G' && m_components[2].id == 'B')
            throw Unhandled{};
        m_mcusWide = (m_width + 8 * m_maxH - 1) / (8 * m_maxH);
        m_mcusHigh = (m_height + 8 * m_maxV - 1) / (8 * m_maxV);
        for (Component &c : m_components) {
            c.blocksWide = m_mcusWide * c.h;
            c.blocksHigh = m_mcusHigh * c.v;
            const int wide = (m_width * c.h + m_maxH - 1) / m_maxH;
            const int high = (m_height * c.v + m_maxV - 1) / m_maxV;
            c.usedWide = (wide + 7) / 8;
            c.usedHigh = (high + 7) / 8;
            c.dc.assign(size_t(c.blocksWide) * size_t(c.blocksHigh), 0);
        }
    }

    void readHuffmanTables()
    {
        int left = m_in.word() - 2;
        while (left > 0) {
            const int kind = m_in.byte();
            std::array<int, 17> counts{};
            int total = 0;
            for (int length = 1; length <= 16; ++length) {
                counts[size_t(length)] = m_in.byte();
                total += counts[size_t(length)];
            }
            left -= 17 + total;
            if (total > 256 || left < 0 || (kind & 15) > 3 || (kind >> 4) > 1)
                throw Broken{HeadersDamaged};
            if ((kind >> 4) != 0) { // an AC table: not needed
                m_in.skip(total);
                continue;
            }
            HuffmanTable &table = m_dcTables[size_t(kind & 15)];
            table = HuffmanTable{};
            for (int i = 0; i < total; ++i)
                table.values[size_t(i)] = static_cast<unsigned char>(m_in.byte());
            int code = 0, index = 0;
            for (int length = 1; length <= 16; ++length) {
                const int n = counts[size_t(length)];
                table.minCode[size_t(length)] = code;
                table.firstValue[size_t(length)] = index;
                table.maxCode[size_t(length)] = n ? code + n - 1 : -1;
                code = (code + n) << 1;
                index += n;
            }
            table.defined = true;
        }
        if (left != 0)
            throw Broken{HeadersDamaged};
    }

    void readQuantTables()
    {
        int left = m_in.word() - 2;
        while (left > 0) {
            const int kind = m_in.byte();
            const bool wide = (kind >> 4) != 0;
            if ((kind & 15) > 3 || (kind >> 4) > 1)
                throw Broken{HeadersDamaged};
            const int first = wide ? m_in.word() : m_in.byte();
            m_in.skip(wide ? 126 : 63);
            m_dcQuant[size_t(kind & 15)] = first;
            left -= wide ? 129 : 65;
        }
        if (left != 0)
            throw Broken{HeadersDamaged};
    }

    // Reads a scan's header and its data; returns the marker after it.
    int readScan()
    {
        if (m_components.empty())
            throw Broken{HeadersDamaged};
        const int length = m_in.word();
        const int count = m_in.byte();
        if (count < 1 || count > 4 || length != 6 + 2 * count)
            throw Broken{HeadersDamaged};
        std::vector<Component *> scanned;
        for (int i = 0; i < count; ++i) {
            const int id = m_in.byte();
            const int tables = m_in.byte();
            const auto found = std::find_if(m_components.begin(), m_components.end(),
                                            [id](const Component &c) { return c.id == id; });
            if (found == m_components.end())
                throw Broken{HeadersDamaged};
            found->dcTable = tables >> 4;
            if (found->dcTable > 3)
                throw Broken{HeadersDamaged};
            scanned.push_back(&*found);
        }
        const int start = m_in.byte();
        const int end = m_in.byte();
        const int approximation = m_in.byte();
        const int high = approximation >> 4, low = approximation & 15;
        if (start != 0)
            return skipEntropyData(); // AC coefficients: not needed at 1/8
        if (end != 0 || low > 13)
            throw Broken{HeadersDamaged};
        if (count > 1 && std::any_of(scanned.begin(), scanned.end(), [](const Component *c) { return c->h * c->v > 10; }))
            throw Broken{HeadersDamaged};

        for (Component *c : scanned) {
            c->predictor = 0;
            if (high == 0) {
                if (!m_dcTables[size_t(c->dcTable)].defined)
                    throw Broken{HeadersDamaged};
                if (!c->seen) {
                    c->dcQuant = m_dcQuant[size_t(c->quantTable)];
                    if (c->dcQuant == 0)
                        throw Broken{HeadersDamaged};
                    c->seen = true;
                }
            } else if (!c->seen) {
                throw Broken{HeadersDamaged};
            }
        }

        m_bits = 0;
        m_bitCount = 0;
        m_marker = -1;
        int untilRestart = m_restartInterval;
        const auto restartIfDue = [&] {
            if (m_restartInterval == 0)
                return;
            if (untilRestart == 0) {
                readRestart();
                for (Component *c : scanned)
                    c->predictor = 0;
                untilRestart = m_restartInterval;
            }
            --untilRestart;
        };
        const auto block = [&](Component &c, int bx, int by) {
            qint16 &dc = c.dc[size_t(by) * size_t(c.blocksWide) + size_t(bx)];
            if (high == 0) {
                const int size = decodeHuffman(m_dcTables[size_t(c.dcTable)]);
                if (size > 11)
                    throw Broken{DataDamaged};
                c.predictor += size ? extend(bits(size), size) : 0;
                dc = qint16(c.predictor * (1 << low));
            } else if (bit()) {
                dc = qint16(dc | (1 << low));
            }
        };
        if (count == 1) {
            // One component alone: its blocks in rows, each block an MCU.
            Component &c = *scanned.front();
            for (int by = 0; by < c.usedHigh; ++by)
                for (int bx = 0; bx < c.usedWide; ++bx) {
                    restartIfDue();
                    block(c, bx, by);
                }
        } else {
            for (int my = 0; my < m_mcusHigh; ++my)
                for (int mx = 0; mx < m_mcusWide; ++mx) {
                    restartIfDue();
                    for (Component *c : scanned)
                        for (int v = 0; v < c->v; ++v)
                            for (int h = 0; h < c->h; ++h)
                                block(*c, mx * c->h + h, my * c->v + v);
                }
        }
        if (m_marker >= 0)
            return m_marker;
        return nextMarker();
    }

    // Past a scan's coded data, to the first marker that is not a restart.
    int skipEntropyData()
    {
        for (;;) {
            int c = m_in.byte();
            if (c != 0xFF)
                continue;
            while (c == 0xFF)
                c = m_in.byte();
            if (c != 0 && (c < 0xD0 || c > 0xD7))
                return c;
        }
    }

    void readRestart()
    {
        m_bits = 0;
        m_bitCount = 0;
        if (m_marker < 0)
            m_marker = nextMarker();
        if (m_marker < 0xD0 || m_marker > 0xD7)
            throw Broken{DataDamaged};
        m_marker = -1;
    }

    // The next bit of coded data; past a marker, zeros (as libjpeg does).
    int bit()
    {
        if (m_bitCount == 0) {
            m_bits = 0;
            if (m_marker < 0) {
                int c = m_in.byte();
                if (c == 0xFF) {
                    int next = m_in.byte();
                    while (next == 0xFF)
                        next = m_in.byte();
                    if (next == 0)
                        m_bits = 0xFF;
                    else
                        m_marker = next;
                } else {
                    m_bits = c;
                }
                if (m_marker >= 0 && (m_marker < 0xD0 || m_marker > 0xD7))
                    ++m_bitsPastEnd;
            }
            m_bitCount = 8;
        }
        --m_bitCount;
        return (m_bits >> m_bitCount) & 1;
    }

    int bits(int count)
    {
        int value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 1) | bit();
        return value;
    }

    static int extend(int value, int size) { return value < (1 << (size - 1)) ? value - (1 << size) + 1 : value; }

    int decodeHuffman(const HuffmanTable &table)
    {
        int code = bit();
        for (int length = 1; length <= 16; ++length) {
            if (table.maxCode[size_t(length)] >= 0 && code <= table.maxCode[size_t(length)] && code >= table.minCode[size_t(length)])
                return table.values[size_t(table.firstValue[size_t(length)] + code - table.minCode[size_t(length)])];
            code = (code << 1) | bit();
        }
        throw Broken{DataDamaged};
    }

    QImage picture() const
    {
        if (m_components.empty())
            throw Broken{HeadersDamaged};
        for (const Component &c : m_components)
            if (!c.seen)
                throw Broken{HeadersDamaged};
        // A scan cut short by a marker: the file was cut or damaged.
        if (m_bitsPastEnd > 0)
            throw Broken{DataDamaged};
        const int wide = (m_width + 7) / 8, high = (m_height + 7) / 8;
        QImage image(wide, high, QImage::Format_RGB32);
        if (image.isNull())
            throw Broken{QStringLiteral("out of memory")};
        // The mean of a block is its DC value dequantised, divided by 8.
        const auto sample = [this](const Component &c, int x, int y) {
            const int bx = std::min(x * c.h / m_maxH, c.usedWide - 1);
            const int by = std::min(y * c.v / m_maxV, c.usedHigh - 1);
            const int dc = c.dc[size_t(by) * size_t(c.blocksWide) + size_t(bx)] * c.dcQuant;
            return ((dc + 4) >> 3) + 128;
        };
        const auto clamp = [](double value) { return int(std::clamp(value + 0.5, 0.0, 255.0)); };
        for (int y = 0; y < high; ++y) {
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < wide; ++x) {
                const int luma = std::clamp(sample(m_components[0], x, y), 0, 255);
                if (m_components.size() == 1) {
                    out[x] = qRgb(luma, luma, luma);
                    continue;
                }
                const double cb = std::clamp(sample(m_components[1], x, y), 0, 255) - 128.0;
                const double cr = std::clamp(sample(m_components[2], x, y), 0, 255) - 128.0;
                out[x] = qRgb(clamp(luma + 1.402 * cr), clamp(luma - 0.344136 * cb - 0.714136 * cr), clamp(luma + 1.772 * cb));
            }
        }
        return image;
    }

    ByteSource m_in;
    std::vector<Component> m_components;
    std::array<HuffmanTable, 4> m_dcTables{};
    std::array<int, 4> m_dcQuant{};
    int m_width = 0, m_height = 0;
    int m_maxH = 1, m_maxV = 1;
    int m_mcusWide = 0, m_mcusHigh = 0;
    int m_restartInterval = 0;
    int m_bits = 0, m_bitCount = 0;
    int m_marker = -1; // a marker met inside coded data
    int m_bitsPastEnd = 0;
};

} // namespace

JpegEighth decodeProgressiveJpegEighth(QIODevice *device)
{
    JpegEighth result;
    try {
        Decoder decoder(device);
        result.image = decoder.decode();
        result.outcome = JpegEighth::Outcome::Decoded;
    } catch (const Unhandled &) {
        result.outcome = JpegEighth::Outcome::NotHandled;
    } catch (const Broken &broken) {
        result.outcome = JpegEighth::Outcome::Damaged;
        result.detail = broken.why;
    } catch (const std::bad_alloc &) {
        result.outcome = JpegEighth::Outcome::Damaged;
        result.detail = QStringLiteral("out of memory");
    }
    return result;
}

} // namespace platform
