#include "showonce.h"

#include "randomsource.h"
#include "terminationwatcher.h"
#include "viewercontroller.h"
#include "viewergui.h"
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

// Message boxes and the desktop's notifications; the first use loads the
// GUI and makes the application.
class MessagesOnDemand : public MessageBoxService
{
public:
    explicit MessagesOnDemand(std::function<ViewerGui &()> gui) : m_gui(std::move(gui)) {}
    void show(const QString &text, const QString &title, bool systemModal) override
    {
        m_gui().messages().show(text, title, systemModal);
    }
    void showWithDetails(const QString &text, const QString &title, const QString &details) override
    {
        m_gui().messages().showWithDetails(text, title, details);
    }

private:
    std::function<ViewerGui &()> m_gui;
};

class NotifierOnDemand : public DesktopNotifier
{
public:
    explicit NotifierOnDemand(std::function<ViewerGui &()> gui) : m_gui(std::move(gui)) {}
    bool available() override { return m_gui().notifier().available(); }
    bool show(const QString &summary, const QString &body, QString *reason) override
    {
        return m_gui().notifier().show(summary, body, reason);
    }

private:
    std::function<ViewerGui &()> m_gui;
};

} // namespace

int showOnce(ViewerSettingsStore &store, const QString &commandLine, const std::function<ViewerGui &()> &gui)
{
    NoTray tray;
    NoTimer timer;
    NoPropertyLink link;
    ProcessStarter starter;
    ClockSeededRandom random;
    ViewerController *shown = nullptr;
    std::unique_ptr<TerminationWatcher> termination;
    const auto windows = [&]() -> ViewerGui & {
        ViewerGui &started = gui();
        started.start();
        // Ended from outside while a box is open, it still closes in order.
        if (!termination && shown) {
            termination = std::make_unique<TerminationWatcher>();
            QObject::connect(termination.get(), &TerminationWatcher::terminationRequested, shown,
                             &ViewerController::quit);
        }
        return started;
    };
    MessagesOnDemand messages(windows);
    NotifierOnDemand notifier(windows);
    ViewerController controller({store, tray, timer, starter, messages, random, link, programFolder(),
                                 QDir::currentPath(), &notifier, [&windows] { windows(); }},
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
