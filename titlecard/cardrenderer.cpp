#include "cardrenderer.h"

#include "fontconfigwarmup.h"
#include "joinedthread.h"
#include "picturestretch.h"
#include "screenimage.h"
#include "splitfields.h"
#include "titlefontmapping.h"

#include "shared/ui/installedfaces.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cstring>

namespace CardRenderer {

namespace {

constexpr QRgb kBlack = 0xFF000000; // Qt::black in Format_RGB32

TitleFace faceFor(const TitleFont &font)
{
    const InstalledFaces faces;
    TitleFace face;
    face.font = TitleFontMapping::toQFont(font, faces);
    face.rotation = TitleFontMapping::rotationDegrees(font);
    face.fixedPitch = faces.isFixedPitch(face.font.families().value(0));
    return face;
}

// Draws the fields white onto a layer that is black wherever they can reach.
void drawFields(QImage &layer, const QStringList &fields, const TitleFont &font, const TitleFace &face)
{
    QPainter painter(&layer);
    painter.setPen(Qt::white);
    const bool smooth = TitleFontMapping::antialiased(font);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    for (int rank = 0; rank < fields.size(); ++rank)
        drawTitleLine(painter, fields.at(rank), kFieldPlacements[rank], layer.size(), face);
}

} // namespace

QImage stretchedPicture(const QImage &picture, const QSize &screen)
{
    if (PictureStretch::canReplicate(picture))
        return PictureStretch::replicate(picture, screen);
    QImage image(screen, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::black);
    if (!picture.isNull()) {
        QPainter painter(&image);
        // Plain pixel replication: every screen pixel keeps one of the
        // picture's own 16 colours, none is blended in between.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(QPoint(0, 0), screen), picture, picture.rect());
    }
    return image;
}

void drawTitleLine(QPainter &painter, const QString &text, const FieldPlacement &placement,
                   const QSize &screen, const TitleFace &face)
{
    const LineGeometry line = layoutTitleLine(text, placement, screen);
    if (line.glyphs.isEmpty() || line.cellHeight <= 0)
        return;
    QFont font = face.font;
    font.setPixelSize(line.cellHeight);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal fontHeight = metrics.ascent() + metrics.descent();
    if (fontHeight <= 0)
        return;
    const qreal down = line.cellHeight / fontHeight;
    const qreal averageWidth = metrics.averageCharWidth();
    const qreal across = averageWidth > 0 ? line.cellWidth / averageWidth : down;

    for (const GlyphCell &glyph : line.glyphs) {
        const QRect &cell = glyph.cell;
        painter.save();
        painter.translate(cell.topLeft());
        painter.rotate(face.rotation);
        // Opaque background: this cell covers whatever an earlier glyph
        // drew beyond its own cell.
        painter.fillRect(QRect(QPoint(0, 0), cell.size()), Qt::black);

        const qreal advance = metrics.horizontalAdvance(glyph.text);
        if (face.fixedPitch && glyph.inCodePage) {
            // The glyph fills its cells whatever the face's own proportions.
            const bool drawable = !glyph.text.contains(QChar::ReplacementCharacter);
            if (drawable && advance > 0 && cell.width() > 0) {
                painter.scale(cell.width() / advance, down);
                painter.drawText(QPointF(0, metrics.ascent()), glyph.text);
            }
        } else if (line.cellWidth > 0) {
            painter.scale(across, down);
            painter.drawText(QPointF(0, metrics.ascent()), glyph.text);
        }
        painter.restore();
    }
}

QRect titleLineBounds(const QString &text, const FieldPlacement &placement, const QSize &screen,
                      const TitleFace &face)
{
    const LineGeometry line = layoutTitleLine(text, placement, screen);
    if (line.glyphs.isEmpty() || line.cellHeight <= 0)
        return {};
    QFont font = face.font;
    font.setPixelSize(line.cellHeight);
    const QFontMetricsF metrics(font);
    const qreal fontHeight = metrics.ascent() + metrics.descent();
    if (fontHeight <= 0)
        return {};
    const qreal down = line.cellHeight / fontHeight;
    const qreal averageWidth = metrics.averageCharWidth();
    const qreal across = averageWidth > 0 ? line.cellWidth / averageWidth : down;

    QRectF bounds;
    for (const GlyphCell &glyph : line.glyphs) {
        const QRect &cell = glyph.cell;
        QTransform toCell;
        toCell.translate(cell.left(), cell.top());
        toCell.rotate(face.rotation);
        bounds |= toCell.mapRect(QRectF(QPointF(0, 0), cell.size()));

        const qreal advance = metrics.horizontalAdvance(glyph.text);
        qreal stretch = across;
        if (face.fixedPitch && glyph.inCodePage) {
            if (advance <= 0 || cell.width() <= 0)
                continue;
            stretch = cell.width() / advance;
        } else if (line.cellWidth <= 0) {
            continue;
        }
        QTransform toGlyph = toCell;
        toGlyph.scale(stretch, down);
        // The ink, and the advance box that underline and strike-out span.
        const QRectF ink = metrics.boundingRect(glyph.text).translated(0, metrics.ascent());
        bounds |= toGlyph.mapRect(ink | QRectF(0, 0, std::max<qreal>(advance, 0), fontHeight));
    }
    // Rasterised glyphs may differ from their outlines' boxes by hinting
    // and smoothing; half a cell covers that many times over.
    const int margin = 2 + line.cellHeight / 2;
    return bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin) & QRect(QPoint(0, 0), screen);
}

