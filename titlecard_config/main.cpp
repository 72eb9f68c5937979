#include "configdialog.h"
#include "shared/ui/fontpicker.h"
#include "aboutdialog.h"

#include "shared/programfolder.h"
#include "shared/ui/installedfaces.h"
#include "shared/ui/interfacelanguage.h"
#include "shared/ui/messagebox.h"
#include "shared/ui/singlewindow.h"
#include "shared/programinfo.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "titlecard/titlefontfile.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = ProgramInfo::answer(ProgramNames::kTambinit, argc, argv))
        return *answered;
    // tambinit reads no command line: Qt gets none of the arguments either,
    // so an odd one (-platform, -reverse...) can neither abort nor mirror it.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    loadInterfaceTranslation(app);
    QApplication::setApplicationName(ProgramNames::kTambinit);
    QApplication::setWindowIcon(QIcon(AboutDialog::kIconPath));
    // One window: a second would save over the first one's font.
    SingleWindow single(SingleWindow::defaultPath(ProgramNames::kTambinit));
    if (const std::optional<int> exitCode = single.settle())
        return *exitCode;

    ProcessStarter starter;
    FontDialogPicker picker;
    InstalledFaces faces;
    QtMessageBoxService messages;
    // tambwin.ini where tambwin reads it: the current directory, or the
    // user's suite folder when installed.
    ConfigDialog dialog(starter, picker, faces, messages, programFolder(), TitleFontFile::path());
    single.setWindow(&dialog);
    dialog.exec();
    // Exit, Esc and the close box all end the program normally.
    return 0;
}
