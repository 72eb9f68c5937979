// The card cache's entries: whatever a file in the cache folder holds, a
// card is taken from it only when it is exactly an entry for that key and
// size, and then the card is its last bytes; a size is reported only when
// the header, stamps and pixels add up to the file's length, so no reader
// allocates for a size the file does not hold; a card stored is read back
// the same.
#include "fuzzcheck.h"

#include "titlecard/cardcache.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdint>

namespace {

constexpr int kWidth = 4;
constexpr int kHeight = 2;
constexpr qsizetype kPixelBytes = kWidth * kHeight * 4;
constexpr qsizetype kFixedHeaderBytes = 52; // magic, key digest, width, height, stamp bytes

const QByteArray kKey("fuzz");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    // The folder the cache's own one is in must be private too.
    static const CardCache cache(folder.filePath(QStringLiteral("cards")));
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    {
        QFile entry(cache.entryPath(kKey));
        FUZZ_CHECK(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(entry.write(bytes) == bytes.size());
    }

    const QSize stored = cache.storedSize(kKey);
    if (!stored.isEmpty()) {
        const quint32 stampBytes = qFromLittleEndian<quint32>(bytes.constData() + kFixedHeaderBytes - 4);
        FUZZ_CHECK(bytes.size() == kFixedHeaderBytes + stampBytes + qint64(stored.width()) * stored.height() * 4);
    }

    uchar pixels[kPixelBytes];
    const bool hit = cache.load(kKey, QSize(kWidth, kHeight), pixels, kPixelBytes);
    if (hit) {
        FUZZ_CHECK(bytes.startsWith("TCCARD01"));
        FUZZ_CHECK(bytes.right(kPixelBytes) == QByteArray(reinterpret_cast<const char *>(pixels), kPixelBytes));
        FUZZ_CHECK(cache.storedSize(kKey) == QSize(kWidth, kHeight));
    }
    FUZZ_CHECK(!cache.load("another key", QSize(kWidth, kHeight), pixels, kPixelBytes));

    // Stored over whatever was there, the card comes back as it was.
    uchar card[kPixelBytes];
    for (qsizetype i = 0; i < kPixelBytes; ++i)
        card[i] = static_cast<uchar>(i < bytes.size() ? bytes[i] : i);
    FUZZ_CHECK(cache.store(kKey, QSize(kWidth, kHeight), card, kPixelBytes, {}));
    FUZZ_CHECK(cache.load(kKey, QSize(kWidth, kHeight), pixels, kPixelBytes));
    FUZZ_CHECK(QByteArray(reinterpret_cast<const char *>(pixels), kPixelBytes)
               == QByteArray(reinterpret_cast<const char *>(card), kPixelBytes));
    return 0;
}
