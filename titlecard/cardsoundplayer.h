#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Plays the card's sound once. The card stays exactly as long as this
// takes, so finished() must come even when nothing can be played.
class CardSoundPlayer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void play() = 0;

signals:
    // Once, after the sound has played to its end, or after its own
    // playing time when it could not be played.
    void finished();
};

// The real player, on the sound server. Without a sound server, or when
// playing fails, it waits out the sound's playing time instead, so the card
// does not vanish the moment it was drawn.
class ServerCardSoundPlayer : public CardSoundPlayer
{
    Q_OBJECT
public:
    // wave: a RIFF WAVE file; playingTimeMs: how long the card stays
    // when it cannot be played.
    ServerCardSoundPlayer(const QByteArray &wave, const QByteArray &streamName, int playingTimeMs,
                          QObject *parent = nullptr);
    void play() override;

private:
    void waitOutPlayingTime();
    void finish();

    QByteArray m_wave;
    QByteArray m_streamName;
    int m_playingTimeMs;
    QElapsedTimer m_sinceStart;
    QTimer m_fallback;
    QTimer m_watchdog;
    bool m_done = false;
};
