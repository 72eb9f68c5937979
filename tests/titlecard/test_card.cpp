#include "fakes/fakefacecatalogue.h"
#include "fakes/fakesoundplayer.h"
#include "fakes/fixedclock.h"
#include "shared/cp932.h"
#include "shared/facechoice.h"
#include "titlecard/cardcomposition.h"
#include "titlecard/cardrenderer.h"
#include "titlecard/cardsession.h"
#include "titlecard/cardsoundplayer.h"
#include "titlecard/cardwindow.h"
#include "titlecard/clock.h"
#include "titlecard/titlefontfile.h"
#include "titlecard/titlefontmapping.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>


static QRect litBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) & 0xFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class TestCard : public QObject
{
    Q_OBJECT
private slots:
    void geometry_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QList<int>>("expected"); // cell height, width, top, x of cells 0, 1, n-2, n-1
        const QSize vga(640, 480);
        QTest::newRow("line1") << vga << 0 << 22 << QList<int>{48, 23, 168, 64, 87, 529, 552};
        QTest::newRow("ruby1") << vga << 2 << 44 << QList<int>{19, 11, 144, 64, 75, 552, 564};
        QTest::newRow("line3") << vga << 4 << 28 << QList<int>{24, 18, 336, 64, 82, 539, 557};
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
    }

    void doubleByteGlyphsOwnTwoCells()
    {
        // A character outside the code page takes two cells, as a double-byte one does.
        QList<int> got; // byte, bytes, x, width
        for (const GlyphCell &g : layoutTitleLine(QStringLiteral("星A環é"), kFieldPlacements[0], {640, 480}).glyphs)
            got << g.byteIndex << g.byteCount << g.cell.left() << g.cell.width();
        QCOMPARE(got, QList<int>({0, 2, 64, 146, 2, 1, 210, 73, 3, 2, 283, 146, 5, 2, 429, 147}));
    }

    // Kanji fill their cells; what the code page lacks is drawn all the same.
    void glyphsFillTheirCells()
    {
        const QString text = QStringLiteral("星環国AéB€😀한");
        const QImage layer = CardRenderer::textLayer(text, defaultTitleFont(), {640, 480});
        QRect cells;
        const QList<GlyphCell> glyphs = layoutTitleLine(text, kFieldPlacements[0], {640, 480}).glyphs;
        for (int i = 0; i < glyphs.size(); ++i) {
            const QRect ink = litBounds(layer, glyphs[i].cell);
            QVERIFY2(!ink.isEmpty(), qPrintable(glyphs[i].text));
            QVERIFY(i >= 3 || (ink.width() >= glyphs[i].cell.width() * 0.7 && ink.height() >= glyphs[i].cell.height() * 0.6));
            cells |= glyphs[i].cell;
        }
        QVERIFY(cells.contains(litBounds(layer, layer.rect())));
    }

    void faceChoice_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pitchAndFamily");
        QTest::addColumn<QStringList>("installed"); // empty: all of them
        QTest::addColumn<QString>("drawn");
        const QStringList some{"DejaVu Sans", "IPAGothic", "Acme PMincho", "Acme Mincho"};
        QTest::newRow("localized name") << "IPA明朝" << 1 << QStringList() << "IPAMincho";
        QTest::newRow("letter case") << "ipa pゴシック" << 1 << QStringList() << "IPAPGothic";
        QTest::newRow("Mincho by the suite's table") << "ＭＳ 明朝" << 1 << QStringList() << "IPAMincho";
        QTest::newRow("missing, variable pitch") << "Gone" << 2 << QStringList() << "IPAPGothic";
        QTest::newRow("missing, roman family") << "Gone" << 0x11 << QStringList() << "IPAMincho";
        QTest::newRow("Mincho of the same pitch") << "ＭＳ 明朝" << 1 << some << "Acme Mincho";
        QTest::newRow("proportional Mincho") << "ＭＳ Ｐ明朝" << 1 << some << "Acme PMincho";
        QTest::newRow("Mincho of another pitch") << "ＭＳ 明朝" << 1 << QStringList{"IPAGothic", "Acme PMincho"} << "Acme PMincho";
        QTest::newRow("any Japanese face") << "ＭＳ 明朝" << 1 << QStringList{"DejaVu Sans", "IPAGothic"} << "IPAGothic";
        QTest::newRow("nothing Japanese") << "Gone" << 1 << QStringList{"DejaVu Sans"} << "Gone";
    }

    void faceChoice()
    {
        QFETCH(QString, face);
        QFETCH(int, pitchAndFamily);
        QFETCH(QStringList, installed);
        using Face = FakeFaceCatalogue::Face;
        QList<Face> faces;
        for (const Face &f : {Face{{"DejaVu Sans"}, false, false}, Face{{"IPAMincho", "IPA明朝"}, true, true},
                              Face{{"IPAGothic", "IPAゴシック"}, true, true}, Face{{"IPAPGothic", "IPA Pゴシック"}, true, false},
                              Face{{"Acme PMincho"}, true, false}, Face{{"Acme Mincho"}, true, true}})
            if (installed.isEmpty() || installed.contains(f.names.first()))
                faces << f;
        QTEST(FaceChoice::resolve(face, std::uint8_t(pitchAndFamily), FakeFaceCatalogue(faces)), "drawn");
    }

    void fontMapping()
    {
        TitleFont font = defaultTitleFont("IPAGothic");
        font.lfWeight = 5000;
        font.lfItalic = font.lfUnderline = font.lfStrikeOut = 1;
        font.lfQuality = 3;
        font.lfEscapement = 900;
        const QFont q = TitleFontMapping::toQFont(font, FakeFaceCatalogue({{{"IPAGothic"}}}));
        QCOMPARE(QList<int>({q.weight(), q.italic(), q.underline(), q.strikeOut(), TitleFontMapping::antialiased(font)}),
                 QList<int>({1000, 1, 1, 1, 0}));
        QCOMPARE(TitleFontMapping::rotationDegrees(font), -90.0); // counter-clockwise
    }

    void settingsFileShapesTheCard()
    {
        QTemporaryDir dir;
        const auto card = [&](const QByteArray &ini) {
            QFile file(dir.filePath(TitleFontFile::kFileName));
            if (file.open(QIODevice::WriteOnly))
                file.write(ini);
            file.close();
            return composeCardForArguments("12", {640, 480}, FixedClock(), file.fileName());
        };
        // Height and width are the card's own; the angle comes from the file.
        QCOMPARE(card("4294967280\r\n99\r\n"), card(""));
        QVERIFY(card("0\r\n0\r\n900\r\n") != card(""));
        // The face line names a face by any of its names, in code page 932;
        // the suite's own faces map to a face of their kind.
        const QByteArray head = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n0\r\n1\r\n";
        const QImage mincho = card(head + "IPAMincho");
        QCOMPARE(card(head + Cp932::fromUnicode(QStringLiteral("IPA明朝"))), mincho);
        QCOMPARE(card(head + Cp932::fromUnicode(QStringLiteral("ＭＳ 明朝"))), mincho);
        QVERIFY(card(head + Cp932::fromUnicode(QStringLiteral("ＭＳ ゴシック"))) != mincho);
    }

    // A proportional face keeps each glyph's own width, so l stays a thin
    // stroke; a fixed-pitch face fills every cell as before.
    void proportionalFace_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("proportional");
        QTest::newRow("IPAPGothic") << "IPAPGothic" << true;
        QTest::newRow("IPAGothic") << "IPAGothic" << false;
    }

    void proportionalFace()
    {
        QFETCH(QString, face);
        QFETCH(bool, proportional);
        TitleFont font = defaultTitleFont();
        font.setFaceName(face);
        const QString text = QStringLiteral("lmlmlmlmlm");
        const QSize vga(640, 480);
        const QImage layer = CardRenderer::textLayer(text, font, vga);
        const QList<GlyphCell> glyphs = layoutTitleLine(text, kFieldPlacements[0], vga).glyphs;
        const int l = litBounds(layer, glyphs[4].cell).width(), m = litBounds(layer, glyphs[5].cell).width();
        const int cell = glyphs[4].cell.width();
        QVERIFY2(proportional == (l < cell * 0.3 && 2 * l < m),
                 qPrintable(QStringLiteral("l %1, m %2, cell %3").arg(l).arg(m).arg(cell)));
    }

    void windowShowsTheCard()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QImage card(screen->size(), QImage::Format_RGB32);
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                card.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
        CardWindow window(card);
        QVERIFY(window.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(window.cursor().shape(), Qt::BlankCursor);
        window.showOnScreen(screen);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isFullScreen());
        QCOMPARE(window.geometry(), screen->geometry());
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32), card);
        // Keys, clicks and close requests are refused until the card is finished.
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::mouseClick(&window, Qt::LeftButton);
        QVERIFY(!window.close() && window.isVisible());
        window.finish();
        QVERIFY(!window.isVisible());
    }

    void windowPaintsDevicePixels()
    {
        // Composed at twice the window's size for a scaled desktop: left half red, right half blue.
        QImage card(400, 200, QImage::Format_RGB32);
        card.fill(Qt::red);
        QPainter(&card).fillRect(200, 0, 200, 200, Qt::blue);
        card.setDevicePixelRatio(2);
        CardWindow window(card);
        window.setGeometry(0, 0, 200, 100);
        const QImage shown = window.grab().toImage();
        const int d = qRound(shown.devicePixelRatio());
        QCOMPARE(QList<QRgb>({shown.pixel(98 * d, 50 * d), shown.pixel(102 * d, 50 * d), shown.pixel(199 * d, 99 * d)}),
                 QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)}));
    }

    void sessionPlaysOnceThenCloses()
    {
        CardWindow window(QImage(200, 100, QImage::Format_RGB32));
        FakeSoundPlayer player;
        CardSession session(window, player);
        session.start(QGuiApplication::primaryScreen());
        QTRY_COMPARE(player.plays, 1);
        window.repaint();
        QCOMPARE(player.plays, 1);
        QVERIFY(window.isVisible());
        emit player.finished();
        QVERIFY(!window.isVisible());
    }

    void soundPlayerWaitsOutPlayingTime()
    {
        // Nothing can be played, with or without an audio output.
        ServerCardSoundPlayer player(QByteArray("not a sound"), "test", 600);
        QSignalSpy finished(&player, &CardSoundPlayer::finished);
        QElapsedTimer timer;
        timer.start();
        player.play();
        player.play();
        QVERIFY(finished.wait(4600));
        QVERIFY2(timer.elapsed() >= 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TestCard)
#include "test_card.moc"
