#include "residentchannel.h"

#include "shared/datalink.h"
#include "shared/programnames.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <limits>
#include <memory>
#include <utility>

namespace {
constexpr char kAccepted[] = "OK\n";
constexpr char kRefused[] = "NO\n";
constexpr char kGo[] = "GO\n";
constexpr char kReload[] = "reload";
// "8388608\n" and the answers fit with room to spare.
constexpr qsizetype kMaxShortLine = 16;

int remainingMs(const QDeadlineTimer &deadline)
{
    const qint64 ms = deadline.remainingTime(); // -1: no deadline, as for waitFor...()
    return static_cast<int>(qMin<qint64>(ms, std::numeric_limits<int>::max()));
}

// A length strictly in decimal digits, or -1.
qint64 parseLength(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 10)
        return -1;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
    }
    return text.toLongLong();
}

bool writeAll(QLocalSocket &socket, const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    }
    return true;
}

// The first line of the answer, or empty when none came in time.
QByteArray readAnswer(QLocalSocket &socket, const QDeadlineTimer &deadline)
{
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > kMaxShortLine || !socket.waitForReadyRead(remainingMs(deadline)))
            return {};
    }
    return socket.readLine();
}
} // namespace

struct ResidentChannel::Incoming
{
    QByteArray buffer;
    qint64 length = -1;     // of the command line, once its header has come
    bool accepted = false;  // "OK" sent: waiting for "GO"
    bool done = false;
    QString commandLine;
};

QString ResidentChannel::defaultPath()
{
    return dataLinkSocketPath(ProgramNames::kVelmo, QStringLiteral("resident"), QStringLiteral("commandline"));
}

ResidentChannel::ResidentChannel(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_lock(path.isEmpty() ? QString() : path + QStringLiteral(".lock"))
{
}

ResidentChannel::~ResidentChannel() = default;

ResidentChannel::HandOver ResidentChannel::handOver(const QString &commandLine, QDeadlineTimer deadline) const
{
    const QByteArray bytes = commandLine.toUtf8();
    if (bytes.size() > kMaxCommandLineBytes)
        return HandOver::Refused;
    if (m_path.isEmpty())
        return HandOver::NoAnswer;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(remainingMs(deadline))
        || !writeAll(socket, QByteArray::number(bytes.size()) + '\n' + bytes, deadline))
        return HandOver::NoAnswer;
    const QByteArray answer = readAnswer(socket, deadline);
    if (answer == kRefused)
        return HandOver::Refused;
    if (answer != kAccepted)
        return HandOver::NoAnswer;
    // Once in the socket the word reaches the viewer even if this program
    // ends at once.
    return writeAll(socket, kGo, deadline) ? HandOver::Accepted : HandOver::NoAnswer;
}

bool ResidentChannel::requestReload(QDeadlineTimer deadline) const
{
    if (m_path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    return socket.waitForConnected(remainingMs(deadline)) && writeAll(socket, kReload + QByteArray("\n"), deadline)
           && readAnswer(socket, deadline) == kAccepted;
}

bool ResidentChannel::listen()
{
    if (m_server)
        return m_server->isListening();
    if (m_path.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    // No socket options: the folder keeps others out, and the name is
    // ours to take (the holder of the lock is the only viewer listening).
    m_server->setSocketOptions(QLocalServer::NoOptions);
    connect(m_server, &QLocalServer::newConnection, this, &ResidentChannel::accept);
    QLocalServer::removeServer(m_path); // left by a viewer that died
    return m_server->listen(m_path);
}

void ResidentChannel::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        auto incoming = std::make_shared<Incoming>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, incoming] { receive(socket, *incoming); });
    }
}

void ResidentChannel::receive(QLocalSocket *socket, Incoming &in)
{
    if (in.done)
        return;
    in.buffer += socket->readAll();
    const auto drop = [&] {
        in.done = true;
        in.buffer.clear();
        socket->abort();
    };
    if (in.length < 0) {
        const qsizetype end = in.buffer.indexOf('\n');
        if (end < 0) {
            if (in.buffer.size() > kMaxShortLine)
                drop();
            return;
        }
        const QByteArray header = in.buffer.left(end);
        in.buffer.remove(0, end + 1);
        if (header == kReload) {
            in.done = true;
            socket->write(kAccepted);
            socket->disconnectFromServer();
            QMetaObject::invokeMethod(this, &ResidentChannel::reloadRequested, Qt::QueuedConnection);
            return;
        }
        in.length = parseLength(header);
        if (in.length < 0) {
            drop();
            return;
        }
        if (in.length > kMaxCommandLineBytes) {
            in.done = true;
            socket->write(kRefused);
            socket->disconnectFromServer();
            return;
        }
    }
    if (!in.accepted) {
        if (in.buffer.size() < in.length)
            return;
        in.commandLine = QString::fromUtf8(in.buffer.left(in.length));
        in.buffer.remove(0, in.length);
        in.accepted = m_gate && m_gate();
        socket->write(in.accepted ? kAccepted : kRefused);
        socket->flush();
        if (!in.accepted) {
            in.done = true;
            socket->disconnectFromServer();
            return;
        }
    }
    if (in.buffer.size() < qsizetype(sizeof kGo - 1))
        return;
    const bool go = in.buffer.startsWith(kGo);
    in.done = true;
    in.buffer.clear();
    socket->disconnectFromServer();
    if (!go)
        return;
    // From the event loop: its display may open a box, and this socket's
    // handler is no place to wait for a person.
    QMetaObject::invokeMethod(
        this, [this, commandLine = std::exchange(in.commandLine, QString())] { emit commandLineReceived(commandLine); },
        Qt::QueuedConnection);
}
