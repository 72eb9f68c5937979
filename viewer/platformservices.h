#pragma once

#include "viewerseams.h"

#include "shared/datalink.h"

#include <QIcon>
#include <QObject>
#include <QTimer>

class QAction;
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

// The icon in the notification area with its pop-up menu `right`. Without a
// notification area the icon is simply never shown.
class SystemTrayView : public QObject, public TrayIconView
{
    Q_OBJECT
public:
    explicit SystemTrayView(QObject *parent = nullptr);
    ~SystemTrayView() override;

    void addIcon(bool paused) override;
    void removeIcon() override;
    void setStopChecked(bool checked) override;
    void setStopEnabled(bool enabled) override;

    QMenu *menu() const { return m_menu; }

signals:
    void doubleClicked();
    void propertiesRequested();
    void playRequested();
    void stopRequested();
    void endRequested();

private:
    QMenu *m_menu;
    QSystemTrayIcon *m_icon;
    QAction *m_stop;
    QIcon m_running;
    QIcon m_paused;
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
