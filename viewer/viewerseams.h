#pragma once

#include <QString>

#include <functional>

// The platform services of the resident viewer, each small enough for a
// test to stand in for it.

// The one-minute timer.
class TickTimer
{
public:
    virtual ~TickTimer() = default;
    virtual void setHandler(std::function<void()> handler) = 0;
    virtual void setRunning(bool running) = 0;
};

// The notification-area icon and the state of its menu. The icon is never
// changed in place: it is removed and added again with the other picture.
class TrayIconView
{
public:
    virtual ~TrayIconView() = default;
    virtual void addIcon(bool paused) = 0;
    virtual void removeIcon() = 0;
    virtual void setStopChecked(bool checked) = 0;
    virtual void setStopEnabled(bool enabled) = 0;
};

// The change notification from the property window: opened right after the
// window is started; delivers each new text; reports once that the link is
// over (closed, crashed or never answered).
class PropertyLink
{
public:
    virtual ~PropertyLink() = default;
    virtual void open(std::function<void(const QString &)> onValue, std::function<void()> onGone) = 0;
    virtual void close() = 0;
};

// The desktop's notification server, the fifth output.
class DesktopNotifier
{
public:
    virtual ~DesktopNotifier() = default;
    // Whether a server answers now, or would be started on the first
    // message; asked by the property window without waiting long.
    virtual bool available() = 0;
    // Shows summary and body (plain text) in place of the notification
    // this notifier showed last. False, with the reason, when no server
    // took it.
    virtual bool show(const QString &summary, const QString &body, QString *reason) = 0;
};
