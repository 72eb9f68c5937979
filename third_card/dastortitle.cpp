#include "dastortitle.h"

#include "viewer/quotefile.h"
#include "viewer/quotesources.h"

#include <QFileInfo>

#include <optional>

namespace DastorTitle {

namespace {

// The viewer labels the lines of the series' quote file, one per
// episode, the same way.
const QuoteSources::FixedFile &series()
{
    return *QuoteSources::findFixedFile(QuoteSources::kDastor);
}

} // namespace

CardText seriesCard()
{
    return {QString(), series().series};
}

CardText quoteCard(const QString &quoteFile, double random)
{
    const QFileInfo info(quoteFile);
    if (!info.isFile() || info.size() > kMaxQuoteFileBytes)
        return seriesCard();
    const QuoteFile::Scan scan = QuoteFile::scan(quoteFile);
    if (scan.status != QuoteFile::Status::Ok || scan.lineCount < 1)
        return seriesCard();
    const int number = 1 + qBound(0, static_cast<int>(random * scan.lineCount), scan.lineCount - 1);
    const std::optional<QString> line = QuoteFile::line(quoteFile, number, scan.utf8);
    if (!line || CardTexts::isBlank(*line))
        return seriesCard();
    return {QuoteSources::numberLabel(number, series().unit), CardTexts::cleanLine(*line)};
}

CardText decide(const QStringList &arguments, const QString &quoteFile, double random)
{
    const QString text = CardTexts::argumentText(arguments);
    if (CardTexts::isBlank(text))
        return quoteCard(quoteFile, random);
    return CardTexts::split(text);
}

} // namespace DastorTitle
