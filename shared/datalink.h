#pragma once

#include "linebuffer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QLocalServer;
class QLocalSocket;

// A live text item that one program publishes and another follows: the
// source sends its current text to every client at connection and every
// new text after it, one UTF-8 line each, over a local socket named after
// (service, topic, item). Only the user's own programs take part: the
// socket lives in a folder nobody else can reach, and both ends drop a
// peer that runs as another user.

// The folder of the sockets: the user's runtime folder when it is a real
// folder owned by the user with no rights for anybody else, otherwise a
// folder "datalink" in the user's cache folder, made with those rights and
// checked after making it. Empty when neither can be had: there is then no
// link at all, never one in a shared folder.
QString dataLinkFolder();

// The socket path for one item (empty without a folder); the name is a
// hash, so any service text gives a short, safe file name.
QString dataLinkSocketPath(const QString &service, const QString &topic, const QString &item);

// Whether the process at the other end of a connected local socket runs
// as this user.
bool dataLinkPeerIsThisUser(qintptr descriptor);

class DataLinkSource : public QObject
{
    Q_OBJECT
public:
    DataLinkSource(const QString &service, const QString &topic, const QString &item,
                   QObject *parent = nullptr);
    ~DataLinkSource() override;

    // Starts publishing. False, with errorString() saying why, when the
    // socket cannot be made or another running source has the name; a name
    // left by a source that died is taken over.
    bool listen();
    QString errorString() const { return m_error; }
    QString text() const { return m_text; }
    // Line breaks cannot travel inside a line and become blanks.
    void setText(const QString &text);
    // Hands every pending line to the clients before the program ends.
    void flush();

signals:
    void clientConnected();

private:
    void acceptClients();
    void send(QLocalSocket *socket);

    QString m_path;
    QString m_text;
    QString m_error;
    QLocalServer *m_server = nullptr;
    QList<QPointer<QLocalSocket>> m_clients;
};

class DataLinkClient : public QObject
{
    Q_OBJECT
public:
    enum class EndReason {
        Disconnected, // the source closed or died, or sent garbage
        NoAnswer,     // no source appeared before the time ran out
        Closed,       // the client closed the link itself
        Stranger,     // the socket belongs to another user: dropped unheard
    };
    Q_ENUM(EndReason)

    // Longest line accepted; a peer that sends more without a line break is
    // treated as broken.
    static constexpr int kMaxLineBytes = 64 * 1024;

    DataLinkClient(const QString &service, const QString &topic, const QString &item,
                   QObject *parent = nullptr);
    ~DataLinkClient() override;

    // Connects as soon as the source exists, trying again until timeoutMs
    // has passed (the source program is usually still starting).
    void open(int timeoutMs);
    void close();
    bool isOpen() const { return m_active; }

signals:
    void valueReceived(const QString &value);
    void ended(DataLinkClient::EndReason reason);

private:
    void tryConnect();
    void readLines();
    void finish(EndReason reason);

    QString m_path;
    QLocalSocket *m_socket = nullptr;
    QTimer m_retry;
    QTimer m_deadline;
    LineBuffer m_lines{kMaxLineBytes};
    bool m_active = false;
    bool m_connected = false;
};
