#include "atomicwrite.h"

#include "errorreason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

AtomicWrite::WriteCall g_write = ::write;

bool failWith(int code, QString *error)
{
    if (error)
        *error = ErrorReason::fromErrno(code);
    return false;
}

// The file a path names once its links are followed; a link whose target
// is missing still names that target, which the writer then creates.
bool resolveLinks(QString *path, int *failure)
{
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray name = QFile::encodeName(*path);
        struct stat info{};
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(name.constData(), target.data(), target.size());
        if (length < 0 || length >= target.size()) {
            *failure = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        target.truncate(length);
        const QString next = QFile::decodeName(target);
        *path = QDir::isAbsolutePath(next) ? next : QFileInfo(*path).absolutePath() + QLatin1Char('/') + next;
    }
    *failure = ELOOP;
    return false;
}

// A new file in folder, named after base so a leftover is recognisable.
int createTemporary(const QString &folder, const QString &base, QByteArray *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = QFile::encodeName(folder + QStringLiteral("/.") + base + QLatin1Char('.')
                                  + QString::number(QRandomGenerator::global()->generate(), 36));
        // 0666 less the umask, as any new file of the user's.
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    return writeFileAtomically(path, QList<QByteArrayView>{data}, error);
}

bool writeFileAtomically(const QString &path, const QList<QByteArrayView> &parts, QString *error)
{
    QString target = QFileInfo(path).absoluteFilePath();
    int failure = 0;
    if (path.isEmpty())
        return failWith(ENOENT, error);
    if (!resolveLinks(&target, &failure))
        return failWith(failure, error);
    struct stat existing{};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return failWith(EISDIR, error);

    const QFileInfo info(target);
    QByteArray temporary;
    const int fd = createTemporary(info.absolutePath(), info.fileName(), &temporary);
    if (fd < 0)
        return failWith(errno, error);
    bool written = !exists || !S_ISREG(existing.st_mode) || ::fchmod(fd, existing.st_mode & 07777) == 0;
    for (const QByteArrayView part : parts) {
        if (!written)
            break;
        written = AtomicWrite::writeAll(fd, part);
    }
    // The data reaches the disk before the name does: a crash right after
    // the rename must not leave an empty file where the old one was.
    written = written && ::fsync(fd) == 0;
    failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && ::rename(temporary.constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (written)
        failure = errno;
    ::unlink(temporary.constData());
    return failWith(failure, error);
}

bool makeFolderPath(const QString &path, QString *error)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    qsizetype from = 1;
    while (true) {
        const qsizetype slash = absolute.indexOf(QLatin1Char('/'), from);
        const QByteArray step = QFile::encodeName(slash < 0 ? absolute : absolute.left(slash));
        if (::mkdir(step.constData(), 0777) != 0) {
            const int failure = errno;
            struct stat info{};
            if (::stat(step.constData(), &info) != 0)
                return failWith(failure, error);
            if (!S_ISDIR(info.st_mode))
                return failWith(ENOTDIR, error);
        }
        if (slash < 0)
            return true;
        from = slash + 1;
    }
}

namespace AtomicWrite {

WriteCall setWriteCall(WriteCall call)
{
    const WriteCall previous = g_write;
    g_write = call ? call : ::write;
    return previous;
}

bool writeAll(int fd, QByteArrayView data)
{
    const char *next = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = g_write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC; // no progress: the disk took nothing more
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

} // namespace AtomicWrite
