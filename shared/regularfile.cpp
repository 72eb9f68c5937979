#include "regularfile.h"

#include "errorreason.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

Status open(QFile &file, const QString &path, int *errorCode)
{
    int ignored = 0;
    int &code = errorCode ? *errorCode : ignored;
    file.close();
    file.setFileName(path);
    if (path.isEmpty())
        return Status::Missing;
    // O_NONBLOCK keeps open() of a pipe without a writer (or of some
    // devices) from waiting; for a regular file it changes nothing.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        code = errno;
        return errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        code = errno;
        ::close(fd);
        return Status::Unreadable;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return Status::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        code = EBADF;
        ::close(fd);
        return Status::Unreadable;
    }
    return Status::Ok;
}

Head readHead(const QString &path, qint64 maxBytes)
{
    Head head;
    QFile file;
    head.status = open(file, path, &head.errorCode);
    if (head.status != Status::Ok)
        return head;
    // One byte more than wanted tells whether the file goes on.
    const qint64 want = qMax<qint64>(maxBytes, 0) + 1;
    QByteArray bytes(want, Qt::Uninitialized);
    qint64 got = 0;
    while (got < want) {
        const qint64 n = file.read(bytes.data() + got, want - got);
        if (n < 0) {
            head.status = Status::Unreadable;
            head.errorCode = EIO;
            return head;
        }
        if (n == 0)
            break;
        got += n;
    }
    head.complete = got < want;
    bytes.truncate(qMin(got, want - 1));
    head.bytes = bytes;
    return head;
}

QString reason(Status status, int errorCode)
{
    switch (status) {
    case Status::NotRegular:
        return ErrorReason::notRegularFile();
    case Status::Unreadable:
        return ErrorReason::fromErrno(errorCode ? errorCode : EIO);
    case Status::Ok:
    case Status::Missing:
        break;
    }
    return QString();
}

} // namespace RegularFile
