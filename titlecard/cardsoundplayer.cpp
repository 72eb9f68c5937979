#include "cardsoundplayer.h"

#include "soundserver.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

namespace {
// An output that accepts the sound but never reports its end must not keep
// the card up forever.
constexpr int kWatchdogGraceMs = 3000;
} // namespace

QtCardSoundPlayer::QtCardSoundPlayer(const QUrl &source, int playingTimeMs, QObject *parent)
    : CardSoundPlayer(parent), m_source(source), m_playingTimeMs(qMax(0, playingTimeMs))
{
    m_fallback.setSingleShot(true);
    // A coarse timer may end the card up to 5 % early.
    m_fallback.setTimerType(Qt::PreciseTimer);
    m_watchdog.setSingleShot(true);
    connect(&m_fallback, &QTimer::timeout, this, &QtCardSoundPlayer::finish);
    connect(&m_watchdog, &QTimer::timeout, this, &QtCardSoundPlayer::finish);
}

void QtCardSoundPlayer::play()
{
    if (m_sinceStart.isValid())
        return; // played once only
    m_sinceStart.start();
    m_watchdog.start(m_playingTimeMs + kWatchdogGraceMs);

    // Without a sound server Qt's audio stack is not even asked: it would
    // print its failure to connect on every card.
    if (!soundServerAvailable() || QMediaDevices::audioOutputs().isEmpty()) {
        waitOutPlayingTime();
        return;
    }
    m_effect = new QSoundEffect(this);
    connect(m_effect, &QSoundEffect::statusChanged, this, [this] {
        if (m_effect->status() == QSoundEffect::Error)
            waitOutPlayingTime();
    });
    connect(m_effect, &QSoundEffect::playingChanged, this, [this] {
        if (m_effect->isPlaying())
            m_started = true;
        else if (m_started)
            finish();
    });
    m_effect->setSource(m_source);
    m_effect->play();
}

void QtCardSoundPlayer::waitOutPlayingTime()
{
    if (m_done || m_fallback.isActive())
        return;
    if (m_effect)
        m_effect->stop();
    const qint64 remaining = qMax<qint64>(0, m_playingTimeMs - m_sinceStart.elapsed());
    m_fallback.start(static_cast<int>(remaining));
}

void QtCardSoundPlayer::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_fallback.stop();
    m_watchdog.stop();
    emit finished();
}
