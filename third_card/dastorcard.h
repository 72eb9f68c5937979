#pragma once

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

QImage compose(const QImage &picture, const CardText &text, const QString &family, const QSize &screen);

// The card as dastor shows it: the text its arguments ask for (a line of
// quoteFile for none; random is a draw in [0, 1) that picks it), the
// installed faces, the program's picture.
QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &quoteFile);

} // namespace DastorCard
