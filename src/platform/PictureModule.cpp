#include "platform/PictureModule.h"

#include "platform/AreaScaler.h"
#include "platform/Pictures.h"

#include <QIODevice>
#include <QSysInfo>

#include <memory>
#include <optional>

#include <tiffio.h>
#include <webp/decode.h>

namespace platform {

namespace {

using decoding::AreaScaler;
using decoding::failed;
using decoding::scaledResult;

// A strip of more pixels than this is not worth reading a strip at a time:
// Qt's whole decode costs no more.
constexpr qint64 StripMaxPixels = 32'000'000;

// A WebP decoded by libwebp straight to the size asked, which keeps only a
// few rows of the picture at a time: Qt decodes it whole. An animation is
// left to Qt (nullopt).
std::optional<LoadedPicture> loadWebpScaled(QIODevice *device, QSize picture, QSize size)
{
    const auto damaged = [picture](const QString &why) { return failed(PictureProblem::Damaged, why, picture); };
    if (!device->seek(0))
        return damaged(device->errorString());
    const QByteArray data = device->readAll();
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const uint8_t *>(data.constData());
    if (WebPGetFeatures(bytes, size_t(data.size()), &config.input) != VP8_STATUS_OK)
        return damaged(QStringLiteral("the header of the WebP is damaged"));
    if (config.input.has_animation)
        return std::nullopt;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return damaged(QStringLiteral("out of memory"));
    config.options.use_scaling = 1;
    config.options.scaled_width = size.width();
    config.options.scaled_height = size.height();
    config.output.colorspace = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? MODE_bgrA : MODE_Argb;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status = WebPDecode(bytes, size_t(data.size()), &config);
    WebPFreeDecBuffer(&config.output);
    if (status == VP8_STATUS_NOT_ENOUGH_DATA)
        return damaged(QStringLiteral("the file ends early"));
    if (status != VP8_STATUS_OK)
        return damaged(QStringLiteral("the WebP is damaged"));
    if (!config.input.has_alpha)
        image.reinterpretAsFormat(QImage::Format_RGB32);
    LoadedPicture result;
    result.image = image;
    result.size = picture;
    return result;
}

// A TIFF in strips, read a strip at a time by libtiff, each row into the
// scaler: Qt decodes the whole picture at once. A tiled TIFF, or one turned
// on its side, is left to Qt (nullopt).
std::optional<LoadedPicture> loadTiffInStrips(QIODevice *device, QSize picture, QSize size)
{
    const auto damaged = [picture](const QString &why) { return failed(PictureProblem::Damaged, why, picture); };
    if (!device->seek(0))
        return damaged(device->errorString());
    struct Io
    {
        static tmsize_t read(thandle_t h, void *data, tmsize_t n)
        {
            return tmsize_t(static_cast<QIODevice *>(h)->read(static_cast<char *>(data), qint64(n)));
        }
        static tmsize_t write(thandle_t, void *, tmsize_t) { return 0; }
        static toff_t seek(thandle_t h, toff_t offset, int whence)
        {
            auto *d = static_cast<QIODevice *>(h);
            const qint64 at = whence == SEEK_SET ? qint64(offset)
                              : whence == SEEK_CUR ? d->pos() + qint64(offset)
                                                   : d->size() + qint64(offset);
            return d->seek(at) ? toff_t(at) : toff_t(-1);
        }
        static int close(thandle_t) { return 0; }
        static toff_t size(thandle_t h) { return toff_t(static_cast<QIODevice *>(h)->size()); }
        static int map(thandle_t, void **, toff_t *) { return 0; }
        static void unmap(thandle_t, void *, toff_t) {}
    };
    TIFFSetWarningHandler(nullptr);
    TIFFSetErrorHandler(nullptr);
    TIFF *tiff = TIFFClientOpen("picture", "rm", device, &Io::read, &Io::write, &Io::seek, &Io::close, &Io::size,
                                &Io::map, &Io::unmap);
    if (!tiff)
        return damaged(QStringLiteral("the header of the TIFF is damaged"));
    const std::unique_ptr<TIFF, void (*)(TIFF *)> closer(tiff, &TIFFClose);
    uint32_t width = 0, height = 0, rowsPerStrip = 0;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    char message[1024] = {};
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    if (TIFFIsTiled(tiff) || orientation != ORIENTATION_TOPLEFT || QSize(int(width), int(height)) != picture
        || !TIFFRGBAImageOK(tiff, message))
        return std::nullopt;
    rowsPerStrip = qBound<uint32_t>(1, rowsPerStrip, height);
    if (qint64(rowsPerStrip) * width > StripMaxPixels)
        return std::nullopt;
    std::vector<uint32_t> strip(size_t(rowsPerStrip) * width);
    std::vector<QRgb> row(width);
    AreaScaler scaler(picture, size);
    for (uint32_t top = 0; top < height; top += rowsPerStrip) {
        if (!TIFFReadRGBAStrip(tiff, top, strip.data()))
            return damaged(QStringLiteral("the TIFF is damaged or cut short"));
        const uint32_t rows = qMin(rowsPerStrip, height - top);
        // The strip's rows come bottom first.
        for (uint32_t r = 0; r < rows; ++r) {
            const uint32_t *in = strip.data() + size_t(rows - 1 - r) * width;
            for (uint32_t x = 0; x < width; ++x)
                row[x] = qPremultiply(qRgba(int(TIFFGetR(in[x])), int(TIFFGetG(in[x])), int(TIFFGetB(in[x])), int(TIFFGetA(in[x]))));
            scaler.addRow(int(top + r), 0, row.data(), int(width));
        }
    }
    return scaledResult(scaler, picture, size);
}

} // namespace

} // namespace platform

extern "C" Q_DECL_EXPORT int quadrifoglio_pictures_interface()
{
    return PictureModuleInterface;
}

extern "C" Q_DECL_EXPORT bool quadrifoglio_pictures_load_webp(QIODevice *device, QSize picture, QSize size,
                                                              platform::LoadedPicture *result)
{
    std::optional<platform::LoadedPicture> loaded = platform::loadWebpScaled(device, picture, size);
    if (loaded)
        *result = std::move(*loaded);
    return loaded.has_value();
}

extern "C" Q_DECL_EXPORT bool quadrifoglio_pictures_load_tiff(QIODevice *device, QSize picture, QSize size,
                                                              platform::LoadedPicture *result)
{
    std::optional<platform::LoadedPicture> loaded = platform::loadTiffInStrips(device, picture, size);
    if (loaded)
        *result = std::move(*loaded);
    return loaded.has_value();
}
