#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A desktop notification server that shows nothing: it records the
// arguments of every Notify and answers with a new id, or with the id it
// was asked to replace. It lives in a thread of its own, so that a
// caller's blocking call on the test's thread gets its answer.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    // A server with these capabilities that has received nothing yet.
    void reset(const QStringList &capabilities)
    {
        QMutexLocker lock(&m_mutex);
        m_capabilities = capabilities;
        m_received.clear();
    }

    // Application name, icon, summary, body and the id replaced, of each Notify.
    QStringList received() const
    {
        QMutexLocker lock(&m_mutex);
        return m_received;
    }

public slots:
    QStringList GetCapabilities() const
    {
        QMutexLocker lock(&m_mutex);
        return m_capabilities;
    }
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int)
    {
        QMutexLocker lock(&m_mutex);
        m_received << appName << icon << summary << body << QString::number(replacesId);
        return replacesId != 0 ? replacesId : 40 + uint(m_received.size() / 5);
    }

private:
    QStringList m_capabilities;
    mutable QMutex m_mutex;
    QStringList m_received;
};
