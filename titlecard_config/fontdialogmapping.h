#pragma once

#include "titlecard/titlefont.h"

#include <QFont>

// Between the card's font record and the QFont the font dialog works on.
// Sizes are character heights in pixels, as the record keeps them, at the
// given vertical resolution (dots per inch).

// The font the dialog starts at.
QFont toQFont(const TitleFont &font, int logicalDpiY);

// Takes face, size, weight and italic of the chosen font into record; the
// other fields keep their values. The face is cut to the record's field at
// a character boundary.
void applyChosenFont(const QFont &chosen, int logicalDpiY, TitleFont &record);
