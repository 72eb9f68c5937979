#include "cardcache.h"

#include "shared/atomicwrite.h"
#include "shared/regularfile.h"
#include "shared/settingslocation.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

constexpr char kMagic[8] = {'T', 'C', 'C', 'A', 'R', 'D', '0', '1'};
constexpr qsizetype kFixedHeaderBytes = 8 + 32 + 4 + 4 + 4;
// Far more than the few hundred font files and folders of a system.
constexpr quint32 kMaxStampBytes = 1024 * 1024;
constexpr char kSuffix[] = ".card";
// No screen is larger; a header claiming more is not ours.
constexpr int kMaxSide = 16384;
// A temporary file younger than this may still be being written by
// another card.
constexpr qint64 kTemporaryGraceMs = 60 * 1000;

QByteArray digest(const QByteArray &key)
{
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256);
}

qsizetype pixelBytes(const QSize &size)
{
    if (size.isEmpty())
        return -1;
    return qsizetype(size.width()) * size.height() * 4;
}

QByteArray encodeStamps(const QList<CardCache::Stamp> &stamps)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(stamps.size());
    for (const CardCache::Stamp &s : stamps)
        out << s.path.toUtf8() << s.size << s.mtimeNs;
    return bytes;
}

// True when every file listed is still as it was.
bool stampsHold(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QByteArray path;
        CardCache::Stamp stored;
        in >> path >> stored.size >> stored.mtimeNs;
        stored.path = QString::fromUtf8(path);
        if (in.status() != QDataStream::Ok || !(CardCache::stampOf(stored.path) == stored))
            return false;
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

} // namespace

CardCache::CardCache(const QString &folder, qint64 maxBytes) : m_folder(folder), m_maxBytes(maxBytes) {}

QString CardCache::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QLatin1Char('/')
           + SettingsLocation::suiteFolderName() + QStringLiteral("/cards");
}

CardCache::Stamp CardCache::stampOf(const QString &path)
{
    Stamp stamp;
    stamp.path = path;
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        stamp.size = info.st_size;
        stamp.mtimeNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    }
    return stamp;
}

QString CardCache::entryPath(const QByteArray &key) const
{
    return m_folder + QLatin1Char('/') + QString::fromLatin1(digest(key).toHex().left(32)) + QLatin1String(kSuffix);
}

bool CardCache::mayHold(const QByteArray &key) const
{
    return QFileInfo(entryPath(key)).isFile();
}

QSize CardCache::storedSize(const QByteArray &key) const
{
    QFile file;
    if (RegularFile::open(file, entryPath(key)) != RegularFile::Status::Ok)
        return {};
    const QByteArray header = file.read(kFixedHeaderBytes);
    if (header.size() != kFixedHeaderBytes || !header.startsWith(QByteArray(kMagic, 8)))
        return {};
    QDataStream fields(header.mid(40));
    fields.setByteOrder(QDataStream::LittleEndian);
    quint32 width = 0, height = 0;
    fields >> width >> height;
    if (width == 0 || height == 0 || width > quint32(kMaxSide) || height > quint32(kMaxSide))
        return {};
    return QSize(int(width), int(height));
}

bool CardCache::load(const QByteArray &key, const QSize &size, uchar *pixels, qsizetype bytes) const
{
    if (!pixels || bytes != pixelBytes(size))
        return false;
    const QString path = entryPath(key);
    QFile file;
    if (RegularFile::open(file, path) != RegularFile::Status::Ok)
        return false;
    const QByteArray header = file.read(kFixedHeaderBytes);
    if (header.size() != kFixedHeaderBytes || !header.startsWith(QByteArray(kMagic, 8))
        || header.mid(8, 32) != digest(key))
        return false;
    QDataStream fields(header.mid(40));
    fields.setByteOrder(QDataStream::LittleEndian);
    quint32 width = 0, height = 0, stampBytes = 0;
    fields >> width >> height >> stampBytes;
    if (width != quint32(size.width()) || height != quint32(size.height()) || stampBytes > kMaxStampBytes
        || file.size() != kFixedHeaderBytes + qint64(stampBytes) + bytes)
        return false;
    if (!stampsHold(file.read(stampBytes)))
        return false;
    if (file.read(reinterpret_cast<char *>(pixels), bytes) != bytes)
        return false;
    // Marks the entry as recently used, so it is among the last dropped.
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return true;
}

bool CardCache::store(const QByteArray &key, const QSize &size, const uchar *pixels, qsizetype bytes,
                      const QList<Stamp> &dependencies, QString *error) const
{
    if (!pixels || bytes != pixelBytes(size)) {
        if (error)
            *error = QStringLiteral("no card to store");
        return false;
    }
    const QByteArray stamps = encodeStamps(dependencies);
    if (quint32(stamps.size()) > kMaxStampBytes || kFixedHeaderBytes + stamps.size() + bytes > m_maxBytes) {
        if (error)
            *error = QStringLiteral("the card is too large for the cache");
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(m_folder);
        return false;
    }
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QByteArray header(kMagic, 8);
    header.append(digest(key));
    {
        QDataStream out(&header, QIODevice::Append);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(size.width()) << quint32(size.height()) << quint32(stamps.size());
    }
    const QString path = entryPath(key);
    // In parts: the pixels are not copied into one block first.
    if (!writeFileAtomically(path, {header, stamps, QByteArrayView(pixels, bytes)}, error))
        return false;
    dropOldest(path);
    return true;
}

void CardCache::dropOldest(const QString &kept) const
{
    QDir folder(m_folder);
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Time | QDir::Reversed);
    qint64 total = 0;
    for (const QFileInfo &info : files)
        total += info.size();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QFileInfo &info : files) { // oldest first
        if (total <= m_maxBytes)
            break;
        if (info.absoluteFilePath() == QFileInfo(kept).absoluteFilePath())
            continue;
        const bool entry = info.fileName().endsWith(QLatin1String(kSuffix));
        if (!entry && info.lastModified().msecsTo(now) < kTemporaryGraceMs)
            continue;
        if (QFile::remove(info.absoluteFilePath()))
            total -= info.size();
    }
}
