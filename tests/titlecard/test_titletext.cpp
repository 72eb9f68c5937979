#include "fakes/fixedclock.h"
#include "shared/argumentstring.h"
#include "shared/cp932.h"
#include "titlecard/backgroundpicture.h"
#include "titlecard/clock.h"
#include "titlecard/splitfields.h"
#include "titlecard/titlechoice.h"
#include "titlecard/titlefontfile.h"
#include "titlecard/titletable.h"
#include "titlecard/wavesound.h"

#include <QtTest>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>


// 2^32 + 1 s wraps to seed 1, which draws episode 42.
constexpr std::int64_t kWrappingSeconds = 4294967297LL;

static QByteArray le(quint32 v, int bytes) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b.left(bytes); }
static QByteArray wave(const QByteArray &chunks) { return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks; }
// PCM, mono, 11025 Hz, 8 bits.
static const QByteArray kFmt = "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(11025, 4) + le(11025, 4) + le(1, 2) + le(8, 2);
static const QByteArray kIdeoSpace = Cp932::fromUnicode(QStringLiteral("\u3000"));
static const QByteArray kDefaultIni = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n" + defaultTitleFace();

static QByteArray readFile(const QString &path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : "(unreadable)"; }

class TestTitleText : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString ini() const { return m_dir.filePath("tambwin.ini"); }

