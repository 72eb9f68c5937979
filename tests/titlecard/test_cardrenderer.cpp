#include "titlecard/cardrenderer.h"
#include "titlecard/splitfields.h"
#include "titlecard/titletable.h"

#include "shared/cp932.h"

#include <QtTest>

static bool lit(QRgb pixel) { return (pixel & 0xFFFFFF) != 0; }

static QRect litBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (lit(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Left half dark, right half red above blue.
static QImage testPicture()
{
    QImage picture(640, 480, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(10, 20, 30), qRgb(200, 0, 0), qRgb(0, 0, 255)});
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            picture.setPixel(x, y, x < 320 ? 0 : (y < 240 ? 1 : 2));
    return picture;
}

class TestCardRenderer : public QObject
{
    Q_OBJECT
private slots:
    void textOnlyInsideCells_data()
    {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QSize>("screen");
        for (const QSize &screen : {QSize(640, 480), QSize(1024, 768)})
            for (int episode : {12, 22, 25})
                QTest::addRow("episode %d at %d", episode, screen.width()) << TitleTable::record(episode) << screen;
        QTest::newRow("ascii five fields") << QByteArray("AB,CD,ef,gh,X") << QSize(640, 480);
    }

    void textOnlyInsideCells()
    {
        QFETCH(QByteArray, title);
        QFETCH(QSize, screen);
        const QImage layer = CardRenderer::textLayer(title, defaultTitleFont(), screen);
        QCOMPARE(layer.size(), screen);
        QList<QRect> cells;
        const QList<QByteArray> fields = SplitFields(title);
        for (int rank = 0; rank < fields.size(); ++rank)
            for (const GlyphCell &g : layoutTitleLine(fields[rank], kFieldPlacements[rank], screen).glyphs)
                cells << g.cell;
        int litCount = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                if (!lit(layer.pixel(x, y)))
                    continue;
                ++litCount;
                const bool inCell = std::any_of(cells.cbegin(), cells.cend(), [&](const QRect &c) { return c.contains(x, y); });
                QVERIFY2(inCell, qPrintable(QStringLiteral("lit outside the cells at %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(litCount > 0);
    }

    void glyphsFillTheirCells()
    {
        const QByteArray text = Cp932::fromUnicode(QStringLiteral("星環国"));
        const QSize screen(640, 480);
        const QImage layer = CardRenderer::textLayer(text, defaultTitleFont(), screen);
        for (const GlyphCell &g : layoutTitleLine(text, kFieldPlacements[0], screen).glyphs) {
            const QRect ink = litBounds(layer, g.cell);
            QVERIFY2(ink.width() >= g.cell.width() * 0.7, qPrintable(QStringLiteral("ink %1 of cell %2").arg(ink.width()).arg(g.cell.width())));
            QVERIFY(ink.height() >= g.cell.height() * 0.6);
        }
    }

    void laterCellCoversOverhang()
    {
        // A wide bold italic glyph leans into the next cell, whose black background covers it.
        TitleFont font = defaultTitleFont();
        font.lfItalic = 1;
        font.lfWeight = 900;
        const QSize screen(640, 480);
        const QImage layer = CardRenderer::textLayer("WWWW ", font, screen);
        const QList<GlyphCell> glyphs = layoutTitleLine("WWWW ", kFieldPlacements[0], screen).glyphs;
        QVERIFY(!litBounds(layer, glyphs[3].cell).isEmpty());
        QVERIFY(litBounds(layer, glyphs[4].cell).isEmpty());
    }

    void fieldsByRank_data()
    {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QByteArray>("sameAs");
        QTest::newRow("empty field vanishes") << QByteArray(",a,,b") << QByteArray("a,b");
        QTest::newRow("beyond five ignored") << QByteArray("1,2,3,4,5,6,7") << QByteArray("1,2,3,4,5");
        QTest::newRow("space line3 draws nothing") << QByteArray("AB,CD,ab,cd, ") << QByteArray("AB,CD,ab,cd");
    }

    void fieldsByRank()
    {
        QFETCH(QByteArray, title);
        QFETCH(QByteArray, sameAs);
        QCOMPARE(CardRenderer::textLayer(title, defaultTitleFont(), {640, 480}),
                 CardRenderer::textLayer(sameAs, defaultTitleFont(), {640, 480}));
    }

    void textIsOredOntoPicture_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QList<QRgb>>("corners"); // top left, top right, bottom right: outside the text
        const QList<QRgb> colours{qRgb(10, 20, 30), qRgb(200, 0, 0), qRgb(0, 0, 255)};
        QTest::newRow("640") << testPicture() << QSize(640, 480) << colours;
        QTest::newRow("stretched to 1280") << testPicture() << QSize(1280, 960) << colours;
        QTest::newRow("stretched by 1.6") << testPicture() << QSize(1024, 768) << colours;
        QTest::newRow("no picture gives black") << QImage() << QSize(640, 480) << QList<QRgb>(3, qRgb(0, 0, 0));
    }

    void textIsOredOntoPicture()
    {
        QFETCH(QImage, picture);
        QFETCH(QSize, screen);
        QFETCH(QList<QRgb>, corners);
        const QByteArray title = TitleTable::record(12);
        const QImage card = CardRenderer::composeCard(picture, title, defaultTitleFont(), screen);
        const QImage layer = CardRenderer::textLayer(title, defaultTitleFont(), screen);
        QImage base(screen, QImage::Format_RGB32);
        base.fill(Qt::black);
        if (!picture.isNull())
            base = CardRenderer::stretchedPicture(picture, screen);
        QCOMPARE(card.size(), screen);
        const int r = screen.width() - 10, b = screen.height() - 10;
        QCOMPARE(QList<QRgb>({card.pixel(10, 10), card.pixel(r, 10), card.pixel(r, b)}), corners);
        if (!picture.isNull() && screen == picture.size())
            QCOMPARE(CardRenderer::stretchedPicture(picture, screen), picture.convertToFormat(QImage::Format_RGB32));
        // Stretching replicates pixels: no colour outside the picture's own is blended in.
        const QList<QRgb> table = picture.colorTable();
        for (int y = 0; y < screen.height() && !picture.isNull(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                QVERIFY2(table.contains(base.pixel(x, y)), qPrintable(QStringLiteral("blended at %1,%2").arg(x).arg(y)));
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                QCOMPARE(card.pixel(x, y) & 0xFFFFFF, (base.pixel(x, y) | layer.pixel(x, y)) & 0xFFFFFF);
    }
};

QTEST_MAIN(TestCardRenderer)
#include "test_cardrenderer.moc"
