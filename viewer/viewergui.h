#pragma once

#include <QString>

class DesktopNotifier;
class MessageBoxService;
class ViewerSettingsStore;

// Everything of the viewer that needs Qt's GUI: the application, message
// boxes, the desktop's notifications and the whole resident run (tray
// icon, timer, property link). It lives in a module of its own beside the
// program, loaded on first need, so that a viewer that shows one quote as
// a card and ends never loads Qt's GUI, bus and network libraries (about
// ten milliseconds before its card program could start).
class ViewerGui
{
public:
    virtual ~ViewerGui() = default;
    // Makes the application once: later calls do nothing.
    virtual void start() = 0;
    // Both make the application first.
    virtual MessageBoxService &messages() = 0;
    virtual DesktopNotifier &notifier() = 0;
    // The resident viewer, from the settings already read to its end;
    // returns the exit code.
    virtual int runResident(ViewerSettingsStore &store, const QString &commandLine) = 0;
};

namespace ViewerGuiModule {

// The function the module makes its ViewerGui with; argc and argv are kept
// for the application's life. (Its path in the program folder comes from
// the build: a folder of its own, as a shared object right in a folder
// under /usr/lib would have the package run ldconfig for nothing.)
inline constexpr char kFactory[] = "velmoCreateGui";
using Factory = ViewerGui *(*)(int *argc, char **argv);

} // namespace ViewerGuiModule
