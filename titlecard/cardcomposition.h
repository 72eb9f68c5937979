#pragma once

#include "cardprogram.h"
#include "titlefont.h"

#include <QImage>
#include <QSize>
#include <QString>

class Clock;

// What one run of tambwin shows: the title decided from the argument
// string, and the font read from the settings file (defaults where it is
// missing or garbage).
struct CardRequest
{
    QString title;
    TitleFont font;
};

CardRequest requestForArguments(const QString &argumentString, const Clock &clock, const QString &settingsPath);

// The card with the program's picture, composed at the screen size.
QImage composeCard(const CardRequest &request, const QSize &screen);

// tambwin's card for the cache: its key is the program, its version, the
// title and every field of the font.
CardRecipe recipeFor(const CardRequest &request);

// requestForArguments() and composeCard() in one.
QImage composeCardForArguments(const QString &argumentString, const QSize &screen,
                               const Clock &clock, const QString &settingsPath);
