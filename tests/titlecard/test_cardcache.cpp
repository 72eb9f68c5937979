#include "fakes/filebytes.h"
#include "fakes/fixedclock.h"
#include "second_card/mirwincard.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/programnames.h"
#include "third_card/dastorcard.h"
#include "titlecard/backgroundpicture.h"
#include "titlecard/cachedcard.h"
#include "titlecard/cardcache.h"
#include "titlecard/cardcomposition.h"
#include "titlecard/cardrenderer.h"
#include "titlecard/titletable.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QImage pattern(const QSize &size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 3) & 0xFF, seed & 0xFF));
    return image;
}

// The stored card, or a null image on a miss.
QImage load(const CardCache &cache, const QByteArray &key, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    return cache.load(key, size, image.bits(), image.sizeInBytes()) ? image : QImage();
}

bool store(const CardCache &cache, const QByteArray &key, const QImage &image,
           const QList<CardCache::Stamp> &stamps = {})
{
    return cache.store(key, image.size(), image.constBits(), image.sizeInBytes(), stamps);
}

// Kind and permissions; -1 when there is nothing.
int modeOf(const QString &path)
{
    struct stat info{};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode) : -1;
}

// Last modified the given number of seconds ago (a link itself, not what it
// points at).
void age(const QString &path, int seconds)
{
    const struct timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// The card as it was first composed, written plainly with QPainter: the
// picture drawn over a black screen without smoothing, the whole-screen
// text layer ORed on by a raster operation.
QImage plainCard(const QImage &picture, const QString &title, const TitleFont &font, const QSize &screen)
{
    QImage card(screen, QImage::Format_RGB32);
    card.fill(Qt::black);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!picture.isNull())
        painter.drawImage(QRect(QPoint(0, 0), screen), picture, picture.rect());
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, CardRenderer::textLayer(title, font, screen));
    return card;
}

// Every column and every row differs from its neighbours, so a pixel taken
// from one column or row too far shows.
QImage checkered(const QSize &size, int colours)
{
    QImage picture(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table << qRgb(i * 15, 255 - i * 13, (i * 97) % 256);
    picture.setColorTable(table);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, (x * 7 + y * 3) % colours);
    return picture;
}

TitleFont fontWith(const QString &face, int escapement, int quality)
{
    TitleFont font = defaultTitleFont();
    font.setFaceName(face);
    font.lfEscapement = escapement;
    font.lfQuality = std::uint8_t(quality);
    return font;
}

} // namespace

