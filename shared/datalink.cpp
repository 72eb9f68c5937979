#include "datalink.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
constexpr int kRetryMs = 100;
}

QString dataLinkSocketPath(const QString &service, const QString &topic, const QString &item)
{
    const QByteArray key = (service + QChar(0x1f) + topic + QChar(0x1f) + item).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
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
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &DataLinkSource::acceptClients);
    // A socket file left by a source that died would block the name.
    QLocalServer::removeServer(m_path);
    return m_server->listen(m_path);
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
    m_active = true;
    m_connected = false;
    m_buffer.clear();
    m_consumed = 0;
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
    m_buffer += m_socket->readAll();
    // m_consumed moves past each line before it is handed on: a receiver
    // that runs a nested event loop (a message box) may bring this function
    // back, and the inner call must only see the lines not handed on yet.
    for (qsizetype end; m_active && (end = m_buffer.indexOf('\n', m_consumed)) >= 0;) {
        QByteArray line = m_buffer.mid(m_consumed, end - m_consumed);
        m_consumed = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        emit valueReceived(QString::fromUtf8(line));
    }
    if (!m_active)
        return;
    m_buffer.remove(0, m_consumed);
    m_consumed = 0;
    if (m_buffer.size() > kMaxLineBytes)
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
    m_buffer.clear();
    m_consumed = 0;
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    emit ended(reason);
}
