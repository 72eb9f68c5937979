#pragma once

#include <QString>

#include <functional>

class ViewerGui;
class ViewerSettingsStore;

// The run of a viewer that shows once and ends (not resident), begun
// before any of Qt's GUI: a card program's command line follows from the
// settings and the quote file alone, so the card starts as soon as they are
// read, and the GUI is loaded and the application made (gui) only when a
// message box or a desktop notification is to be shown - the quote itself
// in those outputs, or a failure.
// Such a run has no tray icon, timer or property window: it ends with its
// display, even when the settings turn resident while it reads them.
// Returns the exit code.
int showOnce(ViewerSettingsStore &store, const QString &commandLine, const std::function<ViewerGui &()> &gui);
