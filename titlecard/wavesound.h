#pragma once

#include <QByteArray>
#include <optional>

// The card's sound: a RIFF WAVE file held in memory.
namespace WaveSound {

// How long the sound plays, in milliseconds, from its header: the data
// chunk's size (no more than the bytes actually present) over the format's
// bytes per second. Empty when the bytes are not a usable PCM WAVE file.
std::optional<int> playingTimeMs(const QByteArray &wave);

// The sound carried in the program.
QByteArray resourceBytes();

// Used when the sound itself gives no playing time: the length of the
// card's own sound (55120 bytes at 11025 bytes per second).
constexpr int kFallbackPlayingTimeMs = 5000;

} // namespace WaveSound
