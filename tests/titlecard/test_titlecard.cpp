#include "fakes/filebytes.h"
#include "fakes/fixedclock.h"
#include "second_card/mirwincard.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "shared/programnames.h"
#include "third_card/dastorcard.h"
#include "titlecard/backgroundpicture.h"
#include "titlecard/cachedcard.h"
#include "titlecard/cardcache.h"
#include "titlecard/cardcomposition.h"
#include "titlecard/cardgeometry.h"
#include "titlecard/cardrenderer.h"
#include "titlecard/clock.h"
#include "titlecard/splitfields.h"
#include "titlecard/titlechoice.h"
#include "titlecard/titlefontfile.h"
#include "titlecard/titletable.h"
#include "titlecard/wavesound.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// 2^32 + 2^31 s: the seed keeps the low 32 bits, and of the generator's
// state only 15 bits count: episode 39 (16 bits would draw episode 2).
constexpr std::int64_t kWrappingSeconds = 6442450944LL;

static QByteArray le(quint32 v, int bytes) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b.left(bytes); }
static QByteArray wave(const QByteArray &chunks) { return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks; }
// PCM, mono, 11025 Hz, 8 bits.
static const QByteArray kFmt = "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(11025, 4) + le(11025, 4) + le(1, 2) + le(8, 2);
static const QByteArray kIdeoSpace = Cp932::fromUnicode(QStringLiteral("\u3000"));
static const QByteArray kDefaultIni = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n" + defaultTitleFace();

namespace {

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

// A true-colour card, a different one for each seed.
QImage pattern(const QSize &size, int seed)
{
    return checkered(size, 2 + seed).convertToFormat(QImage::Format_RGB32);
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

// The title texts, command line, font file and sound; the card composed the
// fast way (replicated picture, text in bands, two threads) is the card
// composed plainly, pixel for pixel; and the cache of composed cards.
class TestTitleCard : public QObject
{
    Q_OBJECT
private slots:
    // One cell per byte over a fixed band: the lines must agree in length.
    void titleLayout()
    {
        for (int episode = 1; episode <= TitleTable::kEpisodeCount; ++episode) {
            const QList<QByteArray> f = Cp932::fromUnicode(TitleTable::record(episode)).split(',');
            QCOMPARE(f.size(), 5);
            const int L = int(f[0].size());
            QVERIFY2(QList<int>({16, 18, 20, 22}).contains(L) && f[1].size() == L, f[0] + " / " + f[1]);
            QVERIFY2(!f[0].startsWith(kIdeoSpace) && f[1].startsWith(kIdeoSpace) && !f[1].endsWith(kIdeoSpace), f[1]);
            for (const QByteArray &ruby : {f[2], f[3]})
                QVERIFY2(ruby == " " || ruby.size() == 2 * L || ruby.size() == 3 * L, ruby);
            QVERIFY2(episode == 22 || episode == 23 ? f[4].size() == 28 : f[4] == " ", f[4]);
        }
    }

    void geometry_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QList<int>>("expected"); // cell height, width, top, x of cells 0, 1, n-2, n-1
        QTest::newRow("line1") << QSize(640, 480) << 0 << 22 << QList<int>{48, 23, 168, 64, 87, 529, 552};
        QTest::newRow("ruby1") << QSize(640, 480) << 2 << 44 << QList<int>{19, 11, 144, 64, 75, 552, 564};
        QTest::newRow("1024 line1") << QSize(1024, 768) << 0 << 22 << QList<int>{76, 37, 268, 102, 139, 847, 884};
    }

    void geometry()
    {
        QFETCH(QSize, screen);
        QFETCH(int, rank);
        QFETCH(int, bytes);
        const LineGeometry line = layoutTitleLine(QString(bytes, 'a'), kFieldPlacements[rank], screen);
        QCOMPARE(line.glyphs.size(), bytes);
        const auto x = [&](int i) { return i < bytes ? line.glyphs[i].cell.left() : int(screen.width() * 0.9); };
        QTEST(QList<int>({line.cellHeight, line.cellWidth, line.top, x(0), x(1), x(bytes - 2), x(bytes - 1)}), "expected");
        for (int i = 0; i < bytes; ++i) // adjacent cells up to 0.9 W
            QCOMPARE(line.glyphs[i].cell, QRect(x(i), line.top, x(i + 1) - x(i), line.cellHeight));
        // A character outside the code page takes two cells, as a double-byte one does.
        QList<int> got; // byte, bytes, x, width
        for (const GlyphCell &g : layoutTitleLine(QStringLiteral("星A環é"), kFieldPlacements[0], {640, 480}).glyphs)
            got << g.byteIndex << g.byteCount << g.cell.left() << g.cell.width();
        QCOMPARE(got, QList<int>({0, 2, 64, 146, 2, 1, 210, 73, 3, 2, 283, 146, 5, 2, 429, 147}));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("episode"); // 0: the custom text
        QTest::addColumn<QString>("custom");
        QTest::newRow("none") << QStringList() << 39 << QString();
        for (const char *arg : {"0", "46", "--s", "-s"})
            QTest::addRow("%s", arg) << QStringList{arg} << 39 << QString();
        QTest::newRow("45") << QStringList{"45"} << 45 << QString();
        QTest::newRow("-s and a space") << QStringList{"-s", ""} << 39 << QString();
        QTest::newRow("12abc") << QStringList{"12abc"} << 12 << QString();
        QTest::newRow("-S") << QStringList{"-S", "x"} << 0 << "x";
        QTest::newRow("-s two spaces x") << QStringList{"-s", " x"} << 0 << " x";
        // Far beyond 255 bytes, with a double-byte character across byte 255, and characters outside the code page.
        const QString longText = QString(127, QLatin1Char('a')) + QString(300, QChar(0x661F)) + "😀 €,한국어";
        QTest::newRow("long text kept whole") << QStringList{"-s", longText} << 0 << longText;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, episode);
        QFETCH(QString, custom);
        const TitleChoice choice = decideTitle(argumentString(arguments), FixedClock(kWrappingSeconds));
        QCOMPARE(choice.episode, episode);
        QCOMPARE(choice.title, episode ? TitleTable::record(episode) : custom);
    }

