#pragma once

#include "titlefont.h"

#include <QFont>

class FaceCatalogue;

// How the card's LOGFONT-style description becomes a Qt font.
namespace TitleFontMapping {

// Face (the installed face FaceChoice picks for the record's face, pitch
// and family), weight, italic, underline, strike-out, pitch and family,
// and quality; the size is set per line by the renderer.
QFont toQFont(const TitleFont &font, const FaceCatalogue &faces);

// The text line's angle in Qt's clockwise degrees (lfEscapement is in
// counter-clockwise tenths of a degree).
qreal rotationDegrees(const TitleFont &font);

// False only for the non-antialiased quality (NONANTIALIASED_QUALITY, 3).
bool antialiased(const TitleFont &font);

} // namespace TitleFontMapping
