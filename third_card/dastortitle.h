#pragma once

#include "titlecard/cardtext.h"

#include <QString>
#include <QStringList>

// What dastor's command line asks its card to show. The arguments are read
// as one text, joined by spaces:
//   nothing, or only blanks -> a line of the quote file chosen at random,
//                              its label "第" N "話" over it; the series'
//                              name when the file is missing, unreadable,
//                              empty or too large
//   any other text          -> that text; a comma splits it into the
//                              heading and the title (CardTexts::split)
namespace DastorTitle {

// A quote file is a few kilobytes; reading a larger one would hold up the
// card.
constexpr qint64 kMaxQuoteFileBytes = 1024 * 1024;

// The series' name alone.
CardText seriesCard();

// Line N of the quote file, N drawn from random in [0, 1).
CardText quoteCard(const QString &quoteFile, double random);

CardText decide(const QStringList &arguments, const QString &quoteFile, double random);

} // namespace DastorTitle
