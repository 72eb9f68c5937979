#include "testbytes.h"

#include "titlecard/cardsoundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtTest>

// The real player: with or without an audio output, and even when asked
// twice, finished() comes once, no earlier than the sound's playing time.
class TestCardSoundPlayer : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void finishesOnceAfterPlayingTime_data()
    {
        QVERIFY(m_dir.isValid());
        QFile file(m_dir.filePath("short.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(wave(fmtChunk(1, 1, 11025, 8) + "data" + le32(6615) + QByteArray(6615, '\x80'))); // 0.6 s
        QTest::addColumn<QString>("source");
        QTest::newRow("playable sound") << file.fileName();
        QTest::newRow("missing sound") << m_dir.filePath("missing.wav");
    }

    void finishesOnceAfterPlayingTime()
    {
        QFETCH(QString, source);
        QtCardSoundPlayer player(QUrl::fromLocalFile(source), 600);
        QSignalSpy finished(&player, &CardSoundPlayer::finished);
        QElapsedTimer timer;
        timer.start();
        player.play();
        player.play();
        QVERIFY(finished.wait(4600));
        const qint64 elapsed = timer.elapsed();
        qInfo() << "audio outputs:" << QMediaDevices::audioOutputs().size() << "finished after" << elapsed << "ms";
        QVERIFY2(elapsed >= 500, qPrintable(QString::number(elapsed)));
        QTest::qWait(400);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TestCardSoundPlayer)
#include "test_cardsoundplayer.moc"
