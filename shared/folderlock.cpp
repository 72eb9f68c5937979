#include "folderlock.h"

#include "errorreason.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const QString &folder, int timeoutMs)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        m_error = ErrorReason::fromErrno(errno);
        return;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int failure = errno;
        if ((failure != EWOULDBLOCK && failure != EINTR) || deadline.hasExpired()) {
            m_error = ErrorReason::fromErrno(failure);
            ::close(fd);
            return;
        }
        // Holders keep it for a few milliseconds.
        QThread::msleep(5);
    }
    m_fd = fd;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the descriptor lets go of the lock
}
