#pragma once

#include "second_config/mirwinsettings.h"
#include "viewer/viewersettings.h"

#include <QString>

class CommonDlgBinding;
class DesktopNotifier;
class HelpViewer;
class MessageBoxService;
class ProgramStarter;
class ViewerSettingsStore;

// What the property window works on while it is open: the five values
// (the interval is taken from its field only at the save), the line the
// content page read last, and the login start as the box shows it. OK
// saves what changed since the window opened, or since a save of it
// succeeded: the login start and mirwin.ini's values as they were then.
struct PropertyState
{
    ViewerSettings values;
    ViewerSettings valuesSaved; // as stored when the window opened or last saved
    QString currentLine;
    int lineCount = 0;
    bool loginStart = false;
    bool loginStartSaved = false;
    MirwinSettings mirwinSaved;
};

// The platform services and folders the window uses, each replaceable by
// a test.
struct PropertyServices
{
    ViewerSettingsStore &store;
    ProgramStarter &starter;
    MessageBoxService &messages;
    HelpViewer &help;
    CommonDlgBinding &dialogs;
    QString programFolder;  // the suite's programs, quote files and help page
    QString workingFolder;  // where bare quote-file names are looked up first, as by the viewer
    QString settingsFolder; // mirwin.ini and tambwin.ini
    DesktopNotifier *notifier = nullptr; // asked whether the notification output can work here
};
