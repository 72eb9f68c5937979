#include "cachefolder.h"

#include "shared/atomicwrite.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kOwnLevels = 2;
constexpr int kTemporaryTag = 6;

QString systemError()
{
    return qt_error_string(errno);
}

// Opens the folder name inside parent without following a link, making it
// when missing; -1 with error set when it is not a folder of the owner's
// that only the owner may write to.
int openOwnFolder(int parent, const QString &path, uint owner, QString *error)
{
    const QByteArray name = QFile::encodeName(QDir(path).dirName());
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(parent, name.constData(), flags);
    if (fd < 0 && errno == ENOENT && (::mkdirat(parent, name.constData(), 0700) == 0 || errno == EEXIST))
        fd = ::openat(parent, name.constData(), flags);
    if (fd < 0) {
        *error = errno == ELOOP || errno == ENOTDIR ? QStringLiteral("%1 is a link or not a folder").arg(path)
                                                    : QStringLiteral("cannot open %1: %2").arg(path, systemError());
        return -1;
    }
    struct stat info{};
    if (::fstat(fd, &info) != 0)
        *error = QStringLiteral("cannot open %1: %2").arg(path, systemError());
    else if (info.st_uid != owner)
        *error = QStringLiteral("%1 belongs to another user").arg(path);
    else if (info.st_mode & (S_IWGRP | S_IWOTH))
        *error = QStringLiteral("%1 may be written by others").arg(path);
    else
        return fd;
    ::close(fd);
    return -1;
}

QByteArray temporaryName(const QByteArray &name)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary = '.' + name + '.';
    for (int i = 0; i < kTemporaryTag; ++i)
        temporary += kDigits[QRandomGenerator::global()->bounded(int(sizeof kDigits) - 1)];
    return temporary;
}

} // namespace

CacheFolder::CacheFolder(const QString &path, uint owner) : m_path(QDir::cleanPath(QDir(path).absolutePath()))
{
    QStringList own;
    QString base = m_path;
    for (int i = 0; i < kOwnLevels && base != QDir::rootPath(); ++i) {
        own.prepend(base);
        base = QFileInfo(base).path();
    }
    // The user's cache folder is the user's to place, a link included.
    QDir().mkpath(base);
    int fd = ::open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        m_error = QStringLiteral("cannot open %1: %2").arg(base, systemError());
    for (const QString &folder : std::as_const(own)) {
        if (fd < 0)
            return;
        const int inner = openOwnFolder(fd, folder, owner, &m_error);
        ::close(fd);
        fd = inner;
    }
    m_fd = fd;
}

CacheFolder::~CacheFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CacheFolder::openFile(QFile &file, const QByteArray &name) const
{
    file.close();
    if (m_fd < 0)
        return false;
    // O_NONBLOCK: a pipe in the file's place does not hold the open up.
    const int fd = ::openat(m_fd, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool CacheFolder::holdsFile(const QByteArray &name) const
{
    struct stat info{};
    return m_fd >= 0 && ::fstatat(m_fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

bool CacheFolder::replaceFile(const QByteArray &name, const QList<QByteArrayView> &parts, QString *error) const
{
    if (m_fd < 0) {
        *error = m_error;
        return false;
    }
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = temporaryName(name);
        fd = ::openat(m_fd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *error = QStringLiteral("cannot create a file in %1: %2").arg(m_path, systemError());
        return false;
    }
    bool written = true;
    for (const QByteArrayView part : parts)
        written = written && AtomicWrite::writeAll(fd, part);
    // No fsync: an entry cut short by a crash is a miss and is made again,
    // and syncing megabytes would hold up the card on screen.
    if (!written) {
        *error = QStringLiteral("cannot write to %1: %2").arg(m_path, systemError());
        ::close(fd);
    } else if (::close(fd) != 0) {
        *error = QStringLiteral("cannot write to %1: %2").arg(m_path, systemError());
        written = false;
    } else if (::renameat(m_fd, temporary.constData(), m_fd, name.constData()) != 0) {
        *error = QStringLiteral("cannot replace %1 in %2: %3").arg(QString::fromLatin1(name), m_path, systemError());
        written = false;
    }
    if (!written)
        ::unlinkat(m_fd, temporary.constData(), 0);
    return written;
}

QByteArray CacheFolder::nameOfTemporary(QByteArrayView fileName)
{
    const qsizetype length = fileName.size() - 2 - kTemporaryTag;
    if (length < 1 || fileName.front() != '.' || fileName[fileName.size() - 1 - kTemporaryTag] != '.')
        return {};
    for (const char c : fileName.last(kTemporaryTag)) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return {};
    }
    return fileName.sliced(1, length).toByteArray();
}

QList<CacheFolder::File> CacheFolder::regularFiles() const
{
    QList<File> files;
    if (m_fd < 0)
        return files;
    // A descriptor of its own, so the listing starts at the beginning.
    const int listed = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!dir) {
        if (listed >= 0)
            ::close(listed);
        return files;
    }
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info{};
        if (::fstatat(m_fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            files.append({entry->d_name, info.st_size,
                          qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    ::closedir(dir);
    return files;
}

bool CacheFolder::removeFile(const QByteArray &name) const
{
    return m_fd >= 0 && ::unlinkat(m_fd, name.constData(), 0) == 0;
}
