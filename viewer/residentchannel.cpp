#include "residentchannel.h"

#include "shared/datalink.h"
#include "shared/programnames.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

namespace {
// A command line is one line of UTF-8; the answer is this line.
constexpr char kAccepted[] = "OK\n";
// A command line longer than this is no command line.
constexpr qint64 kMaxLineBytes = 256 * 1024;
} // namespace

QString ResidentChannel::defaultPath()
{
    return dataLinkSocketPath(ProgramNames::kVelmo, QStringLiteral("resident"), QStringLiteral("commandline"));
}

ResidentChannel::ResidentChannel(const QString &path, QObject *parent) : QObject(parent), m_path(path)
{
}

bool ResidentChannel::handOver(const QString &commandLine, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QString line = commandLine;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    socket.write(line.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == kAccepted;
}

bool ResidentChannel::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ResidentChannel::accept);
    // Nobody answered on it: the socket file is left by a viewer that died.
    QLocalServer::removeServer(m_path);
    return m_server->listen(m_path);
}

void ResidentChannel::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QPointer<QLocalSocket> guarded(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, guarded] {
            if (!guarded)
                return;
            if (!guarded->canReadLine()) {
                if (guarded->bytesAvailable() > kMaxLineBytes)
                    guarded->abort();
                return;
            }
            const QByteArray line = guarded->readLine().chopped(1);
            guarded->write(kAccepted);
            guarded->flush();
            guarded->disconnectFromServer();
            emit commandLineReceived(QString::fromUtf8(line));
        });
    }
}
