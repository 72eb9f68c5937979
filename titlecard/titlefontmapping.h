#pragma once

#include "titlefont.h"

#include <QFont>
#include <QStringList>

// How the card's LOGFONT-style description becomes a Qt font.
namespace TitleFontMapping {

// Japanese Gothic faces tried, in order, when the chosen face is missing.
QStringList preferredJapaneseFaces();

// The face to draw with: the chosen face when it is installed, otherwise
// the first installed preferred Japanese Gothic face, otherwise the first
// installed face able to write Japanese, otherwise the chosen face (Qt
// then picks a substitute). A Latin-only fallback would draw the title as
// boxes, so Japanese faces come first.
QString resolveFamily(const QString &face, const QStringList &installed,
                      const QStringList &japanese);

// Face, weight, italic, underline, strike-out, pitch and family, and
// quality; the size is set per line by the renderer. Uses the fonts
// installed in the running application.
QFont toQFont(const TitleFont &font);
QFont toQFont(const TitleFont &font, const QStringList &installed, const QStringList &japanese);

// The text line's angle in Qt's clockwise degrees (lfEscapement is in
// counter-clockwise tenths of a degree).
qreal rotationDegrees(const TitleFont &font);

// False only for the non-antialiased quality (NONANTIALIASED_QUALITY, 3).
bool antialiased(const TitleFont &font);

} // namespace TitleFontMapping
