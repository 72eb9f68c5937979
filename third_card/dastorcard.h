#pragma once

#include "titlecard/cardink.h"
#include "titlecard/cardprogram.h"
#include "titlecard/cardtext.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// dastor's card: the dusty desert picture over the whole screen, a dark
// band across its lower part, the heading on a rust-red tag and the title
// in slanted bold sand-coloured letters with a dark outline, flush left.
namespace DastorCard {

inline const QString kPicture = QStringLiteral(":/third_card/background.png");
inline const QString kSound = QStringLiteral(":/third_card/card.wav");
inline const QString kIcon = QStringLiteral(":/third_card/dastor.png");

// An installed Gothic face, else any face able to write Japanese.
QString family(const QStringList &installed, const QStringList &japanese);

// The band and the text laid out for the screen: what is drawn over the
// card's picture.
CardInk textInk(const CardText &text, const QString &family, const QSize &screen);

// The card plainly: the picture covered over the screen, then band and text.
QImage compose(const QImage &picture, const CardText &text, const QString &family, const QSize &screen);

// The card as dastor shows it, decided before the application starts: the
// text its arguments ask for (a line of quoteFile for none; random is a
// draw in [0, 1) that picks it); at the screen's size, with the installed
// faces and the program's picture, the fast way (CoveredCard). The cache's
// key holds the program, its version and the text.
CardRecipe recipe(const QStringList &arguments, double random, const QString &quoteFile);

// The recipe's card at once.
QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &quoteFile);

} // namespace DastorCard
