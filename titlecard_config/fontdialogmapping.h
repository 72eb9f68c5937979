#pragma once

#include "titlecard/titlefont.h"

#include <QFont>

class FaceCatalogue;

// Between the card's font record and the QFont the font dialog works on.
// Sizes are character heights in pixels, as the record keeps them, at the
// given vertical resolution (dots per inch).

// The font the dialog starts at.
QFont toQFont(const TitleFont &font, int logicalDpiY);

// Fills the record from the chosen font: face, size, weight and italic,
// the character set from the face's writing systems (Shift-JIS for a face
// that writes Japanese, ANSI otherwise) and the pitch from whether the face
// is fixed-pitch (as the card counts it). faces knows the face by any of
// its names; for a face it does not know, character set and pitch keep
// their values, as do the other fields and the pitch's family bits. The
// face is cut to the record's field at a character boundary.
void applyChosenFont(const QFont &chosen, int logicalDpiY, const FaceCatalogue &faces,
                     TitleFont &record);