private slots:
    void titleLayout_data()
    {
        QTest::addColumn<int>("episode");
        for (int n = 1; n <= TitleTable::kEpisodeCount; ++n)
            QTest::addRow("%d", n) << n;
    }

    // One cell per byte over a fixed band: the lines must agree in length.
    void titleLayout()
    {
        QFETCH(int, episode);
        const QList<QByteArray> f = Cp932::fromUnicode(TitleTable::record(episode)).split(',');
        QCOMPARE(f.size(), 5);
        const int L = int(f[0].size());
        QVERIFY2(QList<int>({16, 18, 20, 22}).contains(L) && f[1].size() == L, f[0] + " / " + f[1]);
        QVERIFY(!f[0].startsWith(kIdeoSpace) && f[1].startsWith(kIdeoSpace) && !f[1].endsWith(kIdeoSpace));
        for (const QByteArray &ruby : {f[2], f[3]})
            QVERIFY2(ruby == " " || ruby.size() == 2 * L || ruby.size() == 3 * L, ruby);
        QVERIFY2(episode == 22 || episode == 23 ? f[4].size() == 28 : f[4] == " ", f[4]);
    }

    void episodeNames()
    {
        QFile file(QStringLiteral(":/titlecard/episode_names.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList names = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(names.size(), 45);
        for (const QString &name : names)
            QVERIFY2(Cp932::fromUnicode(name).size() <= 38, qPrintable(name));
    }

    void titleRandomWraps()
    {
        QCOMPARE(QList<int>({titleRandom(0u), titleRandom(2147483648u), titleRandom(4294967295u)}), QList<int>({39, 39, 36}));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("episode"); // 0: the custom text
        QTest::addColumn<QString>("custom");
        QTest::newRow("none") << QStringList() << 42 << QString();
        for (const char *arg : {"0", "46", "-3", "abc", "-x", "--s", "-s"})
            QTest::addRow("%s", arg) << QStringList{arg} << 42 << QString();
        QTest::newRow("-s and a space") << QStringList{"-s", ""} << 42 << QString();
        QTest::newRow("12abc") << QStringList{"12abc"} << 12 << QString();
        QTest::newRow("full-width digits") << QStringList{"１２"} << 42 << QString();
        QTest::newRow("-S") << QStringList{"-S", "x"} << 0 << "x";
        QTest::newRow("-s two spaces x") << QStringList{"-s", " x"} << 0 << " x";
        QTest::newRow("outside code page 932") << QStringList{"-s", "😀 €,한국어"} << 0 << "😀 €,한국어";
        // Far beyond 255 bytes, with a double-byte character across byte 255.
        const QString longText = QString(127, QLatin1Char('a')) + QString(300, QChar(0x661F));
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
        QTest::newRow("empty fields vanish") << ",a,,b," << QStringList{"a", "b"};
        QTest::newRow("sixth ignored") << "1,,2,3,,4,5,,,6" << QStringList{"1", "2", "3", "4", "5"};
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
        QTest::newRow("five lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n700\r\n") << QList<int>{1, 700, 0, 128} << gothic;
        QTest::newRow("byte above 255") << QByteArray("0\n0\n0\n0\n0\n257\n0\n0\n385\n") << QList<int>{0, 0, 1, 129} << gothic;
        QTest::newRow("garbage reads 0") << QByteArray("x\ny\nz\nw\nv\nq\nq\nq\nq\n") << QList<int>{0, 0, 0, 0} << gothic;
        // UTF-8 "IPA明朝" is valid code page 932 as well ("IPA譏取悃"), yet meant as UTF-8.
        QTest::newRow("code page 932 face") << head + Cp932::fromUnicode(mincho) << QList<int>{0, 0, 0, 128} << mincho;
        QTest::newRow("UTF-8 face") << head + mincho.toUtf8() << QList<int>{0, 0, 0, 128} << mincho;
        QTest::newRow("UTF-8 face cut on a character") << head + QString(20, QChar(0x661F)).toUtf8() << QList<int>{0, 0, 0, 128}
                                                       << QString(10, QChar(0x661F));
        // No line end left at the face's end by the terminator or the cut to 31 bytes.
        QTest::newRow("line end before a terminator") << head + QByteArray("Foo\r\0bar", 8) << QList<int>{0, 0, 0, 128}
                                                      << "Foo";
        QTest::newRow("line end at the cut") << head + QByteArray(30, 'a') + "\r\rb" << QList<int>{0, 0, 0, 128}
                                             << QString(30, 'a');
    }

    void fontFileParse()
    {
        QFETCH(QByteArray, contents);
        TitleFont font = defaultTitleFont();
        TitleFontFile::parse(contents, font);
        QTEST(QList<int>({font.lfHeight, font.lfWeight, font.lfItalic, font.lfCharSet}), "fields");
        QTEST(font.faceName(), "face");
    }

    void fontFileWrite()
    {
        QVERIFY(TitleFontFile::write(ini(), defaultTitleFont()));
        QCOMPARE(readFile(ini()), kDefaultIni);
        TitleFont font = defaultTitleFont("IPAGothic"), back;
        font.lfHeight = -16;
        font.lfItalic = 1;
        QVERIFY(TitleFontFile::serialize(font).startsWith("4294967280\r\n"));
        TitleFontFile::parse(TitleFontFile::serialize(font), back);
        QCOMPARE(back, font);
        // With no file descriptor left, or a disk that fills up halfway, the old file stays.
        const int lowestFree = ::open("/dev/null", O_RDONLY);
        ::close(lowestFree);
        std::signal(SIGXFSZ, SIG_IGN);
        for (const auto &[resource, tight] : {std::pair{RLIMIT_NOFILE, rlim_t(lowestFree)}, std::pair{RLIMIT_FSIZE, rlim_t(8)}}) {
            rlimit old, limit;
            QCOMPARE(getrlimit(resource, &old), 0);
            limit = old;
            limit.rlim_cur = tight;
            QCOMPARE(setrlimit(resource, &limit), 0);
            const bool written = TitleFontFile::write(ini(), font);
            setrlimit(resource, &old);
            QCOMPARE(readFile(ini()), kDefaultIni);
            QVERIFY(!written);
        }
        // A huge binary file is neither a crash nor read whole.
        QByteArray noise(4 << 20, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((quint32(i) * 7919u) >> 3);
        QFile file(ini());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(noise) == noise.size());
        file.close();
        TitleFontFile::read(ini(), font);
        QVERIFY(font.lfFaceName.size() <= TitleFont::kFaceNameBytes);
    }

    // Colour table at byte 40, bottom-up rows from byte 104, high nibble first.
    void picture()
    {
        const QByteArray shipped = BackgroundPicture::resourceBytes();
        QCOMPARE(shipped.size(), 153704);
        QCOMPARE(BackgroundPicture::decode(shipped).size(), QSize(640, 480));
        QByteArray dib(153704, '\0');
        dib.replace(40 + 4 * 5, 3, "\x01\x02\x03");
        dib[104] = '\x50';
        dib[153703] = '\x05';
        const QImage image = BackgroundPicture::decode(dib);
        const QRgb c5 = qRgb(3, 2, 1), c0 = qRgb(0, 0, 0);
        QCOMPARE(QList<QRgb>({image.pixel(0, 479), image.pixel(1, 479), image.pixel(638, 0), image.pixel(639, 0)}),
                 QList<QRgb>({c5, c0, c0, c5}));
        QVERIFY(BackgroundPicture::decode(dib.chopped(1)).isNull());
        QVERIFY(BackgroundPicture::decode(QByteArray()).isNull());
    }

    void wavePlayingTime_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ms"); // -1: none
        const QByteArray second = "data" + le(11025, 4) + QByteArray(11025, '\x80');
        QTest::newRow("shipped sound") << WaveSound::resourceBytes() << 4999;
        QTest::newRow("other chunk first, odd size padded") << wave(kFmt + "LIST" + le(3, 4) + "abc" + '\0' + second) << 1000;
        QTest::newRow("data shorter than declared") << wave(kFmt + "data" + le(55120, 4) + second.mid(8)) << 1000;
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
