// The viewer's GUI module (velmo-gui.so): made by the program on first need.
#include "desktopnotification.h"
#include "platformservices.h"
#include "randomsource.h"
#include "residentchannel.h"
#include "residentstart.h"
#include "terminationwatcher.h"
#include "viewercontroller.h"
#include "viewergui.h"

#include "shared/programfolder.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/interfacelanguage.h"
#include "shared/ui/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <optional>

#include <fontconfig/fontconfig.h>

namespace {

// Qt's font database, torn down with the application, asks fontconfig for
// its configuration only to destroy it: a run that showed one quote and
// drew no text would read the whole configuration on its way out (some
// 10 ms). Handed an empty one just before, it has nothing to read.
struct FontConfigTeardown
{
    ~FontConfigTeardown() { FcConfigSetCurrent(FcConfigCreate()); }
};

class QtViewerGui : public ViewerGui
{
public:
    QtViewerGui(int *argc, char **argv) : m_argc(argc), m_argv(argv) {}

    void start() override
    {
        if (m_app)
            return;
        m_app.emplace(*m_argc, m_argv);
        m_fontConfigTeardown.emplace();
        loadInterfaceTranslation(*m_app);
        QApplication::setApplicationName(ProgramNames::kVelmo);
        QApplication::setApplicationVersion(QStringLiteral("5.01"));
        // The program lives in the notification area; closing a message box
        // must not end it.
        QApplication::setQuitOnLastWindowClosed(false);
        // From the event loop: reading the icon loads the image plugins,
        // which a viewer that shows one quote and ends does not need.
        QTimer::singleShot(0, &*m_app, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/viewer/running-32.png"))); });
    }

    MessageBoxService &messages() override
    {
        start();
        return m_messages;
    }

    DesktopNotifier &notifier() override
    {
        start(); // the session bus needs the application
        if (!m_notifier)
            m_notifier.emplace();
        return *m_notifier;
    }

    int runResident(ViewerSettingsStore &store, const QString &commandLine) override;

private:
    int *m_argc;
    char **m_argv;
    std::optional<QApplication> m_app;
    std::optional<FontConfigTeardown> m_fontConfigTeardown; // destroyed just before the application
    QtMessageBoxService m_messages;
    std::optional<SessionBusNotifier> m_notifier;
};

int QtViewerGui::runResident(ViewerSettingsStore &store, const QString &commandLine)
{
    start();
    // One resident viewer: a later start hands its command line to the
    // running one and ends.
    ResidentChannel channel;
    if (const std::optional<int> exitCode = ResidentStart::settle(channel, commandLine, m_messages))
        return *exitCode;

    SystemTrayView tray;
    QtTickTimer timer;
    ProcessStarter starter;
    ClockSeededRandom random;
    LocalPropertyLink link;
    const ViewerController::Services services{store,  tray, timer,           starter,             m_messages,
                                              random, link, programFolder(), QDir::currentPath(), &notifier()};
    ViewerController controller(services, commandLine);

    QObject::connect(&tray, &SystemTrayView::doubleClicked, &controller, &ViewerController::trayDoubleClick);
    QObject::connect(&tray, &SystemTrayView::propertiesRequested, &controller, &ViewerController::openProperties);
    QObject::connect(&tray, &SystemTrayView::playRequested, &controller, &ViewerController::playNow);
    QObject::connect(&tray, &SystemTrayView::stopRequested, &controller, &ViewerController::pauseRequested);
    QObject::connect(&tray, &SystemTrayView::endRequested, &controller, &ViewerController::quit);

    // Every way out closes in order: icon removed, reading position saved.
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &controller,
                     &ViewerController::quit);
    // The end of the session closes and ends the program like the menu's
    // exit: closing alone would leave it running without icon or timer
    // when the logout is cancelled.
    QObject::connect(&*m_app, &QGuiApplication::commitDataRequest, &controller,
                     [&controller](QSessionManager &) { controller.quit(); });
    QObject::connect(&*m_app, &QCoreApplication::aboutToQuit, &controller, &ViewerController::unload);

    int exitCode = 0;
    bool finished = false;
    QObject::connect(&controller, &ViewerController::finished, &*m_app, [&](int code) {
        exitCode = code;
        finished = true;
        QCoreApplication::exit(code);
    });
    // Listening before the first display: a start during it already finds
    // this viewer, and its text waits for the event loop.
    channel.setGate([&controller] { return controller.takesHandOvers(); });
    QObject::connect(&channel, &ResidentChannel::commandLineReceived, &controller,
                     &ViewerController::showHandedOver);
    QObject::connect(&channel, &ResidentChannel::reloadRequested, &controller, &ViewerController::reloadSettings);
    if (!channel.listen())
        std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramNames::kVelmo),
                     "later starts cannot reach this viewer (no local socket)");
    controller.load();
    if (finished)
        return exitCode;
    const int loopCode = m_app->exec();
    return finished ? exitCode : loopCode;
}

} // namespace

extern "C" Q_DECL_EXPORT ViewerGui *velmoCreateGui(int *argc, char **argv)
{
    return new QtViewerGui(argc, argv);
}
