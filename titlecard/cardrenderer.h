#pragma once

#include "cardgeometry.h"
#include "titlefont.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Composes the whole title card off screen, once, before anything is shown.
namespace CardRenderer {

// The picture stretched over the screen; black where there is no picture.
QImage stretchedPicture(const QImage &picture, const QSize &screen);

// The face a title is drawn with.
struct TitleFace
{
    QFont font;            // the mapped face; its size is set per line
    qreal rotation = 0;    // clockwise degrees
    bool fixedPitch = true;
};

// The text layer: black, with the fields of the title drawn white by rank
// (line1, line2, ruby1, ruby2, line3), one cell per byte, each glyph at
// the top left of its cells over an opaque black cell background.
QImage textLayer(const QString &title, const TitleFont &font, const QSize &screen);

// The text layer only where it can hold ink: a screen-sized image of which
// only the pixels inside the bands are set (black, or the text exactly as
// textLayer() has it there); the rest is never written nor to be read, so
// its memory is never touched. The bands do not overlap.
struct BandedLayer
{
    QImage image;
    QList<QRect> bands;
};
BandedLayer bandedTextLayer(const QString &title, const TitleFont &font, const QSize &screen);

// ORs the layer's bands onto the card (both Format_RGB32, the same size).
void orOnto(QImage &card, const BandedLayer &layer);

// The screen rectangle that drawing one field can touch: its cells and its
// glyphs' ink, through the same transformations as drawTitleLine(), with a
// margin for hinting and smoothing; clipped to the screen.
QRect titleLineBounds(const QString &text, const FieldPlacement &placement, const QSize &screen,
                      const TitleFace &face);

// Draws one field onto a black surface. The font's cell height (ascent and
// descent) is the line's cell height. A fixed-pitch face has each glyph
// scaled to fill its cells exactly. A proportional face is scaled across
// so that its average character width is one cell (as a LOGFONT's lfWidth
// does), and each glyph keeps its own width: a narrow one stays narrow, a
// wide one overhangs into the next cell, whose background covers it.
// Characters outside code page 932 are drawn that way with either kind of
// face (by a fallback face when the face lacks them).
void drawTitleLine(QPainter &painter, const QString &text, const FieldPlacement &placement,
                   const QSize &screen, const TitleFace &face);

// The finished card: the stretched picture with the text layer ORed onto
// it, so the picture shows wherever the layer is black.
QImage composeCard(const QImage &picture, const QString &title, const TitleFont &font,
                   const QSize &screen);

} // namespace CardRenderer
