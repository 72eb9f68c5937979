#include "aboutwindow.h"
#include "mirinitwindow.h"
#include "mirwinsettingsfile.h"
#include "shared/ui/questionbox.h"

#include "shared/programfolder.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/interfacelanguage.h"
#include "shared/ui/messagebox.h"
#include "shared/ui/singlewindow.h"
#include "widgets/commondlg.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kMirinit, argc, argv))
        return *answered;
    // mirinit reads no command line: Qt gets none of the arguments either,
    // so an odd one (-platform, -reverse...) can neither abort nor mirror it.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    loadInterfaceTranslation(app);
    QApplication::setApplicationName(ProgramNames::kMirinit);
    QApplication::setApplicationVersion(AboutWindow::kVersion);
    QApplication::setWindowIcon(QIcon(AboutWindow::kIconPath));
    // One window: a second would save over the first one's mirwin.ini.
    SingleWindow single(SingleWindow::defaultPath(ProgramNames::kMirinit));
    if (const std::optional<int> exitCode = single.settle())
        return *exitCode;

    ProcessStarter starter;
    QtMessageBoxService messages;
    QtQuestionBox questions;
    MirinitWindow window({starter, CommonDlg::defaultBinding(), messages, questions},
                         MirwinSettingsFile::path(), programFolder());
    single.setWindow(&window);
    window.show();
    // Every way out closes the window, which saves the settings.
    return app.exec();
}
