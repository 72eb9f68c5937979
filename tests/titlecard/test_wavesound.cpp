#include "testbytes.h"

#include "titlecard/wavesound.h"

#include <QtTest>

class TestWaveSound : public QObject
{
    Q_OBJECT
private slots:
    void resourceIsTheCardSound()
    {
        const QByteArray bytes = WaveSound::resourceBytes();
        QCOMPARE(bytes.size(), 55166);
        QCOMPARE(bytes.mid(20, 16), fmtChunk(1, 1, 11025, 8).mid(8)); // PCM, mono, 11025 Hz, 8 bits
        QCOMPARE(bytes.mid(bytes.indexOf("data"), 8), "data" + le32(55120));
        QCOMPARE(WaveSound::playingTimeMs(bytes), std::optional<int>(4999));
    }

    void playingTime_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expected"); // -1: no playing time
        const QByteArray fmt = fmtChunk(1, 1, 11025, 8);
        const QByteArray second = "data" + le32(11025) + QByteArray(11025, '\x80');
        QTest::newRow("one second") << wave(fmt + second) << 1000;
        QTest::newRow("stereo 16 bits") << wave(fmtChunk(1, 2, 8000, 16) + "data" + le32(16000) + QByteArray(16000, '\0')) << 500;
        QTest::newRow("other chunk first, odd size padded") << wave(fmt + "LIST" + le32(3) + "abc" + '\0' + second) << 1000;
        QTest::newRow("data shorter than declared") << wave(fmt + "data" + le32(55120) + second.mid(8)) << 1000;
        QTest::newRow("huge declared size") << wave(fmt + "data" + le32(0xFFFFFFFF) + second.mid(8)) << 1000;
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

    void playingTime()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expected);
        const std::optional<int> ms = WaveSound::playingTimeMs(bytes);
        QCOMPARE(ms.has_value(), expected >= 0);
        if (ms)
            QCOMPARE(*ms, expected);
    }
};

QTEST_GUILESS_MAIN(TestWaveSound)
#include "test_wavesound.moc"
