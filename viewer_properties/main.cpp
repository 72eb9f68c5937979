#include "propertywindow.h"

#include "second_config/mirwinsettingsfile.h"
#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/interfacelanguage.h"
#include "shared/ui/helpviewer.h"
#include "shared/ui/messagebox.h"
#include "shared/ui/singlewindow.h"
#include "viewer/residentchannel.h"
#include "viewer/desktopnotification.h"
#include "viewer/viewersettings.h"
#include "widgets/commondlg.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kVelmoinit, argc, argv))
        return *answered;
    // The program takes no command line, and none of Qt's options either.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    loadInterfaceTranslation(app);
    QApplication::setApplicationName(ProgramNames::kVelmoinit);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/viewer_properties/running-32.png")));
    // One window: a second would save over the first one's settings. The
    // viewer that starts a second one links to the first one's ok2.
    SingleWindow single(SingleWindow::defaultPath(ProgramNames::kVelmoinit));
    if (const std::optional<int> exitCode = single.settle())
        return *exitCode;

    ViewerSettingsFile store;
    ProcessStarter starter;
    QtMessageBoxService messages;
    DesktopHelpViewer help;
    // mirwin.ini and tambwin.ini share a folder in either layout: the
    // program folder as built, the user's suite folder when installed.
    const QString settingsFolder = QFileInfo(MirwinSettingsFile::path()).absolutePath();
    SessionBusNotifier notifier;
    const PropertyServices services{store,           starter,           messages,       help, CommonDlg::defaultBinding(),
                                    programFolder(), QDir::currentPath(), settingsFolder, &notifier};
    PropertyWindow window(services);
    single.setWindow(&window);
    // Started from the menu: a running viewer reads the saved settings too.
    QObject::connect(&window, &PropertyWindow::savedUnheard, [] {
        ResidentChannel(ResidentChannel::defaultPath()).requestReload(QDeadlineTimer(2000));
    });
    // The program ends with the dialog, however it closes.
    window.exec();
    return 0;
}
