#include "titlecard/cardgeometry.h"

#include "shared/cp932.h"

#include <QtTest>

class TestCardGeometry : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void spansTheBand_data();
    void spansTheBand();
    void doubleByteGlyphsOwnTwoCells();
    void emptyTextHasNoGlyphs();
};

static const FieldPlacement kLine1 = kFieldPlacements[0];
static const FieldPlacement kLine2 = kFieldPlacements[1];
static const FieldPlacement kRuby1 = kFieldPlacements[2];
static const FieldPlacement kRuby2 = kFieldPlacements[3];
static const FieldPlacement kLine3 = kFieldPlacements[4];

Q_DECLARE_METATYPE(FieldPlacement)

void TestCardGeometry::lines_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<FieldPlacement>("placement");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("cellHeight");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("top");
    QTest::addColumn<QList<QPoint>>("xOfByte"); // (byte index, glyph x)

    const QSize vga(640, 480);
    QTest::newRow("640 line1 22") << vga << kLine1 << 22 << 48 << 23 << 168
                                  << QList<QPoint>{{0, 64}, {1, 87}, {2, 110}, {20, 529}, {21, 552}};
    QTest::newRow("640 ruby1 44") << vga << kRuby1 << 44 << 19 << 11 << 144
                                  << QList<QPoint>{{0, 64}, {1, 75}, {2, 87}, {43, 564}};
    QTest::newRow("640 line2 22") << vga << kLine2 << 22 << 48 << 23 << 264
                                  << QList<QPoint>{{0, 64}, {1, 87}, {20, 529}};
    QTest::newRow("640 ruby2 44") << vga << kRuby2 << 44 << 19 << 11 << 240
                                  << QList<QPoint>{{0, 64}, {2, 87}, {43, 564}};
    QTest::newRow("640 line3 28") << vga << kLine3 << 28 << 24 << 18 << 336
                                  << QList<QPoint>{{0, 64}, {1, 82}, {2, 100}, {27, 557}};
    QTest::newRow("640 line3 space") << vga << kLine3 << 1 << 24 << 512 << 336 << QList<QPoint>{{0, 64}};
    QTest::newRow("1024 line1 22") << QSize(1024, 768) << kLine1 << 22 << 76 << 37 << 268
                                   << QList<QPoint>{{0, 102}, {1, 139}, {2, 176}, {21, 884}};
    QTest::newRow("1920 line1 16") << QSize(1920, 1080) << kLine1 << 16 << 108 << 96 << 378
                                   << QList<QPoint>{{0, 192}, {1, 288}, {15, 1632}};
}

void TestCardGeometry::lines()
{
    QFETCH(QSize, screen);
    QFETCH(FieldPlacement, placement);
    QFETCH(int, bytes);
    QFETCH(int, cellHeight);
    QFETCH(int, cellWidth);
    QFETCH(int, top);
    QFETCH(QList<QPoint>, xOfByte);

    // Single-byte text: one glyph per byte.
    const LineGeometry line = layoutTitleLine(QByteArray(bytes, 'a'), placement, screen);
    QCOMPARE(line.cellHeight, cellHeight);
    QCOMPARE(line.cellWidth, cellWidth);
    QCOMPARE(line.top, top);
    QCOMPARE(line.glyphs.size(), bytes);
    for (const QPoint &bx : xOfByte)
        QCOMPARE(line.glyphs[bx.x()].cell.left(), bx.y());
    for (const GlyphCell &g : line.glyphs) {
        QCOMPARE(g.cell.top(), top);
        QCOMPARE(g.cell.height(), cellHeight);
    }
}

void TestCardGeometry::spansTheBand_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("bytes");
    for (const QSize &screen : {QSize(640, 480), QSize(1024, 768), QSize(1366, 768), QSize(3840, 2160)}) {
        for (int n : {1, 2, 3, 7, 16, 22, 44, 66, 149, 255, 1000})
            QTest::addRow("%dx%d n=%d", screen.width(), screen.height(), n) << screen << n;
    }
}

void TestCardGeometry::spansTheBand()
{
    QFETCH(QSize, screen);
    QFETCH(int, bytes);
    const LineGeometry line = layoutTitleLine(QByteArray(bytes, 'x'), kLine1, screen);
    QCOMPARE(line.glyphs.first().cell.left(), int(screen.width() * 0.1));
    // Cells are contiguous, never overlapping, and end at 0.9 W.
    for (int i = 1; i < line.glyphs.size(); ++i)
        QCOMPARE(line.glyphs[i].cell.left(), line.glyphs[i - 1].cell.right() + 1);
    const int end = line.glyphs.last().cell.right() + 1;
    QVERIFY2(qAbs(end - screen.width() * 0.9) <= 1.0, QByteArray::number(end));
}

void TestCardGeometry::doubleByteGlyphsOwnTwoCells()
{
    // 星 (double-byte), A, 環 (double-byte), then a lead byte that ends the text.
    const QByteArray text = Cp932::fromUnicode(QStringLiteral("星A環")) + '\x81';
    QCOMPARE(text.size(), 6);
    const LineGeometry line = layoutTitleLine(text, kLine1, QSize(640, 480));
    QCOMPARE(line.cellWidth, 85); // trunc(512 / 6)
    QCOMPARE(line.glyphs.size(), 4);
    const int starts[] = {0, 2, 3, 5};
    const int counts[] = {2, 1, 2, 1};
    const int lefts[] = {64, 234, 320, 490}; // trunc(i * 85.333 + 64)
    const int widths[] = {170, 86, 170, 86};
    for (int g = 0; g < 4; ++g) {
        QCOMPARE(line.glyphs[g].byteIndex, starts[g]);
        QCOMPARE(line.glyphs[g].byteCount, counts[g]);
        QCOMPARE(line.glyphs[g].cell.left(), lefts[g]);
        QCOMPARE(line.glyphs[g].cell.width(), widths[g]);
    }
}

void TestCardGeometry::emptyTextHasNoGlyphs()
{
    QVERIFY(layoutTitleLine(QByteArray(), kLine1, QSize(640, 480)).glyphs.isEmpty());
    // A screen too small for any height still gives cells, zero pixels tall.
    const LineGeometry tiny = layoutTitleLine("ab", kRuby1, QSize(10, 10));
    QCOMPARE(tiny.cellHeight, 0);
}

QTEST_GUILESS_MAIN(TestCardGeometry)
#include "test_cardgeometry.moc"
