#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QSoundEffect;

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

// The real player, through Qt Multimedia. Without a sound server or an
// audio output, or when playing fails, it waits out the sound's playing
// time instead, so the card does not vanish the moment it was drawn.
class QtCardSoundPlayer : public CardSoundPlayer
{
    Q_OBJECT
public:
    QtCardSoundPlayer(const QUrl &source, int playingTimeMs, QObject *parent = nullptr);
    void play() override;

private:
    void waitOutPlayingTime();
    void finish();

    QUrl m_source;
    int m_playingTimeMs;
    QSoundEffect *m_effect = nullptr;
    QElapsedTimer m_sinceStart;
    QTimer m_fallback;
    QTimer m_watchdog;
    bool m_started = false;
    bool m_done = false;
};
