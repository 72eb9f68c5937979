#pragma once

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
// often starts after the programs of a login, so the view waits up to
// waitMs for a notification area; without one it shows the menu's commands
// in a small ordinary window instead, so the viewer is never invisible.
class SystemTrayView : public QObject, public TrayIconView
{
    Q_OBJECT
public:
    // Whether the desktop has a notification area now.
    using Availability = std::function<bool()>;
    static constexpr int kWaitMs = 30000;

    explicit SystemTrayView(QObject *parent = nullptr);
    SystemTrayView(Availability available, int waitMs, int pollMs, QObject *parent = nullptr);
    ~SystemTrayView() override;

    void addIcon(bool paused) override;
    void removeIcon() override;
    void setStopChecked(bool checked) override;
    void setStopEnabled(bool enabled) override;

    // The stand-in window, once shown; null while the icon has a place.
    TrayFallbackWindow *fallbackWindow() const { return m_fallback; }

signals:
    void doubleClicked();
    void propertiesRequested();
    void playRequested();
    void stopRequested();
    void endRequested();

private:
    void waitForNotificationArea();
    void showFallbackWindow();
    void placeIcon();
    void makeIcon();
    const QIcon &icon(bool paused);

    Availability m_available;
    int m_waitMs;
    QTimer m_wait; // polls for the notification area while it is missing
    QElapsedTimer m_waited;
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
