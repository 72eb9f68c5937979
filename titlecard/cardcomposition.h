#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class Clock;

// One card as tambwin shows it: the title decided from the argument
// string, the font read from the settings file (defaults where it is
// missing or garbage), the program's picture, composed at the screen size.
QImage composeCardForArguments(const QString &argumentString, const QSize &screen,
                               const Clock &clock, const QString &settingsPath);
