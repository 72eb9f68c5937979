#pragma once

#include "cardgeometry.h"
#include "titlefont.h"

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// Composes the whole title card off screen, once, before anything is shown.
namespace CardRenderer {

// The picture stretched over the screen; black where there is no picture.
QImage stretchedPicture(const QImage &picture, const QSize &screen);

// The text layer: black, with the fields of the title drawn white by rank
// (line1, line2, ruby1, ruby2, line3), one cell per byte, each glyph
// scaled to fill its cells over an opaque black cell background.
QImage textLayer(const QString &title, const TitleFont &font, const QSize &screen);

// Draws one field onto a black surface. font is the mapped face; its size
// is set from the line's geometry.
void drawTitleLine(QPainter &painter, const QString &text, const FieldPlacement &placement,
                   const QSize &screen, QFont font, qreal rotation);

// The finished card: the stretched picture with the text layer ORed onto
// it, so the picture shows wherever the layer is black.
QImage composeCard(const QImage &picture, const QString &title, const TitleFont &font,
                   const QSize &screen);

} // namespace CardRenderer
