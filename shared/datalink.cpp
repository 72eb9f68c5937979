#include "datalink.h"

#include "folderlock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kRetryMs = 100;
const QString kPrivateFolderName = QStringLiteral("datalink");

// A real folder (not a link to one) owned by the user, with no rights for
// group or others.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0;
}

QString privateCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString folder = cache + QLatin1Char('/') + kPrivateFolderName;
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    // A folder of ours that someone opened up is closed again; one that is
    // not ours is never used.
    struct stat info;
    if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) != 0)
        ::chmod(native.constData(), 0700);
    return isPrivateFolder(native) ? folder : QString();
}

enum class NameState {
    Free,
    Stale,   // a socket nobody listens on: its source died
    Live,    // a running source has it
    Blocked, // something that is not a socket, or no way to tell
};

NameState probeName(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return errno == ENOENT ? NameState::Free : NameState::Blocked;
    struct sockaddr_un address = {};
    if (!S_ISSOCK(info.st_mode) || native.size() >= qsizetype(sizeof address.sun_path))
        return NameState::Blocked;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), native.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return NameState::Blocked;
    const int result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    const int failure = errno;
    ::close(fd);
    if (result == 0 || failure == EAGAIN) // EAGAIN: alive, its queue is full
        return NameState::Live;
    return failure == ECONNREFUSED ? NameState::Stale : NameState::Blocked;
}

} // namespace

bool dataLinkPeerIsThisUser(qintptr descriptor)
{
    struct ucred credentials = {};
    socklen_t size = sizeof credentials;
    return ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0
        && credentials.uid == ::geteuid();
}

QString dataLinkFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && isPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    return privateCacheFolder();
}

QString dataLinkSocketPath(const QString &service, const QString &topic, const QString &item)
{
    const QString folder = dataLinkFolder();
    if (folder.isEmpty())
        return {};
    const QByteArray key = (service + QChar(0x1f) + topic + QChar(0x1f) + item).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return folder + QLatin1String("/datalink-") + QString::fromLatin1(hash);
}

DataLinkSource::DataLinkSource(const QString &service, const QString &topic, const QString &item,
                               QObject *parent)
    : QObject(parent), m_path(dataLinkSocketPath(service, topic, item))
{
}

DataLinkSource::~DataLinkSource()
{
    flush();
}

bool DataLinkSource::listen()
{
    if (m_server)
        return m_server->isListening();
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("no folder that only this user can reach");
        return false;
    }
    // Two sources starting at once look at the name one after the other.
    const FolderLock lock(QFileInfo(m_path).path());
    if (!lock.isLocked()) {
        m_error = lock.errorString();
        return false;
    }
    switch (probeName(m_path)) {
    case NameState::Live:
        m_error = QStringLiteral("%1 is in use by another running program").arg(m_path);
        return false;
    case NameState::Blocked:
        m_error = QStringLiteral("%1 is taken by something that is not a live link").arg(m_path);
        return false;
    case NameState::Stale:
        QFile::remove(m_path);
        break;
    case NameState::Free:
        break;
    }
    m_server = new QLocalServer(this);
    // No socket options: with them Qt makes the socket aside and renames it
    // into place, over whatever has the name. The folder keeps others out.
    m_server->setSocketOptions(QLocalServer::NoOptions);
    connect(m_server, &QLocalServer::newConnection, this, &DataLinkSource::acceptClients);
    if (!m_server->listen(m_path)) {
        m_error = m_server->errorString();
        return false;
    }
    return true;
}

void DataLinkSource::setText(const QString &text)
{
    m_text = text;
    m_text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const QPointer<QLocalSocket> &client : std::as_const(m_clients)) {
        if (client)
            send(client);
    }
}

void DataLinkSource::flush()
{
    for (const QPointer<QLocalSocket> &client : std::as_const(m_clients)) {
        if (client && client->state() == QLocalSocket::ConnectedState) {
            client->flush();
            if (client->bytesToWrite() > 0)
                client->waitForBytesWritten(1000);
        }
    }
}

void DataLinkSource::acceptClients()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!dataLinkPeerIsThisUser(socket->socketDescriptor())) {
            qWarning("datalink: dropped a connection from another user");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_clients.removeAll(nullptr);
        m_clients.append(socket);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Clients never talk; whatever they send is dropped.
        connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
        send(socket);
        emit clientConnected();
    }
}

void DataLinkSource::send(QLocalSocket *socket)
{
    socket->write(m_text.toUtf8() + '\n');
    socket->flush();
}

DataLinkClient::DataLinkClient(const QString &service, const QString &topic, const QString &item,
                               QObject *parent)
    : QObject(parent), m_path(dataLinkSocketPath(service, topic, item))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &DataLinkClient::tryConnect);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (!m_connected)
            finish(EndReason::NoAnswer);
    });
}

DataLinkClient::~DataLinkClient()
{
    m_active = false;
    if (m_socket)
        m_socket->disconnect(this);
}

void DataLinkClient::open(int timeoutMs)
{
    if (m_active)
        return;
    if (m_path.isEmpty()) {
        // No private folder: there is nothing to connect to.
        m_active = true;
        QTimer::singleShot(0, this, [this] { finish(EndReason::NoAnswer); });
        return;
    }
    m_active = true;
    m_connected = false;
    m_lines.clear();
    m_deadline.start(timeoutMs);
    tryConnect();
}

void DataLinkClient::close()
{
    if (m_active)
        finish(EndReason::Closed);
}

void DataLinkClient::tryConnect()
{
    if (!m_active || m_connected)
        return;
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->deleteLater();
    }
    m_socket = new QLocalSocket(this);
    connect(m_socket, &QLocalSocket::connected, this, [this] {
        if (!dataLinkPeerIsThisUser(m_socket->socketDescriptor())) {
            qWarning("datalink: the link belongs to another user; not followed");
            finish(EndReason::Stranger);
            return;
        }
        m_connected = true;
        m_deadline.stop();
    });
    connect(m_socket, &QLocalSocket::readyRead, this, &DataLinkClient::readLines);
    connect(m_socket, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError) {
        if (!m_connected) {
            // Not there yet: the source program may still be starting.
            if (m_active && m_deadline.isActive())
                m_retry.start();
        } else {
            readLines();
            finish(EndReason::Disconnected);
        }
    });
    connect(m_socket, &QLocalSocket::disconnected, this, [this] {
        if (m_connected) {
            // Lines that arrived together with the end still count.
            readLines();
            finish(EndReason::Disconnected);
        }
    });
    m_socket->connectToServer(m_path, QIODevice::ReadOnly);
}

void DataLinkClient::readLines()
{
    if (!m_socket)
        return;
    m_lines.append(m_socket->readAll());
    // A receiver that runs a nested event loop (a message box) may bring
    // this function back; the buffer hands each line on once.
    while (m_active) {
        const std::optional<QByteArray> line = m_lines.takeLine();
        if (!line)
            break;
        emit valueReceived(QString::fromUtf8(*line));
    }
    if (m_active && m_lines.overflowed())
        finish(EndReason::Disconnected);
}

void DataLinkClient::finish(EndReason reason)
{
    if (!m_active)
        return;
    m_active = false;
    m_connected = false;
    m_retry.stop();
    m_deadline.stop();
    m_lines.clear();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    emit ended(reason);
}
