#include "mirwintitle.h"

#include "second_config/episodetitles.h"
#include "viewer/quotesources.h"

namespace MirwinTitle {

namespace {

// The viewer labels the lines of the second series' quote file, one per
// episode, the same way.
const QuoteSources::FixedFile &series()
{
    return *QuoteSources::findFixedFile(QuoteSources::kMirelle);
}

} // namespace

std::optional<int> episodeNumber(const QString &text)
{
    const QString digits = text.trimmed();
    // Three digits hold every episode; more are either leading zeros or too
    // large, and both read the same once the zeros are gone.
    int at = 0;
    while (at < digits.size() - 1 && digits.at(at) == QLatin1Char('0'))
        ++at;
    const QString significant = digits.mid(at);
    if (significant.isEmpty() || significant.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const QChar c : significant) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value < EpisodeTitles::kFirst || value > EpisodeTitles::kLast)
        return std::nullopt;
    return value;
}

int randomEpisode(double random)
{
    const int count = EpisodeTitles::kLast - EpisodeTitles::kFirst + 1;
    const int index = static_cast<int>(random * count);
    return EpisodeTitles::kFirst + qBound(0, index, count - 1);
}

CardText episodeCard(int episode, const EpisodeTitles &titles)
{
    const QString title = CardTexts::cleanLine(titles.title(episode));
    return {QuoteSources::numberLabel(episode, series().unit), title.isEmpty() ? series().series : title};
}

CardText decide(const QStringList &arguments, const EpisodeTitles &titles, double random)
{
    const QString text = CardTexts::argumentText(arguments);
    if (CardTexts::isBlank(text))
        return episodeCard(randomEpisode(random), titles);
    if (const std::optional<int> episode = episodeNumber(text))
        return episodeCard(*episode, titles);
    return CardTexts::split(text);
}

} // namespace MirwinTitle
