#include "cardcache.h"

#include "cachefolder.h"

#include "shared/settingslocation.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagic[8] = {'T', 'C', 'C', 'A', 'R', 'D', '0', '1'};
constexpr qsizetype kFixedHeaderBytes = 8 + 32 + 4 + 4 + 4;
// Far more than the few hundred font files and folders of a system.
constexpr quint32 kMaxStampBytes = 1024 * 1024;
constexpr char kSuffix[] = ".card";
constexpr qsizetype kNameDigits = 32;
// No screen is larger; a header claiming more is not ours.
constexpr int kMaxSide = 16384;
// A temporary file younger than this may still be being written by
// another card.
constexpr qint64 kTemporaryGraceNs = 60LL * 1000 * 1000 * 1000;

QByteArray digest(const QByteArray &key)
{
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256);
}

QByteArray entryName(const QByteArray &key)
{
    return digest(key).toHex().left(kNameDigits) + kSuffix;
}

// Whether the file is one the cache wrote: an entry or a temporary file of
// one. Nothing else in the folder is counted or dropped.
bool isOwnFile(const QByteArray &fileName)
{
    const QByteArray temporaryOf = CacheFolder::nameOfTemporary(fileName);
    const QByteArray name = temporaryOf.isEmpty() ? fileName : temporaryOf;
    return name.size() == kNameDigits + qsizetype(sizeof kSuffix) - 1 && name.endsWith(kSuffix)
           && std::all_of(name.begin(), name.begin() + kNameDigits,
                          [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
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

struct Header
{
    QSize size;
    quint32 stampBytes = 0;
};

// The header of the entry for key open in file, when it is one and it, its
// stamps and its pixels make up exactly the file's length (fstat of the
// open file) within maxBytes; read before anything is allocated for it.
std::optional<Header> readHeader(QFile &file, const QByteArray &key, qint64 maxBytes)
{
    const QByteArray bytes = file.read(kFixedHeaderBytes);
    if (bytes.size() != kFixedHeaderBytes || !bytes.startsWith(QByteArray(kMagic, 8)) || bytes.mid(8, 32) != digest(key))
        return std::nullopt;
    QDataStream fields(bytes.mid(40));
    fields.setByteOrder(QDataStream::LittleEndian);
    quint32 width = 0, height = 0;
    Header header;
    fields >> width >> height >> header.stampBytes;
    if (width == 0 || height == 0 || width > quint32(kMaxSide) || height > quint32(kMaxSide)
        || header.stampBytes > kMaxStampBytes)
        return std::nullopt;
    header.size = QSize(int(width), int(height));
    const qint64 total = kFixedHeaderBytes + qint64(header.stampBytes) + pixelBytes(header.size);
    if (total != file.size() || total > maxBytes)
        return std::nullopt;
    return header;
}

} // namespace

CardCache::CardCache(const QString &folder, qint64 maxBytes, std::optional<uint> owner)
    : m_folder(std::make_shared<const CacheFolder>(folder, owner.value_or(uint(::geteuid())))), m_maxBytes(maxBytes)
{
}

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
    return m_folder->path() + QLatin1Char('/') + QString::fromLatin1(entryName(key));
}

bool CardCache::mayHold(const QByteArray &key) const
{
    return m_folder->holdsFile(entryName(key));
}

QSize CardCache::storedSize(const QByteArray &key) const
{
    QFile file;
    if (!m_folder->openFile(file, entryName(key)))
        return {};
    const std::optional<Header> header = readHeader(file, key, m_maxBytes);
    return header ? header->size : QSize();
}

bool CardCache::load(const QByteArray &key, const QSize &size, uchar *pixels, qsizetype bytes) const
{
    if (!pixels || bytes != pixelBytes(size))
        return false;
    QFile file;
    if (!m_folder->openFile(file, entryName(key)))
        return false;
    const std::optional<Header> header = readHeader(file, key, m_maxBytes);
    if (!header || header->size != size || !stampsHold(file.read(header->stampBytes))
        || file.read(reinterpret_cast<char *>(pixels), bytes) != bytes)
        return false;
    // Marks the entry as recently used, so it is among the last dropped.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
    ::futimens(file.handle(), times);
    return true;
}

bool CardCache::store(const QByteArray &key, const QSize &size, const uchar *pixels, qsizetype bytes,
                      const QList<Stamp> &dependencies, QString *error) const
{
    QString reason;
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!pixels || bytes != pixelBytes(size))
        return fail(QStringLiteral("no card to store"));
    const QByteArray stamps = encodeStamps(dependencies);
    if (quint32(stamps.size()) > kMaxStampBytes || kFixedHeaderBytes + stamps.size() + bytes > m_maxBytes)
        return fail(QStringLiteral("the card is too large for the cache"));

    QByteArray header(kMagic, 8);
    header.append(digest(key));
    {
        QDataStream out(&header, QIODevice::Append);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(size.width()) << quint32(size.height()) << quint32(stamps.size());
    }
    const QByteArray name = entryName(key);
    // In parts: the pixels are not copied into one block first.
    if (!m_folder->replaceFile(name, {header, stamps, QByteArrayView(pixels, bytes)}, &reason))
        return fail(reason);
    dropOldest(name);
    return true;
}

void CardCache::dropOldest(const QByteArray &kept) const
{
    QList<CacheFolder::File> files = m_folder->regularFiles();
    files.removeIf([](const CacheFolder::File &file) { return !isOwnFile(file.name); });
    std::sort(files.begin(), files.end(),
              [](const CacheFolder::File &a, const CacheFolder::File &b) { return a.mtimeNs < b.mtimeNs; });
    qint64 total = 0;
    for (const CacheFolder::File &file : std::as_const(files))
        total += file.size;
    struct timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 nowNs = qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    for (const CacheFolder::File &file : std::as_const(files)) { // oldest first
        if (total <= m_maxBytes)
            break;
        if (file.name == kept)
            continue;
        const bool temporary = !CacheFolder::nameOfTemporary(file.name).isEmpty();
        if (temporary && nowNs - file.mtimeNs < kTemporaryGraceNs)
            continue;
        if (m_folder->removeFile(file.name))
            total -= file.size;
    }
}
