#pragma once

#include "second_config/mirwinsettings.h"
#include "viewer/viewersettings.h"

#include <QString>

class ViewerSettingsStore;

// The values the property window opens with and what its OK saves.
namespace PropertyValues {

// The stored settings as the window takes them: an empty source becomes
// the default quote file (no file has an empty name), and a code below 3,
// which no option could show, becomes the default code 20. Everything
// else is kept as stored, also codes and modes no option stands for, so
// that they are saved back unchanged.
ViewerSettings forWindow(ViewerSettings stored);

struct SaveOutcome
{
    bool saved = false;
    QString message; // for the person, when not saved
};

// OK's save: the five values through the store, then mirwin.ini replaced
// whole. Stops at the first failure, with the old files in place.
SaveOutcome save(ViewerSettingsStore &store, const ViewerSettings &values, const QString &mirwinPath,
                 const MirwinSettings &mirwin);

// The login start, after the settings are saved. Applied only when the
// box differs from what it showed at opening, so an entry the person did
// not touch (one of another program, or one the desktop switched off)
// stays as it is. viewer is the program the entry starts.
SaveOutcome applyLoginStart(bool atOpen, bool wanted, const QString &entryPath, const QString &viewer);

} // namespace PropertyValues
