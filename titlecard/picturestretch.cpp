#include "picturestretch.h"

#include "screenimage.h"

#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstring>

namespace PictureStretch {

namespace {

// An index ramp can only count to 255 in one 8-bit image, so a position is
// read as two ramps: its low byte, then its high byte.
enum class Byte { Low, High };
constexpr int kMaxSide = 0x10000;

QImage indexRamp(int length, bool across, Byte byte)
{
    QImage ramp(across ? QSize(length, 1) : QSize(1, length), QImage::Format_Indexed8);
    QList<QRgb> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = qRgb(i, i, i);
    ramp.setColorTable(colours);
    for (int i = 0; i < length; ++i) {
        const uchar value = byte == Byte::Low ? uchar(i & 0xFF) : uchar(i >> 8);
        if (across)
            ramp.scanLine(0)[i] = value;
        else
            ramp.scanLine(i)[0] = value;
    }
    return ramp;
}

// The ramp drawn as the picture is drawn, over a one-pixel-thick screen.
QList<int> readMap(int sourceLength, int screenLength, bool across)
{
    const QSize screen = across ? QSize(screenLength, 1) : QSize(1, screenLength);
    QList<int> map(screenLength, 0);
    for (const Byte byte : {Byte::Low, Byte::High}) {
        const QImage ramp = indexRamp(sourceLength, across, byte);
        QImage drawn(screen, QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(QPoint(0, 0), screen), ramp, ramp.rect());
        painter.end();
        for (int i = 0; i < screenLength; ++i) {
            const int value = qRed(across ? drawn.pixel(i, 0) : drawn.pixel(0, i));
            map[i] |= byte == Byte::Low ? value : value << 8;
        }
    }
    for (int &source : map) // never outside the picture, whatever the rounding
        source = std::clamp(source, 0, sourceLength - 1);
    return map;
}

} // namespace

ReplicationMaps replicationMaps(const QSize &picture, const QSize &screen)
{
    if (picture.isEmpty() || screen.isEmpty())
        return {};
    // Reading the maps costs more than replicating rows; a program shows
    // one screen size, so the last maps are kept.
    static QMutex mutex;
    static QSize lastPicture, lastScreen;
    static ReplicationMaps last;
    const QMutexLocker lock(&mutex);
    if (picture != lastPicture || screen != lastScreen) {
        last = {readMap(picture.width(), screen.width(), true), readMap(picture.height(), screen.height(), false)};
        lastPicture = picture;
        lastScreen = screen;
    }
    return last;
}

bool canReplicate(const QImage &picture)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.isNull() || picture.devicePixelRatio() != 1.0)
        return false;
    if (picture.width() > kMaxSide || picture.height() > kMaxSide) // beyond what two ramps can count
        return false;
    const QList<QRgb> colours = picture.colorTable();
    if (colours.isEmpty() || colours.size() > 256)
        return false;
    if (!std::all_of(colours.cbegin(), colours.cend(), [](QRgb c) { return qAlpha(c) == 255; }))
        return false;
    if (colours.size() == 256)
        return true;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        if (*std::max_element(row, row + picture.width()) >= colours.size())
            return false;
    }
    return true;
}

QImage replicate(const QImage &picture, const QSize &screen)
{
    QImage image = newScreenImage(screen); // every pixel is written below
    if (image.isNull() || picture.isNull())
        return image;
    const ReplicationMaps maps = replicationMaps(picture.size(), screen);
    std::array<QRgb, 256> palette{};
    const QList<QRgb> colours = picture.colorTable();
    std::copy_n(colours.cbegin(), std::min<qsizetype>(colours.size(), 256), palette.begin());

    const int width = screen.width();
    const int *columns = maps.columns.constData();
    const qsizetype rowBytes = qsizetype(width) * sizeof(QRgb);
    for (int y = 0; y < screen.height(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        if (y > 0 && maps.rows[y] == maps.rows[y - 1]) {
            std::memcpy(out, image.constScanLine(y - 1), rowBytes);
            continue;
        }
        const uchar *in = picture.constScanLine(maps.rows[y]);
        for (int x = 0; x < width; ++x)
            out[x] = palette[in[columns[x]]];
    }
    return image;
}

} // namespace PictureStretch
