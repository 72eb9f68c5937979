#include "titlecard/backgroundpicture.h"

#include <QtEndian>
#include <QtTest>

class TestBackgroundPicture : public QObject
{
    Q_OBJECT
private slots:
    void resourceHasTheFixedLayout();
    void decodesPaletteAndBottomUpRows();
    void tooShort_data();
    void tooShort();
    void headerIsNotConsulted();
};

static QByteArray syntheticDib()
{
    QByteArray dib(BackgroundPicture::kFileBytes, '\0');
    for (int i = 0; i < 16; ++i) {
        dib[40 + 4 * i] = char(i);          // blue
        dib[40 + 4 * i + 1] = char(i * 16); // green
        dib[40 + 4 * i + 2] = char(255 - i); // red
    }
    // First stored row is the bottom row: pixels 3 and 4 at its left.
    dib[104] = char(0x34);
    // Last stored row is the top row: pixels 9 and 10 at its right end.
    dib[104 + 479 * 320 + 319] = char(0x9A);
    return dib;
}

void TestBackgroundPicture::resourceHasTheFixedLayout()
{
    const QByteArray dib = BackgroundPicture::resourceBytes();
    QCOMPARE(dib.size(), 153704);
    const char *d = dib.constData();
    QCOMPARE(qFromLittleEndian<quint32>(d), 40u);      // header size
    QCOMPARE(qFromLittleEndian<qint32>(d + 4), 640);   // width
    QCOMPARE(qFromLittleEndian<qint32>(d + 8), 480);   // height, positive: bottom-up
    QCOMPARE(qFromLittleEndian<quint16>(d + 12), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(d + 14), quint16(4));
    QCOMPARE(qFromLittleEndian<quint32>(d + 16), 0u);  // BI_RGB
    QCOMPARE(qFromLittleEndian<quint32>(d + 20), 153600u);
    QCOMPARE(qFromLittleEndian<quint32>(d + 32), 0u);  // all 16 colours
    const QImage image = BackgroundPicture::decode(dib);
    QCOMPARE(image.size(), QSize(640, 480));
    // A picture, not a flat fill: it uses most of its colours.
    QSet<int> used;
    for (int y = 0; y < 480; y += 3)
        for (int x = 0; x < 640; x += 3)
            used.insert(image.pixelIndex(x, y));
    QVERIFY(used.size() >= 12);
}

void TestBackgroundPicture::decodesPaletteAndBottomUpRows()
{
    const QImage image = BackgroundPicture::decode(syntheticDib());
    QCOMPARE(image.colorTable().size(), 16);
    QCOMPARE(image.colorTable().at(5), qRgb(250, 80, 5));
    QCOMPARE(image.pixelIndex(0, 479), 3);
    QCOMPARE(image.pixelIndex(1, 479), 4);
    QCOMPARE(image.pixelIndex(638, 0), 9);
    QCOMPARE(image.pixelIndex(639, 0), 10);
    QCOMPARE(image.pixel(0, 479), qRgb(252, 48, 3));
}

void TestBackgroundPicture::tooShort_data()
{
    QTest::addColumn<QByteArray>("dib");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << syntheticDib().left(40);
    QTest::newRow("one byte short") << syntheticDib().left(153703);
}

void TestBackgroundPicture::tooShort()
{
    QFETCH(QByteArray, dib);
    QVERIFY(BackgroundPicture::decode(dib).isNull());
}

void TestBackgroundPicture::headerIsNotConsulted()
{
    // A garbage header with the right amount of data still gives the picture.
    QByteArray dib = syntheticDib();
    dib.replace(0, 40, QByteArray(40, '\xFF'));
    dib.append(QByteArray(1000, '\x11'));
    const QImage image = BackgroundPicture::decode(dib);
    QCOMPARE(image.size(), QSize(640, 480));
    QCOMPARE(image.pixelIndex(0, 479), 3);
}

QTEST_GUILESS_MAIN(TestBackgroundPicture)
#include "test_backgroundpicture.moc"
