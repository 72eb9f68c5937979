#include "pngpicture.h"

#include "shared/regularfile.h"

#include <QResource>

#include <png.h>

#include <cstring>

namespace PngPicture {

namespace {
// Far beyond any picture a card carries; keeps a damaged header from asking
// for gigabytes.
constexpr png_uint_32 kMaxSide = 16384;
// A file larger than this is no picture of ours.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct Source
{
    const char *data;
    size_t size;
    size_t position;
};

void readSource(png_structp png, png_bytep out, size_t length)
{
    auto *source = static_cast<Source *>(png_get_io_ptr(png));
    if (length > source->size - source->position)
        png_error(png, "truncated");
    std::memcpy(out, source->data + source->position, length);
    source->position += length;
}

[[noreturn]] void fail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignore(png_structp, png_const_charp) {}

// libpng reports errors by a long jump back to here: these two functions
// hold nothing that would need destroying on the way.
bool readHeader(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    return true;
}

bool readRows(png_structp png, png_infop info, uchar *bits, qsizetype bytesPerLine, png_uint_32 height)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    // RGB32 in memory: red, green and blue in the order of a 32-bit word,
    // with an opaque filler byte, as Qt's reader sets up libpng.
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(png);
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0xff, PNG_FILLER_BEFORE);
    }
    png_read_update_info(png, info);
    for (png_uint_32 y = 0; y < height; ++y)
        png_read_row(png, bits + qsizetype(y) * bytesPerLine, nullptr);
    png_read_end(png, nullptr); // a broken end is a broken picture, to Qt's reader too
    return true;
}

// Chunks after which Qt's reader gives other pixels or a colour space of
// the picture's own.
constexpr png_uint_32 kLeftToQt = PNG_INFO_tRNS | PNG_INFO_gAMA | PNG_INFO_cHRM | PNG_INFO_iCCP | PNG_INFO_sRGB;

} // namespace

QImage decode(const QByteArray &bytes)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, ignore);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    Source source{bytes.constData(), size_t(bytes.size()), 0};
    QImage image;
    if (info) {
        png_set_read_fn(png, &source, readSource);
        png_set_user_limits(png, kMaxSide, kMaxSide);
        if (readHeader(png, info) && png_get_bit_depth(png, info) == 8
            && png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB
            && png_get_interlace_type(png, info) == PNG_INTERLACE_NONE && !png_get_valid(png, info, kLeftToQt)) {
            const png_uint_32 width = png_get_image_width(png, info);
            const png_uint_32 height = png_get_image_height(png, info);
            image = QImage(int(width), int(height), QImage::Format_RGB32);
            if (!image.isNull() && !readRows(png, info, image.bits(), image.bytesPerLine(), height))
                image = QImage();
        }
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return image;
}

QImage read(const QString &path)
{
    if (!path.startsWith(QLatin1Char(':'))) {
        const RegularFile::Head head = RegularFile::readHead(path, kMaxFileBytes);
        return head.status == RegularFile::Status::Ok && head.complete ? decode(head.bytes) : QImage();
    }
    // The program's own bytes, not copied unless stored compressed.
    const QResource resource(path);
    return resource.isValid() ? decode(resource.uncompressedData()) : QImage();
}

} // namespace PngPicture
