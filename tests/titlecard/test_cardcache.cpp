#include "fakes/fixedclock.h"
#include "titlecard/cachedcard.h"
#include "titlecard/cardcache.h"
#include "titlecard/cardcomposition.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage pattern(const QSize &size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 3) & 0xFF, seed & 0xFF));
    return image;
}

bool load(const CardCache &cache, const QByteArray &key, const QSize &size, QImage *into = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    const bool hit = cache.load(key, size, image.bits(), image.sizeInBytes());
    if (into)
        *into = image;
    return hit;
}

bool store(const CardCache &cache, const QByteArray &key, const QImage &image,
           const QList<CardCache::Stamp> &stamps = {})
{
    return cache.store(key, image.size(), image.constBits(), image.sizeInBytes(), stamps);
}

} // namespace

class TestCardCache : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { QDir(folder()).removeRecursively(); }

    // Each kind of damage or change; every one is a miss, and the next
    // store replaces the entry so that it hits with the stored pixels.
    void entryNotUsed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("another key") << "key";
        QTest::newRow("another size") << "size";
        QTest::newRow("cut short") << "truncate";
        QTest::newRow("foreign file") << "foreign";
        QTest::newRow("dependency changed") << "stamp";
        QTest::newRow("dependency removed") << "remove stamp";
        QTest::newRow("a folder in its place") << "folder";
    }

    void entryNotUsed()
    {
        QFETCH(QString, change);
        const CardCache cache(folder());
        const QSize size(20, 10);
        const QString dependency = m_dir.filePath("face.ttf");
        writeFile(dependency, "outline");
        QVERIFY(store(cache, "key", pattern(size, 1), {CardCache::stampOf(dependency)}));
        const QString entry = cache.entryPath("key");
        QByteArray key = "key";
        QSize asked = size;
        QFile file(entry);
        if (change == "key") {
            key = "other";
        } else if (change == "size") {
            asked = QSize(10, 20); // the same number of pixels
        } else if (change == "truncate") {
            QVERIFY(file.resize(file.size() - 1));
        } else if (change == "foreign") {
            writeFile(entry, QByteArray(file.size(), 'z'));
        } else if (change == "stamp") {
            writeFile(dependency, "another outline");
        } else if (change == "remove stamp") {
            QVERIFY(QFile::remove(dependency));
        } else if (change == "folder") {
            QVERIFY(QFile::remove(entry) && QDir().mkpath(entry));
        }
        QVERIFY(!load(cache, key, asked));
        if (change == "folder")
            return;
        QVERIFY(store(cache, key, pattern(asked, 2), {CardCache::stampOf(dependency)}));
        QImage loaded;
        QVERIFY(load(cache, key, asked, &loaded));
        QCOMPARE(loaded, pattern(asked, 2));
    }

    void oldestDroppedBeyondBound()
    {
        const QSize size(64, 64); // 16 KiB of pixels each
        const CardCache cache(folder(), 40 * 1024);
        const QList<QByteArray> keys{"first", "second", "third"};
        for (int i = 0; i < keys.size(); ++i) {
            QVERIFY(store(cache, keys[i], pattern(size, i)));
            // Distinct times of last use on any file system.
            QFile entry(cache.entryPath(keys[i]));
            QVERIFY(entry.open(QIODevice::ReadWrite));
            QVERIFY(entry.setFileTime(QDateTime::currentDateTimeUtc().addSecs(i - 10), QFileDevice::FileModificationTime));
        }
        QVERIFY(!load(cache, "first", size));
        QVERIFY(load(cache, "second", size));
        QVERIFY(load(cache, "third", size));
    }

    void unwritableFolderReportsAndStillShowsTheCard()
    {
        writeFile(m_dir.filePath("blocked"), "a file where the folder would be");
        const CardCache cache(m_dir.filePath("blocked/cards"));
        QString error;
        const QImage card = pattern({8, 8}, 3);
        QVERIFY(!cache.store("key", card.size(), card.constBits(), card.sizeInBytes(), {}, &error));
        QVERIFY(!error.isEmpty());

        const CardRequest request = requestForArguments("12", FixedClock(), QString());
        const ComposedCard composed = CachedCard::compose(request, {320, 240}, cache);
        QCOMPARE(composed.image, composeCard(request, {320, 240}));
        QVERIFY(composed.afterFirstFrame);
        composed.afterFirstFrame(composed.image); // reports, does not throw or crash
    }

    // As tambwin does it: a hit returns the composed pixels without composing.
    void cachedCardMatchesComposition_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("hit");
        QTest::newRow("same card") << "12" << 0 << QSize(400, 300) << true;
        QTest::newRow("another title") << "13" << 0 << QSize(400, 300) << false;
        QTest::newRow("another font size") << "12" << -20 << QSize(400, 300) << false;
        QTest::newRow("another screen") << "12" << 0 << QSize(300, 400) << false;
    }

    void cachedCardMatchesComposition()
    {
        QFETCH(QString, arguments);
        QFETCH(int, height);
        QFETCH(QSize, screen);
        QFETCH(bool, hit);
        const CardCache cache(folder());
        const CardRequest first = requestForArguments("12", FixedClock(), QString());
        const ComposedCard shown = CachedCard::compose(first, {400, 300}, cache);
        QVERIFY(shown.afterFirstFrame);
        shown.afterFirstFrame(shown.image);

        CardRequest next = requestForArguments(arguments, FixedClock(), QString());
        next.font.lfHeight += height;
        // As tambwin does: the kept card read before the screen is known.
        const ComposedCard again = CachedCard::compose(next, screen, cache, CachedCard::readKept(next, cache));
        QCOMPARE(!again.afterFirstFrame, hit); // only a miss has a card to store
        QCOMPARE(again.image, composeCard(next, screen));
    }

private:
    QString folder() const { return m_dir.filePath("cards"); }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestCardCache)
#include "test_cardcache.moc"
