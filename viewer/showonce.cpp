#include "showonce.h"

#include "desktopnotification.h"
#include "randomsource.h"
#include "terminationwatcher.h"
#include "viewercontroller.h"
#include "viewerseams.h"

#include "shared/programfolder.h"
#include "shared/programstarter.h"
#include "shared/ui/messagebox.h"

#include <QCoreApplication>
#include <QDir>

#include <memory>

namespace {

class NoTray : public TrayIconView
{
public:
    void addIcon(bool) override {}
    void removeIcon() override {}
    void setStopChecked(bool) override {}
    void setStopEnabled(bool) override {}
};

class NoTimer : public TickTimer
{
public:
    void setHandler(std::function<void()>) override {}
    void setRunning(bool) override {}
};

class NoPropertyLink : public PropertyLink
{
public:
    void open(std::function<void(const QString &)>, std::function<void()> onGone) override
    {
        if (onGone)
            onGone();
    }
    void close() override {}
};

// Message boxes; the first one makes the application.
class MessagesOnDemand : public MessageBoxService
{
public:
    explicit MessagesOnDemand(std::function<void()> startGui) : m_startGui(std::move(startGui)) {}
    void show(const QString &text, const QString &title, bool systemModal) override
    {
        m_startGui();
        m_boxes.show(text, title, systemModal);
    }
    void showWithDetails(const QString &text, const QString &title, const QString &details) override
    {
        m_startGui();
        m_boxes.showWithDetails(text, title, details);
    }

private:
    std::function<void()> m_startGui;
    QtMessageBoxService m_boxes;
};

// The desktop's notifications; the first one makes the application, which
// the session bus needs.
class NotifierOnDemand : public DesktopNotifier
{
public:
    explicit NotifierOnDemand(std::function<void()> startGui) : m_startGui(std::move(startGui)) {}
    bool available() override
    {
        m_startGui();
        return notifier().available();
    }
    bool show(const QString &summary, const QString &body, QString *reason) override
    {
        m_startGui();
        return notifier().show(summary, body, reason);
    }

private:
    SessionBusNotifier &notifier()
    {
        if (!m_notifier)
            m_notifier = std::make_unique<SessionBusNotifier>();
        return *m_notifier;
    }

    std::function<void()> m_startGui;
    std::unique_ptr<SessionBusNotifier> m_notifier;
};

} // namespace

int showOnce(ViewerSettingsStore &store, const QString &commandLine, const std::function<void()> &startGui)
{
    NoTray tray;
    NoTimer timer;
    NoPropertyLink link;
    ProcessStarter starter;
    ClockSeededRandom random;
    ViewerController *shown = nullptr;
    std::unique_ptr<TerminationWatcher> termination;
    const auto startWindows = [&] {
        startGui();
        // Ended from outside while a box is open, it still closes in order.
        if (!termination && shown) {
            termination = std::make_unique<TerminationWatcher>();
            QObject::connect(termination.get(), &TerminationWatcher::terminationRequested, shown,
                             &ViewerController::quit);
        }
    };
    MessagesOnDemand messages(startWindows);
    NotifierOnDemand notifier(startWindows);
    ViewerController controller({store, tray, timer, starter, messages, random, link, programFolder(),
                                 QDir::currentPath(), &notifier, startWindows},
                                commandLine);
    shown = &controller;
    int exitCode = 0;
    QObject::connect(&controller, &ViewerController::finished, [&exitCode](int code) {
        exitCode = code;
        QCoreApplication::exit(code); // leaves an open box's loop, when there is one
    });
    controller.load();
    controller.quit(); // nothing more when it closed already
    return exitCode;
}
