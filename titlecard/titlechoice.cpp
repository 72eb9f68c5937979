#include "titlechoice.h"

#include "clock.h"
#include "titletable.h"

#include "shared/parsedecimal.h"

int titleRandom(std::uint32_t seed)
{
    const std::uint32_t state = seed * 214013u + 2531011u; // wraps mod 2^32
    const int output = static_cast<int>((state >> 16) & 0x7FFFu);
    return output % TitleTable::kEpisodeCount + 1;
}

int titleRandom(const Clock &clock)
{
    // The generator's seed is 32 bits wide; later times wrap around.
    return titleRandom(static_cast<std::uint32_t>(clock.secondsSinceEpoch()));
}

namespace {

TitleChoice episodeChoice(TitleChoice::Kind kind, int episode)
{
    TitleChoice choice;
    choice.kind = kind;
    choice.episode = episode;
    choice.title = TitleTable::record(episode);
    return choice;
}

TitleChoice randomChoice(const Clock &clock)
{
    return episodeChoice(TitleChoice::Kind::Random, titleRandom(clock));
}

} // namespace

TitleChoice decideTitle(const QString &argumentString, const Clock &clock)
{
    if (argumentString.isEmpty())
        return randomChoice(clock);

    const qsizetype space = argumentString.indexOf(QLatin1Char(' '));
    const QString token = space < 0 ? argumentString : argumentString.left(space);

    if (token == QLatin1String("-s") || token == QLatin1String("-S")) {
        const QString text = space < 0 ? QString() : argumentString.mid(space + 1);
        if (text.isEmpty())
            return randomChoice(clock);
        TitleChoice choice;
        choice.kind = TitleChoice::Kind::Custom;
        choice.title = text;
        return choice;
    }

    // Only ASCII digits count, so the token's encoding does not matter.
    const std::int32_t n = parseDecimal(token.toUtf8());
    if (n >= 1 && n <= TitleTable::kEpisodeCount)
        return episodeChoice(TitleChoice::Kind::Episode, n);
    return randomChoice(clock);
}
