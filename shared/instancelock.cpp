#include "instancelock.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString &path) : m_path(path) {}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the descriptor lets go of the lock
}

InstanceLock::State InstanceLock::take()
{
    if (m_fd >= 0)
        return State::Held;
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("no folder that only this user can reach");
        return State::Unavailable;
    }
    // Never followed through a link, never blocked by a pipe, never handed
    // to the programs this one starts (they would keep it after it ends).
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = m_path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return State::Unavailable;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        m_error = m_path + QStringLiteral(": not a regular file");
        return State::Unavailable;
    }
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int failure = errno;
        ::close(fd);
        if (failure == EWOULDBLOCK)
            return State::HeldElsewhere;
        m_error = m_path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(failure));
        return State::Unavailable;
    }
    m_fd = fd;
    return State::Held;
}
