#include "fakes/filebytes.h"
#include "fakes/fixedclock.h"
#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "titlecard/cardgeometry.h"
#include "titlecard/clock.h"
#include "titlecard/splitfields.h"
#include "titlecard/titlechoice.h"
#include "titlecard/titlefontfile.h"
#include "titlecard/titletable.h"
#include "titlecard/wavesound.h"

#include <QtTest>

// 2^32 + 2^31 s: the seed keeps the low 32 bits, and of the generator's
// state only 15 bits count: episode 39 (16 bits would draw episode 2).
constexpr std::int64_t kWrappingSeconds = 6442450944LL;

static QByteArray le(quint32 v, int bytes) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b.left(bytes); }
static QByteArray wave(const QByteArray &chunks) { return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks; }
// PCM, mono, 11025 Hz, 8 bits.
static const QByteArray kFmt = "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(11025, 4) + le(11025, 4) + le(1, 2) + le(8, 2);
static const QByteArray kIdeoSpace = Cp932::fromUnicode(QStringLiteral("\u3000"));
static const QByteArray kDefaultIni = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n" + defaultTitleFace();

class TestTitleText : public QObject
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
};

QTEST_GUILESS_MAIN(TestTitleText)
#include "test_titletext.moc"
