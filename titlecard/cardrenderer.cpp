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
                   const QSize &screen, QFont font, qreal rotation)
{
    const LineGeometry line = layoutTitleLine(text, placement, screen);
    if (line.glyphs.isEmpty() || line.cellHeight <= 0)
        return;
    font.setPixelSize(line.cellHeight);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal fontHeight = metrics.ascent() + metrics.descent();

    for (const GlyphCell &glyph : line.glyphs) {
        const QRect &cell = glyph.cell;
        painter.save();
        painter.translate(cell.topLeft());
        painter.rotate(rotation);
        // Opaque background: this cell covers whatever an earlier glyph
        // drew beyond its own cell.
        painter.fillRect(QRect(QPoint(0, 0), cell.size()), Qt::black);

        const QString &glyphText = glyph.text;
        const qreal advance = metrics.horizontalAdvance(glyphText);
        const bool drawable = !glyphText.isEmpty() && !glyphText.contains(QChar::ReplacementCharacter);
        if (drawable && advance > 0 && fontHeight > 0 && cell.width() > 0) {
            // The glyph fills its cells whatever the face's own proportions.
            painter.scale(cell.width() / advance, cell.height() / fontHeight);
            painter.drawText(QPointF(0, metrics.ascent()), glyphText);
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

    const QFont qfont = TitleFontMapping::toQFont(font, InstalledFaces());
    QPainter painter(&layer);
    painter.setPen(Qt::white);
    const bool smooth = TitleFontMapping::antialiased(font);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    const qreal rotation = TitleFontMapping::rotationDegrees(font);
    for (int rank = 0; rank < fields.size(); ++rank)
        drawTitleLine(painter, fields.at(rank), kFieldPlacements[rank], screen, qfont, rotation);
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
