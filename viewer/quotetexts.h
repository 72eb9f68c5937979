#pragma once

#include <QString>
#include <QtGlobal>

// The display text T and the source line R of one display, built from the
// quote source, the show code, the line number N and the line L. R keeps
// its previous value where a layout does not rebuild it.
struct QuoteTexts
{
    QString quoteText;  // T
    QString sourceLine; // R
};

namespace QuoteSources {
// The quote source of the command-line mode.
inline const QString kCommandLine = QStringLiteral("other");
// True for the seven file names shipped with the viewer (exact spelling).
bool isFixedFile(const QString &source);
} // namespace QuoteSources

// Show codes 10 and 20 put the text on a full-screen title card.
inline bool isTitleCardCode(quint8 showCode) { return showCode == 10 || showCode == 20; }
inline bool isRandomCode(quint8 showCode) { return showCode >= 20 && showCode <= 23; }

QuoteTexts buildQuoteTexts(const QString &source, quint8 showCode, int number, const QString &line,
                           const QString &previousSourceLine);
