#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One resident viewer per user: the first one listens on a local socket
// beside the data link's (the same per-user private folder); a second start
// hands its command line to it and ends instead of becoming resident too.
class ResidentChannel : public QObject
{
    Q_OBJECT
public:
    // The channel's socket; tests name their own.
    static QString defaultPath();

    explicit ResidentChannel(const QString &path = defaultPath(), QObject *parent = nullptr);

    // Hands commandLine to a viewer listening on the channel. False when
    // none answers within timeoutMs (none runs, or it hung).
    bool handOver(const QString &commandLine, int timeoutMs = 3000) const;

    // Starts listening: later starts reach this viewer.
    bool listen();

signals:
    // A later start's command line (empty when it had none).
    void commandLineReceived(const QString &commandLine);

private:
    void accept();

    QString m_path;
    QLocalServer *m_server = nullptr;
};
