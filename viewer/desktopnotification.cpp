#include "desktopnotification.h"

#include <QDBusMessage>
#include <QVariantMap>

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
} // namespace

QString notificationBodyMarkup(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            escaped += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            escaped += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            escaped += QLatin1String("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

SessionBusNotifier::SessionBusNotifier(const QDBusConnection &bus) : m_bus(bus) {}

QDBusMessage SessionBusNotifier::call(const QString &service, const QString &path, const QString &interface,
                                      const QString &method, const QVariantList &arguments, int timeoutMs)
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected())
        return QDBusMessage::createError(QStringLiteral("org.freedesktop.DBus.Error.NoServer"),
                                         QStringLiteral("no session bus"));
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return m_bus->call(message, QDBus::Block, timeoutMs);
}

bool SessionBusNotifier::available()
{
    // A server the bus starts on the first message counts as well.
    const QDBusMessage owned = call(kBusService, kBusPath, kBusService, QStringLiteral("NameHasOwner"),
                                    {kService}, kProbeTimeoutMs);
    if (owned.type() != QDBusMessage::ReplyMessage)
        return false;
    if (owned.arguments().value(0).toBool())
        return true;
    const QDBusMessage startable = call(kBusService, kBusPath, kBusService, QStringLiteral("ListActivatableNames"),
                                        {}, kProbeTimeoutMs);
    return startable.type() == QDBusMessage::ReplyMessage
        && startable.arguments().value(0).toStringList().contains(kService);
}

bool SessionBusNotifier::show(const QString &summary, const QString &body, QString *reason)
{
    const QDBusMessage capabilities =
        call(kService, kPath, kInterface, QStringLiteral("GetCapabilities"), {}, kShowTimeoutMs);
    if (capabilities.type() != QDBusMessage::ReplyMessage) {
        *reason = capabilities.errorMessage();
        return false;
    }
    // Without markup a server shows the text as it is, entities included.
    const bool markup = capabilities.arguments().value(0).toStringList().contains(QStringLiteral("body-markup"));
    const QVariantList arguments = {tr("ヴェルモ"), // the program as the person reads it
                                    QVariant::fromValue(m_shownId),
                                    kIcon,
                                    summary,
                                    markup ? notificationBodyMarkup(body) : body,
                                    QStringList(),
                                    QVariantMap(),
                                    kExpireTimeout};
    const QDBusMessage reply = call(kService, kPath, kInterface, QStringLiteral("Notify"), arguments, kShowTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        *reason = reply.errorMessage();
        return false;
    }
    m_shownId = reply.arguments().value(0).toUInt();
    return true;
}
