#pragma once

#include "second_config/mirwinsettings.h"
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

// The card with the text written in the given font family.
QImage compose(const QImage &picture, const CardText &text, const MirwinSettings &settings,
               const QString &family, const QSize &screen);

// The card as mirwin shows it: the text its arguments ask for, the
// settings from the file at settingsPath (defaults where it is missing or
// damaged), the installed faces, the program's picture. random is a draw
// in [0, 1) for an episode chosen at random.
QImage composeForArguments(const QStringList &arguments, const QSize &screen, double random,
                           const QString &settingsPath);

} // namespace MirwinCard
