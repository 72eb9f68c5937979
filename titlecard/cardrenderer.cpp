#include "cardrenderer.h"

#include "splitfields.h"
#include "titlefontmapping.h"

#include "shared/ui/installedfaces.h"

#include <QFontMetricsF>
#include <QPainter>

namespace CardRenderer {

QImage stretchedPicture(const QImage &picture, const QSize &screen)
{
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

QImage textLayer(const QString &title, const TitleFont &font, const QSize &screen)
{
    QImage layer(screen, QImage::Format_RGB32);
    if (layer.isNull())
        return layer;
    layer.fill(Qt::black);
    const QStringList fields = splitFields(title);
    if (fields.isEmpty())
        return layer;

    const InstalledFaces faces;
    TitleFace face;
    face.font = TitleFontMapping::toQFont(font, faces);
    face.rotation = TitleFontMapping::rotationDegrees(font);
    face.fixedPitch = faces.isFixedPitch(face.font.families().value(0));
    QPainter painter(&layer);
    painter.setPen(Qt::white);
    const bool smooth = TitleFontMapping::antialiased(font);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    for (int rank = 0; rank < fields.size(); ++rank)
        drawTitleLine(painter, fields.at(rank), kFieldPlacements[rank], screen, face);
    return layer;
}

QImage composeCard(const QImage &picture, const QString &title, const TitleFont &font,
                   const QSize &screen)
{
    QImage card = stretchedPicture(picture, screen);
    const QImage layer = textLayer(title, font, screen);
    if (card.isNull() || layer.isNull())
        return card;
    QPainter painter(&card);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, layer);
    return card;
}

} // namespace CardRenderer
