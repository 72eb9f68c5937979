#pragma once

#include <QImage>
#include <QList>
#include <QSize>

// The card's 16-colour picture stretched over the screen by pixel
// replication, computed straight from its colour table: one screen row per
// picture row, repeated rows copied. Every pixel is the one QPainter's
// non-smooth drawImage gives for the same picture and screen.
namespace PictureStretch {

// Which picture column each screen column shows and which picture row each
// screen row shows, as QPainter's non-smooth scaling picks them. They are
// read off QPainter itself (index ramps drawn at the screen's size), so
// they follow its rounding exactly.
struct ReplicationMaps
{
    QList<int> columns; // one per screen column
    QList<int> rows;    // one per screen row
};
ReplicationMaps replicationMaps(const QSize &picture, const QSize &screen);

// True when replicate() gives this picture exactly: 8-bit indexed, one
// device pixel per pixel, at most 65536 pixels a side, every colour opaque
// and every pixel's index inside the colour table.
bool canReplicate(const QImage &picture);

// The picture over the whole screen as Format_RGB32; null when the screen
// is empty or too large to allocate. Only for a picture canReplicate()
// accepts.
QImage replicate(const QImage &picture, const QSize &screen);

} // namespace PictureStretch
