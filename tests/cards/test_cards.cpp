#include "fakes/filebytes.h"
#include "second_card/mirwincard.h"
#include "second_card/mirwinlayout.h"
#include "second_card/mirwintitle.h"
#include "second_config/episodetitles.h"
#include "second_config/mirwinsettingsfile.h"
#include "shared/cp932.h"
#include "third_card/dastorcard.h"
#include "third_card/dastortitle.h"
#include "titlecard/cardwindow.h"
#include "titlecard/coveragemask.h"
#include "titlecard/coveredcard.h"
#include "titlecard/pngpicture.h"
#include "titlecard/wavesound.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(CardText)
Q_DECLARE_METATYPE(MirwinSettings)

static const QSize kScreen(640, 480);
static const QString kIdeoSpace(QChar(0x3000));

// The letters' fill is the one bright thing on a black picture: glow,
// outline and band are dark.
static QRect textBounds(const QImage &card)
{
    QRect bounds;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qGray(card.pixel(x, y)) > 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

static QStringList listing(const QString &dir)
{
    QStringList entries;
    for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        entries << info.fileName() + ' ' + QString::number(info.size()) + ' ' + info.lastModified().toString(Qt::ISODateWithMs);
    return entries;
}

static QString installed(const QString &face)
{
    return MirwinCard::family(face, QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
}

// mirwin and dastor: what their command lines and files make of the card's
// text, how they lay it out, and how their windows end; and the three card
// programs run whole.
class TestCards : public QObject
{
    Q_OBJECT
private slots:
    void mirwinCommandLine_data()
    {
        const EpisodeTitles titles = EpisodeTitles::load();
        const auto episode = [&](int n) { return CardText{QStringLiteral("第%1話").arg(n), titles.title(n)}; };
        const auto text = [](const QString &heading, const QString &title) { return CardText{heading, title}; };
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("random");
        QTest::addColumn<CardText>("expected");
        QTest::newRow("none: random, lowest draw") << QStringList() << 0.0 << episode(1);
        QTest::newRow("none: random, highest draw") << QStringList() << 0.99999 << episode(74);
        QTest::newRow("last episode") << QStringList{"74"} << 0.0 << episode(74);
        QTest::newRow("number with blanks and zeros") << QStringList{kIdeoSpace + "007 "} << 0.0 << episode(7);
        for (const QString n : {"75", "0", "+5", "-3", "12abc", "１２", "99999999999999999999"})
            QTest::newRow(qPrintable("not an episode: " + n)) << QStringList{n} << 0.0 << text("", n);
        QTest::newRow("extra arguments are one text") << QStringList{"12", "13"} << 0.0 << text("", "12 13");
        QTest::newRow("velmo's label and quote")
            << QStringList{"第12章" + QString(10, QChar(0x3000)) + "," + kIdeoSpace + "星は遠くても" + kIdeoSpace}
            << 0.0 << text("第12章", "星は遠くても");
        QTest::newRow("first comma only") << QStringList{"a,b,c"} << 0.0 << text("a", "b,c");
        QTest::newRow("control characters") << QStringList{"a\nb\tc\r"} << 0.0 << text("", "a b c");
        QTest::newRow("a quote that is a number, after a label") << QStringList{"第3話,12"} << 0.0 << text("第3話", "12");
        const QString star(QChar(0x661F)), pair = QString::fromUcs4(U"\U00020BB7"), more(QChar(0x2026));
        QTest::newRow("long line cut") << QStringList{QString(300, QChar(0x661F))} << 0.0 << text("", star.repeated(199) + more);
        QTest::newRow("never inside a pair") << QStringList{pair.repeated(300)} << 0.0 << text("", pair.repeated(99) + more);
    }

    void mirwinCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(double, random);
        QTEST(MirwinTitle::decide(arguments, EpisodeTitles::load(), random), "expected");
    }

    void dastorCommandLine_data()
    {
        QTest::addColumn<QByteArray>("quoteFile"); // "<none>": no file
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("random");
        QTest::addColumn<CardText>("expected");
        const QByteArray sjis = Cp932::fromUnicode("砂の街\r\n錆びた歯車\r\n風の道\r\n");
        const CardText series{"", "ダストル"};
        QTest::newRow("first line") << sjis << QStringList() << 0.0 << CardText{"第1話", "砂の街"};
        QTest::newRow("last line") << sjis << QStringList() << 0.9999 << CardText{"第3話", "風の道"};
        QTest::newRow("UTF-8 file") << QByteArray("一\n二") << QStringList() << 0.9 << CardText{"第2話", "二"};
        QTest::newRow("text") << sjis << QStringList{"第9話", "砂,嵐"} << 0.0 << CardText{"第9話 砂", "嵐"};
        QTest::newRow("blank line chosen") << QByteArray("a\r\n　\r\n") << QStringList() << 0.9 << series;
        QTest::newRow("missing file") << QByteArray("<none>") << QStringList() << 0.0 << series;
        QTest::newRow("NUL bytes") << QByteArray("a\0b", 3) << QStringList() << 0.0 << series;
        QTest::newRow("too large") << QByteArray(DastorTitle::kMaxQuoteFileBytes + 1, 'a') << QStringList() << 0.0 << series;
    }

    void dastorCommandLine()
    {
        QFETCH(QByteArray, quoteFile);
        QFETCH(QStringList, arguments);
        QFETCH(double, random);
        QTemporaryDir dir;
        QVERIFY(quoteFile == "<none>" || writeAll(dir.filePath("dastor.vmf"), quoteFile));
        QTEST(DastorTitle::decide(arguments, dir.filePath("dastor.vmf"), random), "expected");
    }

    void mirwinTextStaysInItsArea_data()
    {
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<QPointF>("expected"); // a 100 x 50 block in a 1000 x 500 area at (40, 30)
        QTest::newRow("middle") << 0 << 0 << QPointF(490, 255);
        QTest::newRow("top right") << 100 << 100 << QPointF(940, 30);
        QTest::newRow("beyond the ends") << 32767 << -32768 << QPointF(40, 30);
    }

    void mirwinTextStaysInItsArea()
    {
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QTEST(MirwinLayout::blockPosition({100, 50}, {40, 30, 1000, 500}, vertical, horizontal), "expected");
        // A block larger than the area stays at its top left, never beyond.
        QCOMPARE(MirwinLayout::blockPosition({2000, 900}, {40, 30, 1000, 500}, vertical, horizontal), QPointF(40, 30));
        // As drawn: text at the largest size stays in its area wherever put.
        QImage black(kScreen, QImage::Format_RGB32);
        black.fill(Qt::black);
        const MirwinSettings settings{"", 200, vertical, horizontal};
        const QRect text = textBounds(MirwinCard::compose(black, {"第12話", QString(60, QChar(0x6708))}, settings, installed(""), kScreen));
        QVERIFY(!text.isEmpty() && MirwinLayout::textArea(kScreen).toAlignedRect().adjusted(-1, -1, 1, 1).contains(text));
    }

    // The way the programs compose (picture decoded ahead, scaled while the
    // text is laid out) gives the plain card pixel for pixel.
    void fastCompositionIsPlain_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<MirwinSettings>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("screen");
        for (const QSize &screen : {QSize(1, 1), QSize(7, 3000), QSize(641, 479), QSize(1366, 768)}) {
            QTest::addRow("mirwin %dx%d", screen.width(), screen.height()) << "mirwin" << MirwinSettings{} << "12" << screen;
            QTest::addRow("dastor %dx%d", screen.width(), screen.height()) << "dastor" << MirwinSettings{} << "第3話,砂は流れ" << screen;
        }
        QTest::newRow("mirwin in a corner, own text") << "mirwin" << MirwinSettings{"IPAGothic", 40, 100, -100}
                                                      << "見出し,月の光の下で" << QSize(1023, 769);
    }

    void fastCompositionIsPlain()
    {
        QFETCH(QString, program);
        QFETCH(MirwinSettings, settings);
        QFETCH(QString, text);
        QFETCH(QSize, screen);
        QTemporaryDir dir;
        const QString ini = dir.filePath("mirwin.ini");
        QVERIFY(MirwinSettingsFile::write(ini, settings));
        const auto plain = [&] {
            return program == "mirwin"
                ? MirwinCard::compose(QImage(MirwinCard::kPicture), MirwinTitle::decide({text}, EpisodeTitles::load(), 0),
                                      settings, installed(settings.faceName), screen)
                : DastorCard::compose(QImage(DastorCard::kPicture), CardTexts::split(text),
                                      DastorCard::family(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese)),
                                      screen);
        };
        // A process's first drawing at a size may differ from its later ones
        // (glyphs not cached yet), so both are compared after one;
        // tools/card-identity.sh compares first drawings, one per process.
        plain();
        const QImage fast = program == "mirwin" ? MirwinCard::composeForArguments({text}, screen, 0, ini)
                                                : DastorCard::composeForArguments({text}, screen, 0, QString());
        QCOMPARE(fast.size(), screen);
        QVERIFY(fast == plain());
    }

    // A shape rasterized apart and blended gives the pixels of painting it
    // there, over any background: translucent and opaque, filled and
    // stroked wide, slanted, running off the edges.
    void maskBlendsAsPainting_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<qreal>("penWidth"); // 0: filled
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("filled, opaque") << QColor(246, 248, 255) << 0.0 << QTransform() << QPointF(20.3, 90.6);
        QTest::newRow("glow, translucent") << QColor(6, 12, 48, 110) << 14.4 << QTransform() << QPointF(20.3, 90.6);
        QTest::newRow("outline, slanted") << QColor(40, 22, 10) << 8.1 << QTransform(1, 0, -0.2, 1, 33.7, 80.25)
                                          << QPointF();
        QTest::newRow("off every edge") << QColor(6, 12, 48, 210) << 6.3 << QTransform() << QPointF(-40.5, 30.5);
    }

    void maskBlendsAsPainting()
    {
        QFETCH(QColor, colour);
        QFETCH(qreal, penWidth);
        QFETCH(QTransform, transform);
        QFETCH(QPointF, at);
        QFont font(installed("IPAPMincho"));
        font.setPixelSize(90);
        CardInk::Shape shape{{}, colour, std::nullopt, transform};
        shape.path.addText(at, font, QStringLiteral("月影の約束 Moon"));
        if (penWidth > 0)
            shape.outline = QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        QImage background(321, 97, QImage::Format_RGB32);
        QRandomGenerator noise(7);
        for (int y = 0; y < background.height(); ++y) {
            auto *row = reinterpret_cast<quint32 *>(background.scanLine(y));
            noise.fillRange(row, background.width());
            std::for_each(row, row + background.width(), [](quint32 &pixel) { pixel |= 0xff000000; });
        }
        QImage painted = background;
        {
            QPainter painter(&painted);
            painter.setRenderHint(QPainter::Antialiasing);
            CardInk::paintShape(painter, shape);
        }
        QVERIFY(CoverageMask::canHold(shape));
        QImage blended = background;
        CoverageMask::rasterize(shape, background.size()).blendOnto(blended, colour);
        QVERIFY(blended != background);
        QVERIFY(blended == painted);
    }

    // The pictures decoded before the application are Qt's to the pixel;
    // any other kind of PNG, and anything broken, is left to Qt's reader
    // once the application exists.
    void pictureDecodesAsQt_data()
    {
        QTest::addColumn<QString>("path"); // empty: the bytes in a file
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ours");
        const auto png = [](QImage::Format format) {
            QImage image(5, 3, format);
            image.fill(QColor(200, 30, 90, 120));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            return bytes;
        };
        const QByteArray mirwin = readAll(MirwinCard::kPicture);
        QTest::newRow("mirwin's") << MirwinCard::kPicture << mirwin << true;
        QTest::newRow("dastor's") << DastorCard::kPicture << readAll(DastorCard::kPicture) << true;
        QTest::newRow("with alpha") << QString() << png(QImage::Format_ARGB32) << false;
        QTest::newRow("16 bits") << QString() << png(QImage::Format_RGBX64) << false;
        QTest::newRow("cut short") << QString() << mirwin.left(mirwin.size() / 2) << false;
        QByteArray brokenEnd = mirwin;
        brokenEnd.back() = char(brokenEnd.back() ^ 1); // the last chunk's checksum
        QTest::newRow("broken end") << QString() << brokenEnd << false;
    }

    void pictureDecodesAsQt()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ours);
        const QImage qts = QImage::fromData(bytes, "PNG");
        QCOMPARE(PngPicture::decode(bytes), ours ? qts : QImage());
        QTemporaryDir dir;
        if (path.isEmpty()) {
            path = dir.filePath("picture.png");
            QVERIFY(writeAll(path, bytes));
        }
        QCOMPARE(PngPicture::read(path), ours ? qts : QImage());
        CoveredCard::Picture picture(path);
        picture.start();
        QCOMPARE(picture.get(), qts);
    }

    // Shown full-screen as composed; ended by a key or a click only where
    // allowed, never by a repeating key or a close request (finish() ends
    // tambwin's, as the card programs' test sees).
    void windowEndsOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("endsOnInput");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("ended");
        QTest::newRow("key") << true << "key" << true;
        QTest::newRow("click") << true << "click" << true;
        QTest::newRow("a held key repeating") << true << "repeat" << false;
        QTest::newRow("tambwin's card: key, click, close") << false << "key click close" << false;
    }

    void windowEndsOnlyWhenAllowed()
    {
        QFETCH(bool, endsOnInput);
        QFETCH(QString, input);
        QScreen *screen = QGuiApplication::primaryScreen();
        QImage card(screen->size(), QImage::Format_RGB32);
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                card.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
        CardWindow window(card);
        window.setEndsOnInput(endsOnInput);
        QSignalSpy painted(&window, &CardWindow::firstFramePainted);
        window.showOnScreen(screen);
        QTRY_COMPARE(painted.count(), 1);
        QVERIFY(window.isFullScreen() && window.geometry() == screen->geometry());
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32), card);
        if (input.contains("key"))
            QTest::keyClick(&window, Qt::Key_Space);
        if (input.contains("click"))
            QTest::mouseClick(&window, Qt::LeftButton);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        if (input == "repeat")
            QApplication::sendEvent(&window, &repeat);
        QVERIFY(!input.contains("close") || !window.close());
        QTEST(!window.isVisible(), "ended");
    }

    // The three card programs as whole programs, side by side: whatever they
    // are given and whatever lies beside them, each shows its card for its
    // sound's playing time without an audio output, ends by itself with code 0
    // and writes nothing. A named pipe or a folder is no settings file and
    // keeps them from nothing.
    void cardsShowAndEndWhateverTheyAreGiven()
    {
        // The program, its arguments, a file beside it and what it holds
        // ("<fifo>" and "<dir>" make those instead).
        using Run = std::tuple<QString, QStringList, QString, QByteArray>;
        const QString suite = qEnvironmentVariable("SUITE_DIR") + '/';
        const QList<Run> runs{
            {"tambwin", {}, "tambwin.ini", "<dir>"},
            {"tambwin", {"-s", QString(400, QChar(0x661F)) + ",a,,b,c,d,e,f"}, "tambwin.ini", "<fifo>"},
            {"mirwin", {"12"}, "mirwin.ini", QByteArray("\xff\0garbage\r\n+x\r\n99999999\r\n", 23)},
            // Twice 60 KiB is near the limit of one argument (128 KiB).
            {"mirwin", {QString(60 * 1024, 'x') + ',' + QString(60 * 1024, 'x'), "extra"}, "mirwin.ini", "<fifo>"},
            {"dastor", {}, "dastor.vmf", readAll(suite + "dastor.vmf")},
            {"dastor", {"a", "b"}, "dastor.vmf", "<fifo>"},
        };
        QTemporaryDir runtimeDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtimeDir.path()); // no sound server there
        // No card kept: each program composes its card while its application starts.
        QTemporaryDir cacheDir;
        env.insert("XDG_CACHE_HOME", cacheDir.path());
        env.remove("PULSE_SERVER");
        env.remove("PULSE_RUNTIME_PATH");
        std::vector<std::unique_ptr<QTemporaryDir>> folders;
        std::vector<std::unique_ptr<QProcess>> processes;
        QList<QStringList> before;
        QList<qint64> elapsed(runs.size(), -1);
        QElapsedTimer timer;
        timer.start();
        for (const auto &[program, arguments, besideName, content] : runs) {
            // A folder of its own, which is also where it starts.
            const QTemporaryDir &dir = *folders.emplace_back(std::make_unique<QTemporaryDir>());
            const QString beside = dir.filePath(besideName);
            QVERIFY(QFile::copy(suite + program, dir.filePath(program)));
            QVERIFY(content == "<dir>" ? QDir().mkdir(beside) : writeAll(beside, content == "<fifo>" ? "fifo" : content));
            before << listing(dir.path());
            QProcess &process = *processes.emplace_back(std::make_unique<QProcess>());
            process.setProcessEnvironment(env);
            process.setWorkingDirectory(dir.path());
            const qsizetype i = before.size() - 1;
            connect(&process, &QProcess::finished, this, [&, i] { elapsed[i] = timer.elapsed(); });
            process.start(dir.filePath(program), arguments);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!elapsed.contains(-1), 40000);

        const QMap<QString, QString> sounds{{"tambwin", "titlecard"}, {"mirwin", "second_card"}, {"dastor", "third_card"}};
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const QString sound = qEnvironmentVariable("SUITE_SOURCE_DIR") + "/resources/" + sounds[std::get<0>(runs[i])] + "/card.wav";
            const int playingTime = WaveSound::playingTimeMs(readAll(sound)).value_or(0);
            const QString name = std::get<0>(runs[i]) + ' ' + QString::number(i) + ", status "
                + QString::number(processes[i]->exitStatus()) + ", code " + QString::number(processes[i]->exitCode());
            QVERIFY2(processes[i]->exitStatus() == QProcess::NormalExit && processes[i]->exitCode() == 0 && playingTime > 4000
                         && elapsed[i] >= playingTime && elapsed[i] < 25000, qPrintable(name + ": " + QString::number(elapsed[i])));
            QCOMPARE(listing(folders[i]->path()), before[i]);
        }
        QCOMPARE(listing(runtimeDir.path()), QStringList());
    }
};

QTEST_MAIN(TestCards)
#include "test_cards.moc"
