#pragma once

#include "titlecard/cardtext.h"

#include <QString>
#include <QStringList>

#include <optional>

class EpisodeTitles;

// What mirwin's command line asks its card to show. The arguments come in
// UTF-8 and are read as one text, joined by spaces:
//   nothing, or only blanks      -> an episode chosen at random
//   a decimal number 1..74       -> that episode: "第" N "話" over its title
//   any other text               -> that text; a comma splits it into the
//                                   heading and the title (CardTexts::split)
namespace MirwinTitle {

// The episode a text names: ASCII digits alone, blanks around them
// allowed, within the series' episodes.
std::optional<int> episodeNumber(const QString &text);

// The episode a draw in [0, 1) stands for: each one equally likely.
int randomEpisode(double random);

// "第" N "話" over the episode's title; the series' name stands in for a
// title that is missing.
CardText episodeCard(int episode, const EpisodeTitles &titles);

// random: a draw in [0, 1), used only when an episode is to be chosen.
CardText decide(const QStringList &arguments, const EpisodeTitles &titles, double random);

} // namespace MirwinTitle
