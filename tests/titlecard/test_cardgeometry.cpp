#include "titlecard/cardgeometry.h"

#include "shared/cp932.h"

#include <QtTest>

class TestCardGeometry : public QObject
{
    Q_OBJECT
private slots:
    void singleByteLines_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QList<int>>("expected"); // cell height, cell width, top, then (byte, x) pairs
        const QSize vga(640, 480);
        QTest::newRow("640 line1 22") << vga << 0 << 22 << QList<int>{48, 23, 168, 0, 64, 1, 87, 2, 110, 20, 529, 21, 552};
        QTest::newRow("640 line2 22") << vga << 1 << 22 << QList<int>{48, 23, 264, 0, 64, 1, 87, 20, 529};
        QTest::newRow("640 ruby1 44") << vga << 2 << 44 << QList<int>{19, 11, 144, 0, 64, 1, 75, 2, 87, 43, 564};
        QTest::newRow("640 ruby2 44") << vga << 3 << 44 << QList<int>{19, 11, 240, 0, 64, 2, 87, 43, 564};
        QTest::newRow("640 line3 28") << vga << 4 << 28 << QList<int>{24, 18, 336, 0, 64, 1, 82, 2, 100, 27, 557};
        QTest::newRow("640 line3 space") << vga << 4 << 1 << QList<int>{24, 512, 336, 0, 64};
        QTest::newRow("1024 line1 22") << QSize(1024, 768) << 0 << 22 << QList<int>{76, 37, 268, 0, 102, 1, 139, 2, 176, 21, 884};
        QTest::newRow("1920 line1 16") << QSize(1920, 1080) << 0 << 16 << QList<int>{108, 96, 378, 0, 192, 1, 288, 15, 1632};
        QTest::newRow("too small for any height") << QSize(10, 10) << 2 << 2 << QList<int>{0, 4, 3, 0, 1, 1, 5};
        QTest::newRow("empty") << vga << 0 << 0 << QList<int>{0, 0, 0};
    }

    void singleByteLines()
    {
        QFETCH(QSize, screen);
        QFETCH(int, rank);
        QFETCH(int, bytes);
        QFETCH(QList<int>, expected);
        const LineGeometry line = layoutTitleLine(QByteArray(bytes, 'a'), kFieldPlacements[rank], screen);
        QCOMPARE(QList<int>({line.cellHeight, line.cellWidth, line.top}), expected.mid(0, 3));
        QCOMPARE(line.glyphs.size(), bytes);
        for (int i = 3; i < expected.size(); i += 2)
            QCOMPARE(line.glyphs[expected[i]].cell.left(), expected[i + 1]);
        for (const GlyphCell &g : line.glyphs)
            QCOMPARE(g.cell, QRect(g.cell.left(), line.top, g.cell.width(), line.cellHeight));
    }

    void spansTheBand_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("bytes");
        for (const QSize &screen : {QSize(640, 480), QSize(1024, 768), QSize(1366, 768), QSize(3840, 2160)})
            for (int n : {1, 2, 3, 7, 16, 22, 44, 66, 149, 255, 1000})
                QTest::addRow("%dx%d n=%d", screen.width(), screen.height(), n) << screen << n;
    }

    void spansTheBand()
    {
        QFETCH(QSize, screen);
        QFETCH(int, bytes);
        const LineGeometry line = layoutTitleLine(QByteArray(bytes, 'x'), kFieldPlacements[0], screen);
        QCOMPARE(line.glyphs.first().cell.left(), int(screen.width() * 0.1));
        // Contiguous cells, never overlapping, ending at 0.9 W.
        for (int i = 1; i < line.glyphs.size(); ++i)
            QCOMPARE(line.glyphs[i].cell.left(), line.glyphs[i - 1].cell.right() + 1);
        const int end = line.glyphs.last().cell.right() + 1;
        QVERIFY2(qAbs(end - screen.width() * 0.9) <= 1.0, QByteArray::number(end));
    }

    void doubleByteGlyphsOwnTwoCells()
    {
        // Double-byte, single, double-byte, then a lead byte that ends the text.
        const QByteArray text = Cp932::fromUnicode(QStringLiteral("星A環")) + '\x81';
        const LineGeometry line = layoutTitleLine(text, kFieldPlacements[0], QSize(640, 480));
        QCOMPARE(line.cellWidth, 85); // trunc(512 / 6)
        const QList<QList<int>> expected{{0, 2, 64, 170}, {2, 1, 234, 86}, {3, 2, 320, 170}, {5, 1, 490, 86}};
        QCOMPARE(line.glyphs.size(), expected.size());
        for (int g = 0; g < expected.size(); ++g) {
            const GlyphCell &glyph = line.glyphs[g];
            QCOMPARE(QList<int>({glyph.byteIndex, glyph.byteCount, glyph.cell.left(), glyph.cell.width()}), expected[g]);
        }
    }
};

QTEST_GUILESS_MAIN(TestCardGeometry)
#include "test_cardgeometry.moc"
