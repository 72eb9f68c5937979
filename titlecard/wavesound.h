#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A card's sound: a RIFF WAVE file held in memory.
namespace WaveSound {

// The samples of a PCM WAVE file and their layout.
struct Pcm
{
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    QByteArray samples; // the data chunk, no more than the bytes actually present
    quint64 bytesPerSecond() const { return quint64(sampleRate) * channels * ((bitsPerSample + 7u) / 8u); }
};

// The samples, or empty when the bytes are not a usable PCM WAVE file.
std::optional<Pcm> readPcm(const QByteArray &wave);

// How long the sound plays, in milliseconds, from its header: the data
// chunk's size (no more than the bytes actually present) over the format's
// bytes per second. Empty when the bytes are not a usable PCM WAVE file.
std::optional<int> playingTimeMs(const QByteArray &wave);

// A sound carried in a program, by its resource path; empty when missing.
QByteArray readResource(const QString &path);

// tambwin's own sound.
inline const QString kTambwinResource = QStringLiteral(":/titlecard/card.wav");
QByteArray resourceBytes();

// Used when the sound itself gives no playing time: the length of the
// card's own sound (55120 bytes at 11025 bytes per second).
constexpr int kFallbackPlayingTimeMs = 5000;

} // namespace WaveSound
