#pragma once

#include "second_config/mirwinsettings.h"
#include "viewer/viewersettings.h"

#include <QString>

class ViewerSettingsStore;

// The values the property window opens with and what its OK saves. OK
// saves in three steps, each reported on its own; the five values go last,
// so that the viewer's settings never change while the viewer is not told.
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

// mirwin.ini: the values changed since base (what the window loaded, or
// saved last) written against the file as it is now, all four when there
// is no file yet. A file that cannot be read is never written over.
SaveOutcome saveMirwin(const QString &path, const MirwinSettings &base, const MirwinSettings &now);

// The login start. Applied only when the box differs from base (what it
// showed at opening, or saved last), so an entry the person did not touch
// (one of another program, or one the desktop switched off) stays as it
// is. viewer is the program the entry starts.
SaveOutcome applyLoginStart(bool base, bool wanted, const QString &entryPath, const QString &viewer);

// The values changed since base (what the window showed at opening, or
// saved last) through the store; the others keep what is stored now.
SaveOutcome saveViewer(ViewerSettingsStore &store, const ViewerSettings &base, const ViewerSettings &values);

} // namespace PropertyValues