QImage textLayer(const QString &title, const TitleFont &font, const QSize &screen)
{
    QImage layer(screen, QImage::Format_RGB32);
    if (layer.isNull())
        return layer;
    layer.fill(Qt::black);
    const QStringList fields = splitFields(title);
    if (!fields.isEmpty())
        drawFields(layer, fields, font, faceFor(font));
    return layer;
}

BandedLayer bandedTextLayer(const QString &title, const TitleFont &font, const QSize &screen)
{
    BandedLayer layer;
    layer.image = newScreenImage(screen); // untouched outside the bands
    const QStringList fields = splitFields(title);
    if (layer.image.isNull() || fields.isEmpty())
        return layer;
    const TitleFace face = faceFor(font);
    // Fields' bounds overlap (a ruby line sits just above its line); their
    // union as disjoint rectangles is cleared and ORed once.
    QRegion area;
    for (int rank = 0; rank < fields.size(); ++rank)
        area += titleLineBounds(fields.at(rank), kFieldPlacements[rank], screen, face);
    layer.bands = QList<QRect>(area.begin(), area.end());
    for (const QRect &band : std::as_const(layer.bands)) {
        for (int y = band.top(); y <= band.bottom(); ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(layer.image.scanLine(y)) + band.left();
            std::fill(row, row + band.width(), kBlack);
        }
    }
    drawFields(layer.image, fields, font, face);
    return layer;
}

void orOnto(QImage &card, const BandedLayer &layer)
{
    if (card.size() != layer.image.size() || card.format() != QImage::Format_RGB32
        || layer.image.format() != QImage::Format_RGB32)
        return;
    // Four pixels at a time: the compiler does not vectorise the plain loop
    // at this optimisation level, and this is the card's widest loop.
    using Four = quint32 __attribute__((vector_size(16)));
    for (const QRect &band : layer.bands) {
        for (int y = band.top(); y <= band.bottom(); ++y) {
            uchar *out = card.scanLine(y) + band.left() * 4;
            const uchar *ink = layer.image.constScanLine(y) + band.left() * 4;
            const int width = band.width();
            int x = 0;
            for (; x + 4 <= width; x += 4) {
                Four a, b;
                std::memcpy(&a, out + 4 * x, sizeof a);
                std::memcpy(&b, ink + 4 * x, sizeof b);
                a |= b;
                std::memcpy(out + 4 * x, &a, sizeof a);
            }
            for (; x < width; ++x)
                reinterpret_cast<QRgb *>(out)[x] |= reinterpret_cast<const QRgb *>(ink)[x];
        }
    }
}

QImage composeCard(const QImage &picture, const QString &title, const TitleFont &font,
                   const QSize &screen)
{
    if (!PictureStretch::canReplicate(picture)) {
        QImage card = stretchedPicture(picture, screen);
        FontConfigWarmUp::wait();
        if (!card.isNull())
            orOnto(card, bandedTextLayer(title, font, screen));
        return card;
    }
    // The picture is replicated on a second thread while this one draws the
    // text: neither reads what the other writes. The maps are read (and
    // kept) here first, so that thread only fills memory and never paints.
    PictureStretch::replicationMaps(picture.size(), screen);
    QImage card;
    BandedLayer layer;
    {
        const JoinedThread stretcher([&card, &picture, &screen] { card = PictureStretch::replicate(picture, screen); });
        FontConfigWarmUp::wait();
        layer = bandedTextLayer(title, font, screen);
    }
    if (!card.isNull())
        orOnto(card, layer);
    return card;
}

} // namespace CardRenderer
