#pragma once

#include "showcode.h"

#include <QString>

// The display text T and the source line R of one display, built from the
// quote source, the show code, the line number N and the line L. R keeps
// its previous value where a layout does not rebuild it.
struct QuoteTexts
{
    QString quoteText;  // T
    QString sourceLine; // R
};

QuoteTexts buildQuoteTexts(const QString &source, ShowCode code, int number, const QString &line,
                           const QString &previousSourceLine);
