#include "titlecard/wavesound.h"

#include <QtEndian>
#include <QtTest>

class TestWaveSound : public QObject
{
    Q_OBJECT
private slots:
    void resourceIsTheCardSound();
    void playingTime_data();
    void playingTime();
};

static QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

static QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

static QByteArray fmtChunk(quint16 format, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = channels * ((bits + 7) / 8);
    return "fmt " + le32(16) + le16(format) + le16(channels) + le32(rate) + le32(rate * align)
        + le16(align) + le16(bits);
}

static QByteArray wave(const QByteArray &chunks)
{
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

void TestWaveSound::resourceIsTheCardSound()
{
    const QByteArray bytes = WaveSound::resourceBytes();
    QCOMPARE(bytes.size(), 55166);
    const char *d = bytes.constData();
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint16>(d + 20), quint16(1));      // PCM
    QCOMPARE(qFromLittleEndian<quint16>(d + 22), quint16(1));      // mono
    QCOMPARE(qFromLittleEndian<quint32>(d + 24), 11025u);
    QCOMPARE(qFromLittleEndian<quint16>(d + 34), quint16(8));
    const int data = bytes.indexOf("data");
    QVERIFY(data > 0);
    QCOMPARE(qFromLittleEndian<quint32>(d + data + 4), 55120u);
    QCOMPARE(WaveSound::playingTimeMs(bytes), std::optional<int>(4999));
}

void TestWaveSound::playingTime_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected"); // -1: no playing time

    const QByteArray fmt = fmtChunk(1, 1, 11025, 8);
    const QByteArray oneSecond(11025, '\x80');
    QTest::newRow("one second") << wave(fmt + "data" + le32(11025) + oneSecond) << 1000;
    QTest::newRow("stereo 16 bits") << wave(fmtChunk(1, 2, 8000, 16) + "data" + le32(16000)
                                            + QByteArray(16000, '\0'))
                                    << 500;
    QTest::newRow("other chunk first, odd size padded")
        << wave(fmt + "LIST" + le32(3) + "abc" + QByteArray(1, '\0') + "data" + le32(11025) + oneSecond)
        << 1000;
    QTest::newRow("data shorter than declared") << wave(fmt + "data" + le32(55120) + oneSecond) << 1000;
    QTest::newRow("huge declared size") << wave(fmt + "data" + le32(0xFFFFFFFF) + oneSecond) << 1000;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("RIFF only") << QByteArray("RIFF") << -1;
    QTest::newRow("not WAVE") << QByteArray("RIFF\0\0\0\0AVI ", 12) + fmt << -1;
    QTest::newRow("no fmt") << wave("data" + le32(4) + "abcd") << -1;
    QTest::newRow("data before fmt") << wave("data" + le32(4) + "abcd" + fmt) << -1;
    QTest::newRow("not PCM") << wave(fmtChunk(3, 1, 11025, 32) + "data" + le32(4) + "abcd") << -1;
    QTest::newRow("zero rate") << wave(fmtChunk(1, 1, 0, 8) + "data" + le32(4) + "abcd") << -1;
    QTest::newRow("truncated fmt") << wave(fmt.left(12)) << -1;
    QTest::newRow("chunk size beyond end") << wave("junk" + le32(0xFFFFFFF0) + fmt) << -1;
    QTest::newRow("garbage") << QByteArray(70000, '\xA5') << -1;
}

void TestWaveSound::playingTime()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    const std::optional<int> ms = WaveSound::playingTimeMs(bytes);
    if (expected < 0)
        QVERIFY(!ms.has_value());
    else
        QCOMPARE(ms, std::optional<int>(expected));
}

QTEST_GUILESS_MAIN(TestWaveSound)
#include "test_wavesound.moc"
