#pragma once

#include "trayactivation.h"
#include "traypresence.h"
#include "viewerseams.h"

#include "shared/datalink.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QTimer>

#include <QElapsedTimer>

#include <functional>

class QAction;
class TrayFallbackWindow;
class QMenu;
class QSystemTrayIcon;

// The one-minute timer of the resident viewer; between ticks it costs
// nothing.
class QtTickTimer : public TickTimer
{
public:
    explicit QtTickTimer(int intervalMs = 60000);
    void setHandler(std::function<void()> handler) override;
    void setRunning(bool running) override;

private:
    QTimer m_timer;
    std::function<void()> m_handler;
};

// The icon in the notification area with its pop-up menu `right`. The panel
// often starts after the programs of a login, and may go away and come
// back while the viewer runs: without a notification area for waitMs the
// view shows the menu's commands in a small ordinary window instead, so the
// viewer is never invisible, and the window goes when an area is back.
class SystemTrayView : public QObject, public TrayIconView
{
    Q_OBJECT
public:
    // What the view asks of the desktop, each a seam for the tests.
    struct Desktop
    {
        std::function<bool()> trayAvailable;  // a notification area is there now
        std::function<bool()> panelActivates; // a StatusNotifier panel is there now
    };
    static constexpr int kWaitMs = 30000;
    static constexpr int kPollMs = 2000;
    static const QString kIconName; // in the icon theme, as installed
    static const QString kPausedIconName;

    static Desktop realDesktop();

    explicit SystemTrayView(QObject *parent = nullptr);
    SystemTrayView(Desktop desktop, int waitMs, int pollMs, QObject *parent = nullptr);
    ~SystemTrayView() override;

    void addIcon(bool paused) override;
    void removeIcon() override;
    void setStopChecked(bool checked) override;
    void setStopEnabled(bool enabled) override;

    // One look at the desktop, as the poll takes it while the icon is wanted.
    void lookAtDesktop();

    // The stand-in window while it is shown; null while the icon has a place.
    TrayFallbackWindow *fallbackWindow() const { return m_fallback; }

signals:
    // A double click, or the panel's activation where that is the click.
    void doubleClicked();
    void propertiesRequested();
    void playRequested();
    void stopRequested();
    void endRequested();

private:
    void placeIcon();
    void makeIcon();
    void activated(int reason);
    void showFallbackWindow();
    void hideFallbackWindow();
    const QIcon &icon(bool paused);

    Desktop m_desktop;
    TrayPresence m_presence;
    QTimer m_poll; // looks at the desktop while the icon is wanted
    QElapsedTimer m_clock;
    TrayActivation m_activation;
    TrayFallbackWindow *m_fallback = nullptr;
    QList<QAction *> m_actions; // the menu's commands, in order
    QMenu *m_menu = nullptr;    // made with the icon, when it is first placed
    QSystemTrayIcon *m_icon = nullptr;
    QAction *m_stop = nullptr;
    QIcon m_running; // read on first use
    QIcon m_paused;
    bool m_wanted = false;    // added and not removed since
    bool m_pausedIcon = false;
    bool m_placeQueued = false;
};

// The property window's change notification over the local data link.
class LocalPropertyLink : public QObject, public PropertyLink
{
    Q_OBJECT
public:
    // How long the property window may take to publish its item.
    explicit LocalPropertyLink(int timeoutMs = 15000, QObject *parent = nullptr);
    void open(std::function<void(const QString &)> onValue, std::function<void()> onGone) override;
    void close() override;

private:
    DataLinkClient m_client;
    int m_timeoutMs;
    std::function<void(const QString &)> m_onValue;
    std::function<void()> m_onGone;
};
