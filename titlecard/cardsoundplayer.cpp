#include "cardsoundplayer.h"

#include "soundserver.h"
#include "soundserverplayback.h"
#include "wavesound.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
// A server that accepts the sound but never reports its end must not keep
// the card up forever.
constexpr int kWatchdogGraceMs = 3000;
} // namespace

ServerCardSoundPlayer::ServerCardSoundPlayer(const QByteArray &wave, const QByteArray &streamName,
                                             int playingTimeMs, QObject *parent)
    : CardSoundPlayer(parent), m_wave(wave), m_streamName(streamName), m_playingTimeMs(qMax(0, playingTimeMs))
{
    m_fallback.setSingleShot(true);
    // A coarse timer may end the card up to 5 % early.
    m_fallback.setTimerType(Qt::PreciseTimer);
    m_watchdog.setSingleShot(true);
    connect(&m_fallback, &QTimer::timeout, this, &ServerCardSoundPlayer::finish);
    connect(&m_watchdog, &QTimer::timeout, this, &ServerCardSoundPlayer::finish);
}

void ServerCardSoundPlayer::play()
{
    if (m_sinceStart.isValid())
        return; // played once only
    m_sinceStart.start();
    m_watchdog.start(m_playingTimeMs + kWatchdogGraceMs);

    // Without a sound server the client library is not even loaded: it
    // would only fail to connect.
    const std::optional<WaveSound::Pcm> pcm = WaveSound::readPcm(m_wave);
    if (!pcm || !soundServerAvailable()) {
        waitOutPlayingTime();
        return;
    }
    // The answer comes on the playing thread; it is handed to this thread
    // through the application, which outlives the player's own object.
    QPointer<ServerCardSoundPlayer> self(this);
    const bool started = SoundServerPlayback::start(*pcm, m_streamName, [self](bool played) {
        if (QCoreApplication *app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(app, [self, played] {
                if (!self)
                    return;
                if (played)
                    self->finish();
                else
                    self->waitOutPlayingTime();
            }, Qt::QueuedConnection);
        }
    });
    if (!started)
        waitOutPlayingTime();
}

void ServerCardSoundPlayer::waitOutPlayingTime()
{
    if (m_done || m_fallback.isActive())
        return;
    const qint64 remaining = qMax<qint64>(0, m_playingTimeMs - m_sinceStart.elapsed());
    m_fallback.start(static_cast<int>(remaining));
}

void ServerCardSoundPlayer::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_fallback.stop();
    m_watchdog.stop();
    emit finished();
}
