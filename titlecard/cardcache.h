#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class CacheFolder;

// Finished cards kept as raw 32-bit pixels, so that a card shown before
// comes up without fonts or composition. An entry is named by its key (all
// a card is made from that is not a file: program, version, title, font
// record) and holds, besides the pixels, the card's size and the files the
// card was made from with their size and time (the program itself, the
// face's font files, the font configuration and folders), so a font change
// or an update never shows a stale card. An entry is used only when every
// one of these still matches and the file has exactly the expected length;
// anything else (cut short, foreign, another size) is a miss and is
// replaced by the next store. Entries are written in one step; the oldest
// used are dropped once the folder grows beyond its bound.
//
// The folder and the one it is in are the cache's own (see CacheFolder):
// when either is a link, another user's or writable by others, nothing is
// read or stored. Only regular files named as the cache names its entries
// and its temporary files are counted or dropped; anything else there is
// left alone. An entry is believed only when its header, stamps and pixels
// add up to the file's length within the bound, so a forged header never
// makes the reader allocate more than the bound.
class CardCache
{
public:
    // A file a card depends on, as it was when the card was made.
    struct Stamp
    {
        QString path;
        qint64 size = -1;   // -1: missing
        qint64 mtimeNs = 0;
        bool operator==(const Stamp &other) const
        {
            return path == other.path && size == other.size && mtimeNs == other.mtimeNs;
        }
    };

    static constexpr qint64 kDefaultMaxBytes = 256LL * 1024 * 1024;

    // owner: the user the folders must belong to; the one running the
    // program unless a test stands in for another.
    explicit CardCache(const QString &folder, qint64 maxBytes = kDefaultMaxBytes,
                       std::optional<uint> owner = std::nullopt);

    // The user's cache folder for cards ($XDG_CACHE_HOME/<suite>/cards).
    static QString defaultFolder();
    static Stamp stampOf(const QString &path);

    // The size of the card the entry for key holds; empty when there is
    // no entry or it is not one, its length included, so a caller may
    // allocate for the size returned.
    QSize storedSize(const QByteArray &key) const;

    // Fills pixels (size.height() rows of size.width() 32-bit pixels, no
    // padding) from the entry for key; false on a miss.
    bool load(const QByteArray &key, const QSize &size, uchar *pixels, qsizetype bytes) const;
    // Stores the card; false with error set when the entry could not be
    // written (the card on screen is not affected).
    bool store(const QByteArray &key, const QSize &size, const uchar *pixels, qsizetype bytes,
               const QList<Stamp> &dependencies, QString *error = nullptr) const;

    // Whether there is an entry for key at all (of whatever size and
    // state); a quick look before deciding to load fonts.
    bool mayHold(const QByteArray &key) const;

    QString entryPath(const QByteArray &key) const;

private:
    void dropOldest(const QByteArray &kept) const;

    std::shared_ptr<const CacheFolder> m_folder; // shared by copies, used from the reading thread
    qint64 m_maxBytes;
};
