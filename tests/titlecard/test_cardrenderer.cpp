#include "titlecard/cardrenderer.h"
#include "titlecard/splitfields.h"
#include "titlecard/titletable.h"

#include "shared/cp932.h"

#include <QPainter>
#include <QtTest>

class TestCardRenderer : public QObject
{
    Q_OBJECT
private slots:
    void textOnlyInsideCells_data();
    void textOnlyInsideCells();
    void glyphsFillTheirCells();
    void fieldsByRank_data();
    void fieldsByRank();
    void laterCellCoversOverhang();
    void pictureIsStretched();
    void textIsOredOntoPicture();
    void missingPictureGivesBlack();
};

static bool lit(QRgb pixel)
{
    return (pixel & 0xFFFFFF) != 0;
}

// The cells of every field of the title, as the card lays them out.
static QList<QRect> cellsOf(const QByteArray &title, const QSize &screen)
{
    QList<QRect> cells;
    const QList<QByteArray> fields = SplitFields(title);
    for (int rank = 0; rank < fields.size(); ++rank) {
        for (const GlyphCell &g : layoutTitleLine(fields[rank], kFieldPlacements[rank], screen).glyphs)
            cells << g.cell;
    }
    return cells;
}

static QRect litBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (lit(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

void TestCardRenderer::textOnlyInsideCells_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QSize>("screen");
    for (const QSize &screen : {QSize(640, 480), QSize(1024, 768)}) {
        for (int episode : {12, 22, 25})
            QTest::addRow("episode %d at %d", episode, screen.width())
                << TitleTable::record(episode) << screen;
    }
    QTest::newRow("ascii five fields") << QByteArray("AB,CD,ef,gh,X") << QSize(640, 480);
}

void TestCardRenderer::textOnlyInsideCells()
{
    QFETCH(QByteArray, title);
    QFETCH(QSize, screen);
    const QImage layer = CardRenderer::textLayer(title, defaultTitleFont(), screen);
    QCOMPARE(layer.size(), screen);
    const QList<QRect> cells = cellsOf(title, screen);
    const QRect band(int(screen.width() * 0.1), 0, int(screen.width() * 0.8), screen.height());
    int litCount = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (!lit(layer.pixel(x, y)))
                continue;
            ++litCount;
            const QPoint p(x, y);
            QVERIFY2(band.contains(p), qPrintable(QStringLiteral("lit outside band at %1,%2").arg(x).arg(y)));
            bool inCell = false;
            for (const QRect &cell : cells)
                inCell = inCell || cell.contains(p);
            QVERIFY2(inCell, qPrintable(QStringLiteral("lit outside cells at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(litCount > 0);
}

void TestCardRenderer::glyphsFillTheirCells()
{
    // Three wide kanji on a line of 6 bytes: each fills most of its two cells.
    const QByteArray text = Cp932::fromUnicode(QStringLiteral("星環国"));
    const QSize screen(640, 480);
    const QImage layer = CardRenderer::textLayer(text, defaultTitleFont(), screen);
    for (const GlyphCell &g : layoutTitleLine(text, kFieldPlacements[0], screen).glyphs) {
        const QRect ink = litBounds(layer, g.cell);
        QVERIFY2(ink.width() >= g.cell.width() * 0.7,
                 qPrintable(QStringLiteral("ink %1 of cell %2").arg(ink.width()).arg(g.cell.width())));
        QVERIFY(ink.height() >= g.cell.height() * 0.6);
    }
}

void TestCardRenderer::fieldsByRank_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("sameAs");
    QTest::newRow("empty field vanishes") << QByteArray("a,,b") << QByteArray("a,b");
    QTest::newRow("leading and trailing commas") << QByteArray(",,a,b,") << QByteArray("a,b");
    QTest::newRow("beyond five ignored") << QByteArray("1,2,3,4,5,6,7") << QByteArray("1,2,3,4,5");
    QTest::newRow("space line3 draws nothing") << QByteArray("AB,CD,ab,cd, ") << QByteArray("AB,CD,ab,cd");
    QTest::newRow("only commas") << QByteArray(",,,") << QByteArray();
}

void TestCardRenderer::fieldsByRank()
{
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, sameAs);
    const QSize screen(640, 480);
    QCOMPARE(CardRenderer::textLayer(title, defaultTitleFont(), screen),
             CardRenderer::textLayer(sameAs, defaultTitleFont(), screen));
}

void TestCardRenderer::laterCellCoversOverhang()
{
    // A wide italic glyph leans into the next cell; that cell's black
    // background is drawn afterwards and covers it.
    TitleFont font = defaultTitleFont();
    font.lfItalic = 1;
    font.lfWeight = 900;
    const QSize screen(640, 480);
    const QByteArray text("WWWW ");
    const QImage layer = CardRenderer::textLayer(text, font, screen);
    const QList<GlyphCell> glyphs = layoutTitleLine(text, kFieldPlacements[0], screen).glyphs;
    QVERIFY(!litBounds(layer, glyphs[3].cell).isEmpty());
    QVERIFY(litBounds(layer, glyphs[4].cell).isEmpty());
}

static QImage testPicture()
{
    QImage picture(640, 480, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(10, 20, 30), qRgb(200, 0, 0), qRgb(0, 0, 255)});
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            picture.setPixel(x, y, x < 320 ? 0 : (y < 240 ? 1 : 2));
    return picture;
}

void TestCardRenderer::pictureIsStretched()
{
    const QImage picture = testPicture();
    QCOMPARE(CardRenderer::stretchedPicture(picture, QSize(640, 480)),
             picture.convertToFormat(QImage::Format_RGB32));
    const QImage big = CardRenderer::stretchedPicture(picture, QSize(1280, 960));
    QCOMPARE(big.size(), QSize(1280, 960));
    QCOMPARE(big.pixel(10, 10), qRgb(10, 20, 30));
    QCOMPARE(big.pixel(1270, 10), qRgb(200, 0, 0));
    QCOMPARE(big.pixel(1270, 950), qRgb(0, 0, 255));
}

void TestCardRenderer::textIsOredOntoPicture()
{
    const QImage picture = testPicture();
    const QByteArray title = TitleTable::record(12);
    for (const QSize &screen : {QSize(640, 480), QSize(1024, 768)}) {
        const QImage card = CardRenderer::composeCard(picture, title, defaultTitleFont(), screen);
        const QImage base = CardRenderer::stretchedPicture(picture, screen);
        const QImage layer = CardRenderer::textLayer(title, defaultTitleFont(), screen);
        QCOMPARE(card.size(), screen);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                QCOMPARE(card.pixel(x, y) & 0xFFFFFF, (base.pixel(x, y) | layer.pixel(x, y)) & 0xFFFFFF);
    }
}

void TestCardRenderer::missingPictureGivesBlack()
{
    const QSize screen(640, 480);
    const QByteArray title = TitleTable::record(1);
    QCOMPARE(CardRenderer::composeCard(QImage(), title, defaultTitleFont(), screen),
             CardRenderer::textLayer(title, defaultTitleFont(), screen));
}

QTEST_MAIN(TestCardRenderer)
#include "test_cardrenderer.moc"
