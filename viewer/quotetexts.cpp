#include "quotetexts.h"

#include "quotesources.h"

#include <QCoreApplication>

namespace {

const QChar kSpace(0x3000); // ideographic space

// The label padded with ten ideographic spaces, a comma, then the quote
// framed by one ideographic space on each side: the first two fields of a
// title record.
QString cardText(const QString &label, const QString &quote)
{
    return label + QString(10, kSpace) + QLatin1Char(',') + kSpace + quote + kSpace;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("QuoteTexts", text);
}

// The caption of the box (or the summary of the notification): the series
// and the chapter or episode. The Japanese one keeps the file's separator
// and the two ideographic spaces that pad the title bar.
QString sourceLine(const QuoteSources::FixedFile &file, int number)
{
    const QString series = QCoreApplication::translate(QuoteSources::kTextContext, file.series.toUtf8().constData());
    // The series, then the chapter or episode.
    const QString caption = file.separator == kSpace ? translated(QT_TRANSLATE_NOOP("QuoteTexts", "%1　%2　　"))
                                                     : translated(QT_TRANSLATE_NOOP("QuoteTexts", "%1 %2　　"));
    return caption.arg(series, QuoteSources::shownNumberLabel(number, file.unit));
}

} // namespace

QuoteTexts buildQuoteTexts(const QString &source, ShowCode code, int number, const QString &line,
                           const QString &previousSourceLine)
{
    using namespace QuoteSources;
    const bool card = code.shows(ShowCode::Output::TitleCard);
    QuoteTexts t{line, previousSourceLine};

    if (source == kCommandLine) {
        if (!card && !code.shows(ShowCode::Output::Dastor))
            t.sourceLine = translated(QT_TRANSLATE_NOOP("QuoteTexts", "ヴェルモ　　"));
        return t;
    }
    const FixedFile *file = findFixedFile(source);
    if (!file) {
        // A quote file of the person's own, then the line number.
        t.sourceLine =
            translated(QT_TRANSLATE_NOOP("QuoteTexts", "%1 - %2　　")).arg(source, QString::number(number));
        return t;
    }
    // kAnitamb goes to the card as an episode number, so only its source
    // line is built; kMirelle's lines are episode titles.
    const QString quote = source == kMirelle ? mirelleTitle(line) : line;
    if (card && source != kAnitamb) {
        t.quoteText = cardText(numberLabel(number, file->unit), quote);
    } else {
        t.quoteText = quote;
        t.sourceLine = sourceLine(*file, number);
    }
    return t;
}
