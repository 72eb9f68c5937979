#include "testbytes.h"

#include "titlecard/backgroundpicture.h"

#include <QtTest>

// A known palette; pixels 3 and 4 at the left of the bottom row (stored
// first), 9 and 10 at the right of the top row (stored last).
static QByteArray syntheticDib()
{
    QByteArray dib(BackgroundPicture::kFileBytes, '\0');
    for (int i = 0; i < 16; ++i) {
        dib[40 + 4 * i] = char(i);           // blue
        dib[41 + 4 * i] = char(i * 16);      // green
        dib[42 + 4 * i] = char(255 - i);     // red
    }
    dib[104] = char(0x34);
    dib[104 + 479 * 320 + 319] = char(0x9A);
    return dib;
}

class TestBackgroundPicture : public QObject
{
    Q_OBJECT
private slots:
    void resourceHasTheFixedLayout()
    {
        const QByteArray dib = BackgroundPicture::resourceBytes();
        QCOMPARE(dib.size(), 153704);
        // Header size, 640 x 480 bottom-up, one plane, 4 bits, BI_RGB, pixel bytes; all 16 colours.
        QCOMPARE(dib.left(24), le32(40) + le32(640) + le32(480) + le16(1) + le16(4) + le32(0) + le32(153600));
        QCOMPARE(dib.mid(32, 4), le32(0));
        QCOMPARE(BackgroundPicture::decode(dib).size(), QSize(640, 480));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("dib");
        QTest::addColumn<bool>("valid");
        const QByteArray dib = syntheticDib();
        QTest::newRow("synthetic") << dib << true;
        QTest::newRow("garbage header, bytes beyond")
            << QByteArray(40, '\xFF') + dib.mid(40) + QByteArray(1000, '\x11') << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("header only") << dib.left(40) << false;
        QTest::newRow("one byte short") << dib.left(153703) << false;
    }

    void decode()
    {
        QFETCH(QByteArray, dib);
        QFETCH(bool, valid);
        const QImage image = BackgroundPicture::decode(dib);
        QCOMPARE(image.isNull(), !valid);
        if (!valid)
            return;
        QCOMPARE(image.size(), QSize(640, 480));
        QCOMPARE(image.colorTable().size(), 16);
        QCOMPARE(image.colorTable().at(5), qRgb(250, 80, 5));
        QCOMPARE(image.pixel(0, 479), qRgb(252, 48, 3));
        QCOMPARE(image.pixelIndex(1, 479), 4);
        QCOMPARE(image.pixelIndex(638, 0), 9);
        QCOMPARE(image.pixelIndex(639, 0), 10);
    }
};

QTEST_GUILESS_MAIN(TestBackgroundPicture)
#include "test_backgroundpicture.moc"
