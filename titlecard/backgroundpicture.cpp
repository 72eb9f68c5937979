#include "backgroundpicture.h"

#include <QFile>

namespace BackgroundPicture {

QImage decode(const QByteArray &dib)
{
    if (dib.size() < kFileBytes)
        return {};
    const auto *bytes = reinterpret_cast<const uchar *>(dib.constData());

    QImage image(kWidth, kHeight, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    QList<QRgb> colours;
    for (int i = 0; i < 16; ++i) {
        const uchar *entry = bytes + kPaletteOffset + 4 * i; // blue, green, red, reserved
        colours.append(qRgb(entry[2], entry[1], entry[0]));
    }
    image.setColorTable(colours);

    for (int row = 0; row < kHeight; ++row) {
        const uchar *src = bytes + kPixelOffset + row * kRowBytes;
        uchar *dst = image.scanLine(kHeight - 1 - row); // rows are stored bottom-up
        for (int x = 0; x < kRowBytes; ++x) {
            dst[2 * x] = src[x] >> 4;
            dst[2 * x + 1] = src[x] & 0x0F;
        }
    }
    return image;
}

QByteArray resourceBytes()
{
    QFile file(QStringLiteral(":/titlecard/background.dib"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kFileBytes);
}

} // namespace BackgroundPicture
