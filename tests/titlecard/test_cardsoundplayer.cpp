#include "titlecard/cardsoundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtEndian>
#include <QtTest>

// The real player: whether or not an audio output exists, finished() comes
// once, no earlier than the sound's playing time.
class TestCardSoundPlayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void finishesAfterPlayingTime_data();
    void finishesAfterPlayingTime();
    void playsOnlyOnce();

private:
    QTemporaryDir m_dir;
    QString m_wavePath;
};

static QByteArray shortWave(int samples)
{
    auto le32 = [](quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; };
    auto le16 = [](quint16 v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; };
    QByteArray data(samples, '\x80');
    const QByteArray fmt = "fmt " + le32(16) + le16(1) + le16(1) + le32(11025) + le32(11025)
        + le16(1) + le16(8);
    const QByteArray body = "WAVE" + fmt + "data" + le32(samples) + data;
    return "RIFF" + le32(body.size()) + body;
}

void TestCardSoundPlayer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_wavePath = m_dir.filePath("short.wav");
    QFile file(m_wavePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(shortWave(11025 * 6 / 10)); // 0.6 s
}

void TestCardSoundPlayer::finishesAfterPlayingTime_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("playable sound") << m_wavePath;
    QTest::newRow("missing sound") << m_dir.filePath("missing.wav");
}

void TestCardSoundPlayer::finishesAfterPlayingTime()
{
    QFETCH(QString, source);
    const int playingTimeMs = 600;
    QtCardSoundPlayer player(QUrl::fromLocalFile(source), playingTimeMs);
    QSignalSpy finished(&player, &CardSoundPlayer::finished);
    QElapsedTimer timer;
    timer.start();
    player.play();
    QVERIFY(finished.wait(playingTimeMs + 4000));
    const qint64 elapsed = timer.elapsed();
    qInfo() << "audio outputs:" << QMediaDevices::audioOutputs().size() << "finished after" << elapsed << "ms";
    QVERIFY2(elapsed >= playingTimeMs - 100, qPrintable(QString::number(elapsed)));
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
}

void TestCardSoundPlayer::playsOnlyOnce()
{
    QtCardSoundPlayer player(QUrl::fromLocalFile(m_wavePath), 300);
    QSignalSpy finished(&player, &CardSoundPlayer::finished);
    player.play();
    player.play();
    QVERIFY(finished.wait(5000));
    QTest::qWait(400);
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(TestCardSoundPlayer)
#include "test_cardsoundplayer.moc"