// The card composed the fast way (replicated picture, text in bands, two
// threads) is the card composed plainly, pixel for pixel; and the cache of
// composed cards.
class TestCardCache : public QObject
{
    Q_OBJECT
private slots:
    void cardIsPlainComposition_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QString>("title");
        QTest::addColumn<TitleFont>("font");
        QTest::addColumn<QSize>("screen");
        const QImage shipped = BackgroundPicture::decode(BackgroundPicture::resourceBytes());
        const QImage pattern = checkered({640, 480}, 16);
        const QString all = TitleTable::record(22); // all five fields
        const TitleFont plain = defaultTitleFont();
        for (const QSize &screen : {QSize(640, 480), QSize(1366, 768), QSize(1, 1), QSize(7, 3000), QSize(641, 479)})
            QTest::addRow("%dx%d", screen.width(), screen.height()) << pattern << all << plain << screen;
        QTest::newRow("shipped picture 1920x1080") << shipped << all << plain << QSize(1920, 1080);
        // Pictures the replication does not take: QPainter draws them.
        QImage outsideTable = checkered({640, 480}, 16);
        outsideTable.setColorCount(5);
        QTest::newRow("index outside the colour table") << outsideTable << all << plain << QSize(1366, 768);
        QTest::newRow("true-colour picture") << pattern.convertToFormat(QImage::Format_RGB32) << all << plain << QSize(1366, 768);
        QTest::newRow("no picture") << QImage() << all << plain << QSize(800, 600);
        QTest::newRow("outside the code page") << shipped << QStringLiteral("AéB€😀한 Ǻ̂ṩ,星環国,ÅÄÖ,ñ,→∀") << plain << QSize(1366, 768);
        QTest::newRow("rotated face") << shipped << all << fontWith("IPAGothic", 900, 0) << QSize(1366, 768);
        const QString longLines = QStringLiteral("とても長い一行目の題名がここに続いてゆきますよ,a second line that runs on and on,るび,ruby,三行目");
        QTest::newRow("proportional face, long lines") << shipped << longLines << fontWith("IPAPGothic", 0, 0) << QSize(1366, 768);
        QTest::newRow("not antialiased") << shipped << all << fontWith("IPAGothic", 0, 3) << QSize(1366, 768);
    }

    void cardIsPlainComposition()
    {
        QFETCH(QImage, picture);
        QFETCH(QString, title);
        QFETCH(TitleFont, font);
        QFETCH(QSize, screen);
        QCOMPARE(CardRenderer::composeCard(picture, title, font, screen), plainCard(picture, title, font, screen));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // Someone's files outside the cache, which links may point at.
        QVERIFY(QDir().mkpath(pictures()));
        QVERIFY(writeAll(diary(), QByteArray(100 * 1024, 'd')));
    }

    // Each kind of damage or change; every one is a miss, and the next
    // store replaces the entry so that it hits with the stored pixels.
    void entryNotUsed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("another key") << "key";
        QTest::newRow("another size") << "size";
        QTest::newRow("cut short") << "truncate";
        QTest::newRow("larger than the bound") << "bound";
        QTest::newRow("foreign file") << "foreign";
        QTest::newRow("dependency changed") << "stamp";
        QTest::newRow("a pipe in its place") << "fifo";
        QTest::newRow("a link to a sound entry elsewhere") << "link";
    }

    void entryNotUsed()
    {
        QFETCH(QString, change);
        const CardCache cache(folder());
        const QSize size(20, 10);
        const QString dependency = m_dir->filePath("face.ttf");
        QVERIFY(writeAll(dependency, "outline"));
        QVERIFY(store(cache, "key", pattern(size, 1), {CardCache::stampOf(dependency)}));
        const QString entry = cache.entryPath("key");
        const QByteArray key = change == "key" ? "other" : "key";
        const QSize asked = change == "size" ? QSize(10, 20) : size; // the same number of pixels
        if (change == "truncate")
            QVERIFY(QFile::resize(entry, QFileInfo(entry).size() - 1));
        else if (change == "foreign")
            QVERIFY(writeAll(entry, QByteArray(QFileInfo(entry).size(), 'z')));
        else if (change == "stamp")
            QVERIFY(writeAll(dependency, "another outline"));
        else if (change == "fifo")
            QVERIFY(QFile::remove(entry) && writeAll(entry, "fifo"));
        const QString elsewhere = m_dir->filePath("elsewhere.card");
        if (change == "link")
            QVERIFY(QFile::rename(entry, elsewhere) && QFile::link(elsewhere, entry));
        const QByteArray outside = readAll(elsewhere);
        const CardCache reader(folder(), change == "bound" ? QFileInfo(entry).size() - 1 : CardCache::kDefaultMaxBytes);
        // The header alone, read before anything is allocated, finds a sound entry.
        QCOMPARE(reader.storedSize(key), change == "size" || change == "stamp" ? size : QSize());
        QVERIFY(load(reader, key, asked).isNull());
        QVERIFY(store(cache, key, pattern(asked, 2), {CardCache::stampOf(dependency)}));
        QCOMPARE(load(cache, key, asked), pattern(asked, 2));
        QCOMPARE(readAll(elsewhere), outside); // the link was replaced, not written through
    }

    // The least recently used entry goes first; only the cache's own
    // regular files are counted or dropped, whatever else lies there stays.
    void oldestDroppedBeyondBound_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("dropped");
        const QString entry = QString(32, 'a') + ".card";
        QTest::newRow("near an entry's name") << QString(32, 'A') + ".card" << "file" << false;
        QTest::newRow("near a temporary name") << "." + entry + ".tmp" << "file" << false;
        QTest::newRow("link named as an entry") << entry << "link" << false;
        QTest::newRow("stale temporary file") << "." + entry + ".Xy12z9" << "file" << true;
    }

    void oldestDroppedBeyondBound()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const QSize size(64, 64); // 16 KiB of pixels each: two fit the bound
        const CardCache cache(folder(), 40 * 1024);
        const QString path = QDir(folder()).filePath(name);
        if (kind == "link")
            QVERIFY(QFile::link(diary(), path));
        else
            QVERIFY(writeAll(path, QByteArray(100 * 1024, 'x')));
        age(path, 3600);
        // Stored in this order, a few seconds apart on any file system; the
        // first is loaded since, so the second is the least recently used.
        QVERIFY(store(cache, "first", pattern(size, 0)));
        age(cache.entryPath("first"), 20);
        QVERIFY(store(cache, "second", pattern(size, 1)));
        age(cache.entryPath("second"), 10);
        QVERIFY(!load(cache, "first", size).isNull());
        QVERIFY(store(cache, "third", pattern(size, 2)));
        QVERIFY(!load(cache, "first", size).isNull() && load(cache, "second", size).isNull());
        QVERIFY(!load(cache, "third", size).isNull());
        QTEST(modeOf(path) < 0, "dropped");
    }

    // The cache keeps cards only in folders of its own that no one else may
    // write to, never writes through a link and never changes a mode it did
    // not set; what links point at stays as it was.
    void keptOnlyInPrivateFolders_data()
    {
        QTest::addColumn<QString>("link"); // which of them is a link; "foreign": the folders are another user's
        QTest::addColumn<int>("suiteMode"); // of folders made before; 0: the cache makes them
        QTest::addColumn<int>("cardsMode");
        QTest::addColumn<bool>("stored");
        QTest::newRow("folders made by the cache") << "" << 0 << 0 << true;
        QTest::newRow("folders made by the user") << "" << 0755 << 0755 << true;
        QTest::newRow("entry is a link to a file outside") << "entry" << 0 << 0 << true;
        QTest::newRow("suite folder is a link") << "suite" << 0 << 0 << false;
        QTest::newRow("folders of another user") << "foreign" << 0700 << 0700 << false;
        QTest::newRow("cards folder writable by the group") << "" << 0700 << 0770 << false;
        QTest::newRow("suite folder writable by others") << "" << 0757 << 0700 << false;
    }

    void keptOnlyInPrivateFolders()
    {
        QFETCH(QString, link);
        QFETCH(int, suiteMode);
        QFETCH(int, cardsMode);
        QFETCH(bool, stored);
        const QString suite = m_dir->filePath("home/suite");
        const QString cards = suite + "/cards";
        QVERIFY(QDir().mkpath(m_dir->filePath("home")));
        if (cardsMode)
            QVERIFY(QDir().mkpath(cards) && ::chmod(QFile::encodeName(suite).constData(), suiteMode) == 0
                    && ::chmod(QFile::encodeName(cards).constData(), cardsMode) == 0);
        if (link == "suite")
            QVERIFY(QFile::link(pictures(), suite));
        const CardCache cache(cards, CardCache::kDefaultMaxBytes, ::geteuid() + (link == "foreign" ? 1 : 0));
        if (link == "entry")
            QVERIFY(QFile::link(diary(), cache.entryPath("key")));
        const QImage card = pattern({8, 8}, 3);
        QString error;
        QCOMPARE(cache.store("key", card.size(), card.constBits(), card.sizeInBytes(), {}, &error), stored);
        QCOMPARE(error.isEmpty(), stored);
        QCOMPARE(load(cache, "key", card.size()), stored ? card : QImage());
        if (cardsMode || stored)
            QCOMPARE(modeOf(cards), int(S_IFDIR | (cardsMode ? cardsMode : 0700)));
        QCOMPARE(QDir(pictures()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"diary.txt"});
        QCOMPARE(QFileInfo(diary()).size(), 100 * 1024);
    }

    // As the card programs do it: a hit returns the composed pixels
    // without composing; any change to what the card is made of misses.
    void cachedCardMatchesComposition_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("setting"); // tambwin: 1 for another face; mirwin: the size offset
        QTest::addColumn<QSize>("screen");
        for (const QString &program : {ProgramNames::kTambwin, ProgramNames::kMirwin, ProgramNames::kDastor}) {
            QTest::addRow("%s: same card", qPrintable(program)) << program << "12" << 0 << QSize(400, 300);
            QTest::addRow("%s: another text", qPrintable(program)) << program << "13" << 0 << QSize(400, 300);
        }
        QTest::newRow("another screen") << ProgramNames::kDastor << "12" << 0 << QSize(300, 400);
        QTest::newRow("tambwin: another face") << ProgramNames::kTambwin << "12" << 1 << QSize(400, 300);
        QTest::newRow("mirwin: another size in mirwin.ini") << ProgramNames::kMirwin << "12" << 20 << QSize(400, 300);
    }

    void cachedCardMatchesComposition()
    {
        QFETCH(QString, program);
        QFETCH(QString, arguments);
        QFETCH(int, setting);
        QFETCH(QSize, screen);
        const bool hit = QByteArray(QTest::currentDataTag()).endsWith("same card");
        const CardCache cache(folder());
        const ComposedCard shown = CachedCard::compose(recipeOf(program, "12", 0), {400, 300}, cache, program);
        QVERIFY(shown.afterFirstFrame);
        shown.afterFirstFrame(shown.image);

        const CardRecipe next = recipeOf(program, arguments, setting);
        // As the programs do: the kept card read before the screen is known.
        const ComposedCard again = CachedCard::compose(next, screen, cache, program, CachedCard::readKept(next.key, cache));
        QCOMPARE(!again.afterFirstFrame, hit); // only a miss has a card to store
        QCOMPARE(again.image, next.compose(screen));
    }

private:
    CardRecipe recipeOf(const QString &program, const QString &arguments, int setting) const
    {
        if (program == ProgramNames::kMirwin) {
            const QString ini = m_dir->filePath("mirwin.ini");
            MirwinSettings settings;
            settings.size = setting;
            settings.vertical = 40;
            return MirwinSettingsFile::write(ini, settings) ? MirwinCard::recipe({arguments}, 0, ini) : CardRecipe();
        }
        if (program == ProgramNames::kDastor)
            return DastorCard::recipe({arguments}, 0, QString());
        CardRequest request = requestForArguments(arguments, FixedClock(), QString());
        if (setting)
            request.font.setFaceName("IPAMincho");
        return recipeFor(request);
    }
    QString folder() const { return m_dir->filePath("cards"); }
    QString pictures() const { return m_dir->filePath("pictures"); }
    QString diary() const { return m_dir->filePath("pictures/diary.txt"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestCardCache)
#include "test_cardcache.moc"
