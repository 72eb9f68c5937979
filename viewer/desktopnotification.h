#pragma once

#include "viewerseams.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QString>

#include <optional>

class QDBusMessage;

// The quote as a message of the desktop's notification server, over the
// session bus. Each message replaces the one this notifier showed before,
// so a resident viewer leaves one on the screen, not a pile.
class SessionBusNotifier : public DesktopNotifier
{
    Q_DECLARE_TR_FUNCTIONS(SessionBusNotifier)

public:
    static inline const QString kService = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
    static inline const QString kIcon = QStringLiteral("titlecard-suite-velmo"); // the suite's themed icon
    // The server decides how long a message stays, as for every program.
    static constexpr int kExpireTimeout = -1;
    // A display waits this long for a busy server before the box takes over.
    static constexpr int kShowTimeoutMs = 3000;
    // The property window's question is answered by the bus itself.
    static constexpr int kProbeTimeoutMs = 500;

    // The session bus, reached on first use: a viewer that never notifies
    // never connects.
    SessionBusNotifier() = default;
    explicit SessionBusNotifier(const QDBusConnection &bus);

    bool available() override;
    bool show(const QString &summary, const QString &body, QString *reason) override;

private:
    QDBusMessage call(const QString &service, const QString &path, const QString &interface,
                      const QString &method, const QVariantList &arguments, int timeoutMs);

    std::optional<QDBusConnection> m_bus;
    quint32 m_shownId = 0; // 0 replaces nothing
};

// A body for a server that reads markup: the text shown as it is.
QString notificationBodyMarkup(const QString &text);
