#pragma once

#include "shared/instancelock.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// One resident viewer per user. The resident one holds a lock beside the
// data link's sockets (the same per-user private folder) for its whole life
// and listens on a socket there; a later start that finds the lock held
// hands its command line over and ends instead of becoming resident too.
//
// A hand-over is the command line's length in decimal and a line break,
// then its UTF-8 bytes; the resident answers "OK" (it will show it) or "NO"
// (it cannot now), and a later start that heard "OK" confirms with "GO".
// Only then does the resident act, so a start that gave up waiting (the
// resident was stopped) never has its text shown behind its back.
//
// The property window, when the viewer did not start it, sends the line
// "reload" instead: its settings were saved and are to be read again. The
// resident answers "OK" and acts on it as on the link's "OK".
class ResidentChannel : public QObject
{
    Q_OBJECT
public:
    // More than a program's whole command line can hold on Linux (at most
    // 6 MiB of arguments and environment), so every start fits.
    static constexpr qint64 kMaxCommandLineBytes = 8 * 1024 * 1024;

    // The channel's socket; tests name their own. Its lock is beside it.
    static QString defaultPath();

    explicit ResidentChannel(const QString &path = defaultPath(), QObject *parent = nullptr);
    ~ResidentChannel() override;

    // Takes the resident viewer's lock without waiting; it is held for the
    // life of this object.
    InstanceLock::State claim() { return m_lock.take(); }
    QString lockError() const { return m_lock.errorString(); }

    enum class HandOver {
        Accepted, // the resident viewer will show it
        Refused,  // it answered that it cannot, or the text is too long
        NoAnswer, // nobody listens, or no answer came before the deadline
    };
    HandOver handOver(const QString &commandLine, QDeadlineTimer deadline) const;

    // Tells the resident viewer to read its settings again. False when no
    // viewer answered before the deadline.
    bool requestReload(QDeadlineTimer deadline) const;

    // Starts listening: later starts reach this viewer.
    bool listen();
    // Asked when a command line has arrived whole: whether the viewer takes
    // one now. It must not show anything (the later start is waiting).
    void setGate(std::function<bool()> gate) { m_gate = std::move(gate); }

signals:
    // A later start's command line (empty when it had none), once that
    // start has heard that it will be shown.
    void commandLineReceived(const QString &commandLine);
    // The viewer's settings were saved by a property window it did not start.
    void reloadRequested();

private:
    struct Incoming;
    void accept();
    void receive(QLocalSocket *socket, Incoming &incoming);

    QString m_path;
    InstanceLock m_lock;
    QLocalServer *m_server = nullptr;
    std::function<bool()> m_gate;
};
