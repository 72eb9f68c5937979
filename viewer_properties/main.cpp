#include "propertywindow.h"

#include "second_config/mirwinsettingsfile.h"
#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/japanesetranslation.h"
#include "shared/ui/helpviewer.h"
#include "shared/ui/messagebox.h"
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
    loadJapaneseTranslation(app);
    QApplication::setApplicationName(ProgramNames::kVelmoinit);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/viewer_properties/running-32.png")));

    ViewerSettingsFile store;
    ProcessStarter starter;
    QtMessageBoxService messages;
    DesktopHelpViewer help;
    // mirwin.ini and tambwin.ini share a folder in either layout: the
    // program folder as built, the user's suite folder when installed.
    const QString settingsFolder = QFileInfo(MirwinSettingsFile::path()).absolutePath();
    const PropertyServices services{store,           starter,           messages, help, CommonDlg::defaultBinding(),
                                    programFolder(), QDir::currentPath(), settingsFolder};
    PropertyWindow window(services);
    // The program ends with the dialog, however it closes.
    window.exec();
    return 0;
}
