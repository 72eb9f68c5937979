#include "singlewindow.h"

#include "shared/datalink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {
constexpr char kRaise[] = "raise\n";
constexpr char kRaised[] = "raised\n";
constexpr int kRetryMs = 50;
} // namespace

QString SingleWindow::defaultPath(const QString &program)
{
    return dataLinkSocketPath(program, QStringLiteral("window"), QStringLiteral("raise"));
}

SingleWindow::SingleWindow(const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_lock(path.isEmpty() ? QString() : path + QStringLiteral(".lock"))
{
}

SingleWindow::~SingleWindow() = default;

std::optional<int> SingleWindow::settle(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        switch (m_lock.take()) {
        case InstanceLock::State::Held:
            m_server = new QLocalServer(this);
            // The folder keeps others out; the name is the lock holder's.
            m_server->setSocketOptions(QLocalServer::NoOptions);
            connect(m_server, &QLocalServer::newConnection, this, &SingleWindow::accept);
            QLocalServer::removeServer(m_path); // left by a window that died
            if (!m_server->listen(m_path))
                std::fprintf(stderr, "%s: a later start cannot raise this window: %s\n",
                             qPrintable(QCoreApplication::applicationName()), qPrintable(m_server->errorString()));
            return std::nullopt;
        case InstanceLock::State::Unavailable:
            std::fprintf(stderr, "%s: cannot tell whether the window is open already (%s)\n",
                         qPrintable(QCoreApplication::applicationName()), qPrintable(m_lock.errorString()));
            return std::nullopt;
        case InstanceLock::State::HeldElsewhere:
            break;
        }
        // The holder may be starting (no socket yet) or ending (the lock
        // is let go of soon): both are tried again.
        if (askToRaise(int(qMin<qint64>(deadline.remainingTime(), 1000))))
            return 0;
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "%s: the window that is open already does not answer\n",
                         qPrintable(QCoreApplication::applicationName()));
            return 1;
        }
        QThread::msleep(kRetryMs);
    }
}

bool SingleWindow::askToRaise(int waitMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(waitMs))
        return false;
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > qint64(sizeof kRaised) || !socket.waitForReadyRead(waitMs))
            return false;
    }
    return socket.readLine() == kRaised;
}

void SingleWindow::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!dataLinkPeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > qint64(sizeof kRaise))
                    socket->abort();
                return;
            }
            if (socket->readLine() != kRaise) {
                socket->abort();
                return;
            }
            if (m_window) {
                m_window->show();
                m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
                m_window->raise();
                m_window->activateWindow();
            }
            emit raiseRequested();
            socket->write(kRaised);
            socket->disconnectFromServer();
        });
    }
}

void SingleWindow::setWindow(QWidget *window)
{
    m_window = window;
}
