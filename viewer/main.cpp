#include "showonce.h"
#include "viewergui.h"
#include "viewerguiloader.h"
#include "viewersettings.h"

#include "shared/argumentstring.h"
#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

// QtCore only: a viewer shown once as a card starts the card program
// before anything of Qt's GUI is loaded; the GUI module comes when a
// window, box or notification is wanted.
int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kVelmo, argc, argv))
        return *answered;
    const QStringList arguments = programArguments(argc, argv);
    int qtArgc = 1; // a quote on the command line may look like one of Qt's options
    std::unique_ptr<ViewerGui> gui;
    const auto loadedGui = [&]() -> ViewerGui & {
        if (!gui) {
            QString error;
            gui = loadViewerGui(&qtArgc, argv, programFolder(), &error);
            if (!gui) { // an installation with a part missing: nothing to show a box with
                std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramNames::kVelmo), qPrintable(error));
                std::exit(EXIT_FAILURE);
            }
        }
        return *gui;
    };

    ViewerSettingsFile store;
    const QString commandLine = argumentString(arguments);
    // Shown once and ended: the card starts before any of the GUI.
    if (store.readAll().residentMode == 0)
        return showOnce(store, commandLine, loadedGui);
    return loadedGui().runResident(store, commandLine);
}
