#include "pngpicture.h"

#include "shared/regularfile.h"

#include <QFile>
#include <QtEndian>

#include <png.h>

namespace PngPicture {

namespace {
// Far beyond any picture a card carries; keeps a damaged header from asking
// for gigabytes.
constexpr png_uint_32 kMaxSide = 16384;
// A resource or file larger than this is no picture of ours.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
} // namespace

QImage decode(const QByteArray &png)
{
    png_image header{};
    header.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&header, png.constData(), size_t(png.size())))
        return {};
    // Anything but plain 8-bit RGB (alpha, grey, a palette, 16 bits) or a
    // colour space libpng would convert from is left to Qt's reader, which
    // keeps the pixels as stored and treats each kind its own way.
    if (header.format != PNG_FORMAT_RGB || (header.flags & PNG_IMAGE_FLAG_COLORSPACE_NOT_sRGB)
        || header.width == 0 || header.height == 0 || header.width > kMaxSide || header.height > kMaxSide) {
        png_image_free(&header);
        return {};
    }
    QImage image(int(header.width), int(header.height), QImage::Format_RGB32);
    if (image.isNull()) {
        png_image_free(&header);
        return {};
    }
    // RGB32's layout in memory: an opaque filler byte and red, green, blue
    // in the order of a 32-bit word.
    header.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    if (!png_image_finish_read(&header, nullptr, image.bits(), png_int_32(image.bytesPerLine()), nullptr))
        return {}; // libpng has freed what it held
    return image;
}

QImage read(const QString &path)
{
    if (!path.startsWith(QLatin1Char(':'))) {
        const RegularFile::Head head = RegularFile::readHead(path, kMaxFileBytes);
        return head.status == RegularFile::Status::Ok && head.complete ? decode(head.bytes) : QImage();
    }
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly) || resource.size() > kMaxFileBytes)
        return {};
    return decode(resource.readAll());
}

} // namespace PngPicture