    void splitFields_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("empty fields vanish, sixth ignored") << ",1,,2,3,,4,5,,,6" << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("spaces are content") << " , x " << QStringList{" ", " x "};
        QTest::newRow("ends at NUL") << QString::fromLatin1("a,b\0,c", 6) << QStringList{"a", "b"};
        QTest::newRow("full-width comma is content") << "―　，星" << QStringList{"―　，星"};
    }

    void splitFields()
    {
        QFETCH(QString, title);
        QTEST(::splitFields(title), "fields");
    }

    void fontFileParse_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QList<int>>("fields"); // height, weight, italic, charset
        QTest::addColumn<QString>("face");
        const QByteArray head = kDefaultIni.chopped(defaultTitleFace().size());
        const QString gothic = QStringLiteral("ＭＳ ゴシック"), mincho = QStringLiteral("IPA明朝");
        const QList<int> plain{0, 0, 0, 128};
        QTemporaryDir dir;
        QVERIFY(TitleFontFile::write(dir.filePath("tambwin.ini"), defaultTitleFont()));
        QCOMPARE(readAll(dir.filePath("tambwin.ini")), kDefaultIni);
        QTest::newRow("five lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n700\r\n") << QList<int>{1, 700, 0, 128} << gothic;
        QTest::newRow("byte above 255") << QByteArray("0\n0\n0\n0\n0\n257\n0\n0\n385\n") << QList<int>{0, 0, 1, 129} << gothic;
        // Read as into a 256-byte buffer in text mode: a line beyond 255
        // bytes goes on as the next one, and CR LF counts as one byte.
        QTest::newRow("line beyond 255 bytes") << QByteArray(255, 'x') + "\n0\n0\n0\n700\n" << QList<int>{0, 0, 188, 128} << gothic;
        QTest::newRow("CR LF") << QByteArray(254, 'x') + "\r\n0\r\n0\r\n0\r\n700\r\n" << QList<int>{0, 700, 0, 128} << gothic;
        // UTF-8 "IPA明朝" is valid code page 932 as well ("IPA譏取悃"), yet meant as UTF-8.
        QTest::newRow("code page 932 face") << head + Cp932::fromUnicode(mincho) << plain << mincho;
        QTest::newRow("UTF-8 face") << head + mincho.toUtf8() << plain << mincho;
        QTest::newRow("UTF-8 face cut on a character") << head + QString(20, QChar(0x661F)).toUtf8() << plain << QString(10, QChar(0x661F));
        // No line end left at the face's end by the terminator or the cut to 31 bytes.
        QTest::newRow("line end before a terminator") << head + QByteArray("Foo\r\0bar", 8) << plain << "Foo";
        QTest::newRow("line end at the cut") << head + QByteArray(30, 'a') + "\r\rb" << plain << QString(30, 'a');
    }

    void fontFileParse()
    {
        QFETCH(QByteArray, contents);
        TitleFont font = defaultTitleFont();
        TitleFontFile::parse(contents, font);
        QTEST(QList<int>({font.lfHeight, font.lfWeight, font.lfItalic, font.lfCharSet}), "fields");
        QTEST(font.faceName(), "face");
        TitleFont back; // what was read is written back the same
        TitleFontFile::parse(TitleFontFile::serialize(font), back);
        QCOMPARE(back, font);
    }

    void wavePlayingTime_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ms"); // -1: none
        const QByteArray second = "data" + le(11025, 4) + QByteArray(11025, '\x80');
        QTest::newRow("other chunk first, odd size padded") << wave(kFmt + "LIST" + le(3, 4) + "abc" + '\0' + second) << 1000;
        QTest::newRow("not PCM") << wave(QByteArray(kFmt).replace(8, 2, le(3, 2)) + second) << -1;
        QTest::newRow("chunk size beyond end") << wave("junk" + le(0xFFFFFFF0, 4) + kFmt) << -1;
        QTest::newRow("garbage") << QByteArray(70000, '\xA5') << -1;
    }

    void wavePlayingTime()
    {
        QFETCH(QByteArray, bytes);
        QTEST(WaveSound::playingTimeMs(bytes).value_or(-1), "ms");
    }
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

QTEST_MAIN(TestTitleCard)
#include "test_titlecard.moc"
