#pragma once

#include "second_config/mirwinsettings.h"
#include "titlecard/cardink.h"
#include "titlecard/cardprogram.h"
#include "titlecard/cardtext.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// mirwin's card: the moonlit picture over the whole screen and the text in
// moonlight with a night-blue glow, heading above title, placed and sized
// by mirwin.ini (mirwinlayout.h).
namespace MirwinCard {

inline const QString kPicture = QStringLiteral(":/second_card/background.png");
inline const QString kSound = QStringLiteral(":/second_card/card.wav");
inline const QString kIcon = QStringLiteral(":/second_card/mirwin.png");

// The face to write with: the face from mirwin.ini when it is installed,
// otherwise an installed Mincho face, then a Gothic one, then any face
// able to write Japanese.
QString family(const QString &face, const QStringList &installed, const QStringList &japanese);

// The text laid out for the screen: what is drawn over the card's picture.
CardInk textInk(const CardText &text, const MirwinSettings &settings, const QString &family, const QSize &screen);

// The card with the text written in the given font family, plainly: the
// picture covered over the screen, then the text drawn.
QImage compose(const QImage &picture, const CardText &text, const MirwinSettings &settings,
               const QString &family, const QSize &screen);

// The card as mirwin shows it, decided before the application starts: the
// text its arguments ask for, the settings from the file at settingsPath
// (defaults where it is missing or damaged); at the screen's size, with
// the installed faces and the program's picture, the fast way
// (CoveredCard). random is a draw in [0, 1) for an episode chosen at
// random. The cache's key holds the program, its version, the text and
// every value of the settings.
CardRecipe recipe(const QStringList &arguments, double random, const QString &settingsPath);

// The recipe's card at once.
QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &settingsPath);

} // namespace MirwinCard
