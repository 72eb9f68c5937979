#include "quotetexts.h"

#include "quotesources.h"

namespace {

const QChar kSpace(0x3000); // ideographic space

// The label padded with ten ideographic spaces, a comma, then the quote
// framed by one ideographic space on each side: the first two fields of a
// title record.
QString cardText(const QString &label, const QString &quote)
{
    return label + QString(10, kSpace) + QLatin1Char(',') + kSpace + quote + kSpace;
}

QString sourceLine(const QuoteSources::FixedFile &file, int number)
{
    return file.series + file.separator + QuoteSources::numberLabel(number, file.unit) + QString(2, kSpace);
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
            t.sourceLine = QStringLiteral("ヴェルモ") + QString(2, kSpace);
        return t;
    }
    const FixedFile *file = findFixedFile(source);
    if (!file) {
        t.sourceLine = source + QStringLiteral(" - ") + QString::number(number) + QString(2, kSpace);
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
